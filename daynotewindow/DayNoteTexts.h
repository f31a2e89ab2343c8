#pragma once
// The note dialog's own words, each said once, here.

#include <QString>

namespace DayNoteTexts {

inline const QString noteAction = QStringLiteral("Anotar o dia…");
inline const QString printNotesAction = QStringLiteral("Incluir anotações ao imprimir");
inline const QString noteTitle = QStringLiteral("Anotar o dia");
inline const QString dayLabel = QStringLiteral("&Dia:");
inline const QString dayRefused = QStringLiteral("Digite um dia que já chegou, no formato dd/mm/aaaa.");
inline const QString startedBox = QStringLiteral("&Menstruação: começou neste dia");
inline const QString flowLabel = QStringLiteral("&Fluxo");
inline const QString painLabel = QStringLiteral("D&or");
inline const QString symptomsTitle = QStringLiteral("Sintomas");
inline const QString otherLabel = QStringLiteral("Ou&tro sintoma:");
inline const QString moodLabel = QStringLiteral("&Humor:");
inline const QString noteLabel = QStringLiteral("&Sua nota:");
inline const QString charsLeft = QStringLiteral("%1 de %2 caracteres");
inline const QString saveButton = QStringLiteral("Sal&var");
inline const QString cancelButton = QStringLiteral("Cancelar");
inline const QString noName = QStringLiteral(
    "Escreva o seu nome no campo Nome e faça a consulta: as anotações ficam guardadas no seu histórico.");
inline const QString notSaved = QStringLiteral("A anotação de %1 não pôde ser guardada. %2");
inline const QString savedNow = QStringLiteral("Anotação de %1 guardada.");
inline const QString removedNow = QStringLiteral("Anotação de %1 apagada.");
inline const QString noFutureDay = QStringLiteral("Só é possível anotar um dia que já chegou.");

// The listed symptoms with their Alt keys, in the list's order.
inline const QStringList symptomBoxes{
    QStringLiteral("&cólica"),          QStringLiteral("dor de ca&beça"),
    QStringLiteral("&inchaço"),         QStringLiteral("s&eios sensíveis"),
    QStringLiteral("&acne"),            QStringLiteral("ná&usea"),
    QStringLiteral("ca&nsaço"),         QStringLiteral("a&lteração de humor"),
    QStringLiteral("co&rrimento"),
};

} // namespace DayNoteTexts
