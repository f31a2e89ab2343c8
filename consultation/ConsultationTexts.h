#pragma once
// What a consultation says to her: the checks' messages, and the files it
// could not read or keep.

#include <QString>

namespace ConsultationTexts {

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

// For what the checks above leave unsaid.
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
inline const QString historyNotKept =
    QStringLiteral("O seu histórico não foi guardado. O calendário não foi afetado.\n\n%1");

// What leaves the program as a file, or on paper.
inline const QString leavesProtection = QStringLiteral(
    "Os seus dados estão protegidos por senha, mas o arquivo que vai sair daqui (agenda, PDF, planilha ou página "
    "impressa) não estará: quem o abrir poderá ver as datas.");
inline const QString nothingToExport = QStringLiteral(
    "Ainda não há nada para exportar. Faça primeiro uma consulta: digite o seu nome, a data da última "
    "menstruação e o período, e clique em Calcular. Depois as próximas menstruações e os dias de alto "
    "risco poderão ser levados para a sua agenda.");
inline const QString exportSaved = QStringLiteral("Agenda salva em %1.");
inline const QString exportFailed = QStringLiteral("Não foi possível salvar a agenda no arquivo escolhido. %1");
inline const QString pdfSaved = QStringLiteral("Calendário salvo em PDF em %1.");
inline const QString pdfFailed = QStringLiteral("Não foi possível salvar o calendário no arquivo PDF escolhido. %1");
inline const QString pageNotDrawn = QStringLiteral("a página não pôde ser desenhada");

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

// Under the calendar after a consultation of a name with history.
inline const QString typedNext = QStringLiteral("Próxima menstruação pelas datas digitadas: %1.");
inline const QString typedNextTooFew = QStringLiteral("Próxima menstruação pelas datas digitadas: %1; %2.");
inline const QString pausedNoForecast = QStringLiteral(
    "Durante a pausa marcada no Histórico, não há previsão pela sua história.");
inline const QString calendarRange = QStringLiteral("Pela sua história: %1 (em cerca de %2 de cada %3 ciclos).");
inline const QString goToMonth = QStringLiteral("Ir para %1");
inline const QString fertilePreference = QStringLiteral("marcar_dias_ferteis");

} // namespace ConsultationTexts
