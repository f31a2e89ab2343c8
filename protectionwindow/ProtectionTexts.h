#pragma once
// The protection's own words, each said once, here.

#include <QString>

namespace ProtectionTexts {

inline const QString protectTitle = QStringLiteral("Proteger com senha");
inline const QString protectAction = QStringLiteral("Proteger com senha…");
inline const QString openTitle = QStringLiteral("Abrir dados protegidos");
inline const QString openAction = QStringLiteral("Abrir dados protegidos…");
inline const QString lockAction = QStringLiteral("Bloquear");
inline const QString idleAction = QStringLiteral("Bloquear sozinho após…");
inline const QString idleTitle = QStringLiteral("Bloquear sozinho");
inline const QString idleLabel = QStringLiteral("Minutos sem uso até bloquear os dados protegidos de %1:");
inline const QString idleNow = QStringLiteral("Os dados protegidos de %1 serão bloqueados após %2 minutos sem uso.");
inline const QString changeAction = QStringLiteral("Mudar a senha…");
inline const QString changeTitle = QStringLiteral("Mudar a senha");
inline const QString changeExplanation = QStringLiteral(
    "Os dados protegidos de %1 passarão a abrir só com a nova senha; a senha antiga deixa de abri-los.");
inline const QString changedNow = QStringLiteral("A senha dos dados de %1 foi mudada.");
inline const QString removeAction = QStringLiteral("Remover a proteção…");
inline const QString removeQuestion = QStringLiteral(
    "Remover a proteção dos dados de %1? Eles voltarão para os arquivos abertos da Quintrela, que qualquer "
    "pessoa que use este computador pode ver.");
inline const QString removedNow = QStringLiteral("Os dados de %1 não estão mais protegidos por senha.");
inline const QString eraseAction = QStringLiteral("Apagar todos os meus dados…");
inline const QString eraseQuestion = QStringLiteral(
    "Apagar todos os dados protegidos de %1 (a última data, o período e o histórico)? Isto não pode ser desfeito.");
inline const QString eraseAgain = QStringLiteral(
    "Tem certeza? Depois de apagados, os dados de %1 não podem ser recuperados de nenhuma forma.");
inline const QString erasedNow = QStringLiteral("Os dados protegidos de %1 foram apagados.");
inline const QString notOpenYet = QStringLiteral(
    "Primeiro abra os dados protegidos (Ctrl+O), com o nome e a senha.");
inline const QString notChanged = QStringLiteral("Não foi possível concluir. %1");
inline const QString explanation = QStringLiteral(
    "Os dados de %1 (a última data, o período e o histórico) passarão a ficar num arquivo cifrado, que só "
    "abre com o nome e a senha. O nome sai da lista de nomes.");
inline const QString warning = QStringLiteral(
    "Atenção: uma senha esquecida não pode ser recuperada por ninguém, e os dados protegidos estarão perdidos.");
inline const QString passphraseLabel = QStringLiteral("&Senha:");
inline const QString confirmationLabel = QStringLiteral("&Confirme a senha:");
inline const QString nameLabel = QStringLiteral("&Nome:");
inline const QString protectButton = QStringLiteral("&Proteger");
inline const QString openButton = QStringLiteral("&Abrir");
inline const QString cancelButton = QStringLiteral("Cancelar");
inline const QString waitBeforeTrying = QStringLiteral("Espere %1 segundos para tentar de novo.");
inline const QString noName = QStringLiteral("Escreva no campo Nome o nome cujos dados quer proteger.");
inline const QString protectedNow = QStringLiteral("Os dados de %1 estão protegidos por senha.");
inline const QString openedNow = QStringLiteral("Dados protegidos de %1 abertos. Ctrl+L bloqueia.");
inline const QString reminderTurnedOff = QStringLiteral(
    "O lembrete na área de trabalho foi desligado; se quiser, ligue-o de novo no Histórico.");
inline const QString confirmedByReminder = QStringLiteral("Início confirmado no lembrete, agora no histórico: %1.");
inline const QString lockedNow = QStringLiteral("Dados protegidos bloqueados.");
inline const QString notProtected = QStringLiteral("Os dados de %1 não puderam ser protegidos. %2");
inline const QString notOpened = QStringLiteral("Os dados protegidos não puderam ser abertos. %1");

} // namespace ProtectionTexts
