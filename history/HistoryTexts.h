#pragma once
// The history window's words.

#include <QString>

namespace HistoryTexts {

inline const QString title = QStringLiteral("Histórico de %1");
inline const QString historyTitle = QStringLiteral("Histórico");
inline const QString errorTitle = QStringLiteral("Erro");
inline const QString noName = QStringLiteral("Digite o seu nome para ver o seu histórico.");
inline const QString notKept =
    QStringLiteral("O seu histórico não foi guardado. O calendário não foi afetado.\n\n%1");
inline const QString unreadable = QStringLiteral("O seu histórico não pôde ser lido.\n\n%1");

inline const QString startHeader = QStringLiteral("Início da menstruação");
inline const QString lengthHeader = QStringLiteral("Ciclo");
inline const QString noteHeader = QStringLiteral("Observação");
inline const QString goingOn = QStringLiteral("ciclo atual");
inline const QString leftOut = QStringLiteral("fora das contas");
inline const QString daysText = QStringLiteral("%1 dias");
inline const QString tableName = QStringLiteral("Datas do histórico");
inline const QString chartName = QStringLiteral("Gráfico da duração dos ciclos");

inline const QString useMeanButton = QStringLiteral("&Usar a média");
inline const QString addDateButton = QStringLiteral("&Acrescentar data…");
inline const QString removeDateButton = QStringLiteral("&Remover data");
inline const QString exportCsvButton = QStringLiteral("E&xportar CSV…");
inline const QString importCsvButton = QStringLiteral("&Importar…");
inline const QString eraseButton = QStringLiteral("Apagar o &histórico");
inline const QString closeButton = QStringLiteral("&Fechar");
inline const QString protectButton = QStringLiteral("Proteger com &senha…");
inline const QString detailsButton = QStringLiteral("&Detalhes");
inline const QString reminderButton = QStringLiteral("&Lembrete…");
inline const QString reminderTitle = QStringLiteral("Lembrete na área de trabalho");
inline const QString reminderLabel = QStringLiteral(
    "Um aviso na área de trabalho, ao entrar na sessão, alguns dias antes da faixa em que a próxima menstruação "
    "deve começar, e no dia mais provável a pergunta \"Já começou?\". O texto discreto diz só \"Lembrete da "
    "Quintrela\". Agora: %1.");
inline const QString reminderOff = QStringLiteral("Desligado");
inline const QString reminderOn = QStringLiteral("Ligado");
inline const QString reminderDiscreet = QStringLiteral("Ligado, com texto discreto");
inline const QString reminderDaysLabel = QStringLiteral("Quantos dias antes da faixa?");
inline const QString reminderDaysBefore = QStringLiteral("%1 dias antes");
inline const QString reminderOneDayBefore = QStringLiteral("1 dia antes");
inline const QString reminderOnFirstDay = QStringLiteral("no primeiro dia da faixa");
inline const QString reminderOnNow = QStringLiteral("Lembrete ligado: %1.");
inline const QString reminderOffNow = QStringLiteral("Lembrete desligado.");
inline const QString reminderNotStarted = QStringLiteral(
    "A sua escolha foi guardada, mas a sessão não pôde ser preparada para o lembrete. %1");
inline const QString reminderProtected = QStringLiteral(
    "Ao entrar na sessão, a Quintrela não tem a sua senha. Para lembrar um nome protegido, ela guarda fora do "
    "arquivo protegido, sem o seu nome, só as datas do lembrete: o último início e a faixa em que a próxima "
    "menstruação deve começar. Quem usar este computador com a sua conta poderá vê-las. O aviso diz só "
    "\"Lembrete da Quintrela\". Se responder \"Sim, hoje\", a data entra no seu histórico quando abrir os seus "
    "dados protegidos. Agora: %1.");
inline const QString reportButton = QStringLiteral("Relatório para a c&onsulta…");
inline const QString reportTitle = QStringLiteral("Relatório para a consulta");
inline const QString reportWithName = QStringLiteral("Pôr o nome %1 no relatório? Responda Não para um relatório sem nome.");
inline const QString reportFileName = QStringLiteral("Relatório para a consulta.pdf");
inline const QString reportFilter = QStringLiteral("Documentos PDF (*.pdf)");
inline const QString reportSaved = QStringLiteral("Relatório salvo em %1");
inline const QString reportNotSaved = QStringLiteral("O relatório não foi salvo.\n\n%1");
inline const QString reportNotDrawn = QStringLiteral("O relatório não pôde ser montado.");
inline const QString leaveOutButton = QStringLiteral("&Não contar este ciclo…");
inline const QString countAgainButton = QStringLiteral("&Contar este ciclo");
inline const QString pauseButton = QStringLiteral("Estou &grávida / amamentando…");
inline const QString resumeButton = QStringLiteral("Retomar as &previsões");
inline const QString leaveOutTitle = QStringLiteral("Não contar este ciclo");
inline const QString leaveOutLabel = QStringLiteral("Por que o ciclo iniciado em %1 fica fora das contas?");
inline const QString pauseTitle = QStringLiteral("Pausar as previsões");
inline const QString pauseLabel = QStringLiteral(
    "As previsões pela sua história ficam em pausa até você acrescentar o início de uma nova menstruação. Motivo:");
inline const QString leftOutBecause = QStringLiteral("fora das contas: %1");
inline const QString leftOutNow = QStringLiteral("O ciclo iniciado em %1 ficou fora das contas (%2).");
inline const QString countedNow = QStringLiteral("O ciclo iniciado em %1 voltou às contas.");
inline const QString pausedNow = QStringLiteral("Previsões em pausa desde %1.");
inline const QString resumedNow = QStringLiteral("Previsões retomadas.");

inline const QString addTitle = QStringLiteral("Acrescentar data");
inline const QString addLabel = QStringLiteral("Data em que uma menstruação começou (dd/mm/aaaa):");
inline const QString badDate = QStringLiteral("\"%1\" não é uma data válida. Digite no formato dd/mm/aaaa.");
inline const QString futureDate = QStringLiteral("A data %1 ainda não chegou.");
inline const QString oldDate = QStringLiteral("A data %1 é anterior a 1900.");
inline const QString alreadyThere = QStringLiteral("A data %1 já está no seu histórico.");
inline const QString confirmAdd = QStringLiteral("Acrescentar %1 ao histórico de %2?");
inline const QString confirmRemove = QStringLiteral("Remover %1 do histórico de %2?");
inline const QString confirmErase = QStringLiteral(
    "Apagar todo o histórico de %1? As datas são apagadas do arquivo e não podem ser recuperadas. "
    "O nome e a última consulta continuam guardados.");
inline const QString questionTitle = QStringLiteral("Pergunta");

inline const QString csvTitle = QStringLiteral("Exportar o histórico");
inline const QString csvImportTitle = QStringLiteral("Importar um histórico");
inline const QString csvFilter = QStringLiteral("Planilhas CSV (*.csv)");
inline const QString importFilter = QStringLiteral(
    "Históricos da Quintrela, do Clue, do Flo e do drip (*.csv *.json);;Todos os arquivos (*)");
inline const QString importedDays = QStringLiteral(" %1 dias com anotações importados do %2.");
inline const QString importedOneDay = QStringLiteral(" 1 dia com anotações importado do %1.");
inline const QString importedNothing = QStringLiteral("Nada de novo: tudo o que o arquivo tem já estava no seu histórico.");
inline const QString csvSaved = QStringLiteral("Histórico salvo em %1");
inline const QString csvNotSaved = QStringLiteral("O histórico não foi exportado.\n\n%1");
inline const QString csvUnreadable = QStringLiteral("O arquivo %1 não pôde ser lido.");
inline const QString imported = QStringLiteral("%1 de %2 datas importadas; as outras já estavam no seu histórico.");
inline const QString importedAll = QStringLiteral("%1 datas importadas.");
inline const QString importedOne = QStringLiteral("1 data importada.");
inline const QString meanUsed = QStringLiteral("Média de %1 dias posta em Período. Pressione Calcular.");

} // namespace HistoryTexts
