#pragma once
// What the main window says to the user.

#include <QString>

namespace MainWindowTexts {

inline const QString errorTitle = QStringLiteral("Erro:");
inline const QString questionTitle = QStringLiteral("Importante:");

inline const QString noName = QStringLiteral(
    "Você precisa digitar um nome para realizar uma consulta menstrual. Digite o seu nome e então "
    "clique novamente neste botão para calcular.");
inline const QString badDate = QStringLiteral(
    "A data que você informou não é uma data válida. Experimente digitar a data da seguinte "
    "maneira: dd/mm/aaaa (onde d = dia, m = mês e a = ano)");
inline const QString after2075 = QStringLiteral(
    "Este programa só é capaz de calcular os períodos até 2075. Informe um novo ano.");
inline const QString before1981 = QStringLiteral(
    "Este programa só é capaz de calcular os períodos após o ano de 1981. Informe um novo ano.");
inline const QString badCycle = QStringLiteral(
    "O período informado está muito distante dos 28 dias normais. Você provavelmente está com "
    "algum problema. Por favor, procure um médico urgente. O programa não consegue calcular "
    "períodos menores que 16 dias ou maiores que 40 dias.");
inline const QString addName = QStringLiteral(
    "O seu nome não foi localizado no arquivo de dados do programa. Gostaria de incluir o seu nome "
    "no arquivo de dados do programa agora?\r\n\r\nAo incluir o seu nome no arquivo de dados do "
    "programa o programa permitirá que as próximas consultas sejam feitas sem a necessidade da "
    "digitação do nome e da seleção do período.");

// Our own, for what the original left unsaid.
inline const QString nameNotStorable = QStringLiteral(
    "O nome digitado contém caracteres que o programa não consegue guardar no arquivo de dados. "
    "Use apenas letras, números e sinais comuns da língua portuguesa e então clique novamente "
    "neste botão para calcular.");
inline const QString recordsUnreadable = QStringLiteral(
    "Não foi possível ler o arquivo de dados do programa (quintrela.dat). A lista de nomes ficará "
    "vazia, mas você pode continuar fazendo consultas normalmente. %1");
inline const QString recordsNotSaved = QStringLiteral(
    "Não foi possível gravar os seus dados no arquivo de dados do programa (quintrela.dat). O "
    "calendário será calculado normalmente, mas os seus dados não foram guardados para a próxima "
    "consulta. %1");
inline const QString settingsUnreadable = QStringLiteral(
    "Não foi possível ler a configuração do programa (qtrconf.dat). O programa vai considerar que "
    "a próxima menstruação começa no dia seguinte ao final do período menstrual. %1");

inline const QString noPrinter = QStringLiteral(
    "Não há nenhuma impressora padrão configurada neste computador, por isso o calendário não foi "
    "impresso.\r\n\r\nDeseja salvar o calendário deste mês em um arquivo PDF?");
inline const QString printServiceDown = QStringLiteral(
    "O serviço de impressão do computador (CUPS) não está funcionando, por isso o calendário não foi "
    "impresso.\r\n\r\nDeseja salvar o calendário deste mês em um arquivo PDF?");
inline const QString printerFailed = QStringLiteral(
    "A impressora não conseguiu imprimir o calendário. %1\r\n\r\nDeseja salvar o calendário deste "
    "mês em um arquivo PDF?");
inline const QString printerRefuses = QStringLiteral("A impressora não está aceitando trabalhos de impressão.");
inline const QString printerStopped = QStringLiteral("A impressora está parada.");
inline const QString printerLostPage = QStringLiteral("A página não pôde ser preparada para a impressora.");
inline const QString printerSaid = QStringLiteral("O serviço de impressão informou: %1.");
inline const QString pageNotDrawn = QStringLiteral("a página não pôde ser desenhada");
inline const QString pdfFailed = QStringLiteral(
    "Não foi possível salvar o calendário no arquivo PDF escolhido. %1");

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
inline const QString nothingToExport = QStringLiteral(
    "Ainda não há nada para exportar. Faça primeiro uma consulta: digite o seu nome, a data da última "
    "menstruação e o período, e clique em Calcular. Depois as próximas menstruações e os dias de alto "
    "risco poderão ser levados para a sua agenda.");
inline const QString exportSaved = QStringLiteral("Agenda salva em %1.");
inline const QString pdfSaved = QStringLiteral("Calendário salvo em PDF em %1.");
// Her stored data, said once when a remembered name fills the fields.
inline const QString storedData = QStringLiteral("Dados guardados: última menstruação em %1, período de %2 dias.");
// The window as a screen reader names it: the caption without the web address spelled out.
inline const QString windowSpokenName = QStringLiteral("Quintrela Eletrônica");
inline const QString exportFailed = QStringLiteral(
    "Não foi possível salvar a agenda no arquivo escolhido. %1");

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

} // namespace MainWindowTexts
