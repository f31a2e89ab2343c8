#pragma once
// What the main window says to the user.

#include <QString>

namespace MainWindowTexts {

// The calendar area's menu, and what its commands say.
inline const QString exportAction = QStringLiteral("Exportar para a agenda (iCalendar)…");
inline const QString pdfAction = QStringLiteral("Salvar o calendário em PDF…");
inline const QString printAction = QStringLiteral("Imprimir");
inline const QString historyAction = QStringLiteral("Histórico dos ciclos…");
inline const QString calendarMenuName = QStringLiteral("Menu do calendário");
inline const QString exportTitle = QStringLiteral("Exportar para a agenda");
inline const QString exportFilter = QStringLiteral("Agendas iCalendar (*.ics)");
inline const QString pdfTitle = QStringLiteral("Salvar o calendário como PDF");
inline const QString pdfFilter = QStringLiteral("Arquivos PDF (*.pdf)");
// Her stored data, said once when a remembered name fills the fields.
inline const QString storedData = QStringLiteral("Dados guardados: última menstruação em %1, período de %2 dias.");
// The window as a screen reader names it: the caption without the web address spelled out.
inline const QString windowSpokenName = QStringLiteral("Quintrela Eletrônica");

// Names and descriptions read out for the pictures that act as buttons, and
// shown as their tooltips; each names the key that does the same.
inline const QString calcularName = QStringLiteral("Calcular");
inline const QString calcularDescription = QStringLiteral(
    "Calcula os próximos ciclos e mostra o mês da próxima menstruação (tecla Enter)");
inline const QString imprimirName = QStringLiteral("Imprimir");
inline const QString imprimirDescription = QStringLiteral(
    "Imprime o mês mostrado na impressora padrão (teclas Ctrl+P); para salvar em PDF, Ctrl+S");
inline const QString goLeftName = QStringLiteral("Mês anterior");
inline const QString goLeftDescription = QStringLiteral("Mostra o mês anterior no calendário (tecla Page Up)");
inline const QString goRightName = QStringLiteral("Próximo mês");
inline const QString goRightDescription = QStringLiteral("Mostra o mês seguinte no calendário (tecla Page Down)");
inline const QString productName = QStringLiteral("Página da Quintrela Eletrônica");
inline const QString productDescription = QStringLiteral("Abre a página da Quintrela Eletrônica no navegador");
inline const QString bannerName = QStringLiteral("Espaço publicitário");
inline const QString bannerDescription = QStringLiteral("Abre a página do anunciante no navegador");

// The calendar area, read out as one place, and its keys.
inline const QString calendarName = QStringLiteral("Calendário");
inline const QString calendarKeys = QStringLiteral(
    "Setas, Home e End percorrem os dias; Page Up e Page Down mudam o mês. Menu do calendário: tecla Menu ou "
    "Shift+F10. Exportar para a agenda: Ctrl+E. Salvar em PDF: Ctrl+S. Imprimir: Ctrl+P.");
inline const QString dateFieldDescription = QStringLiteral("dd/mm/aaaa");
inline const QString cycleFieldDescription = QStringLiteral("dias");

// Her fertile days by her history, under the calendar.
inline const QString showFertile = QStringLiteral("Marcar no mês os dias férteis pela sua história");
inline const QString hideFertile = QStringLiteral("Tirar a marca");

} // namespace MainWindowTexts
