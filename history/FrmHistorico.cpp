#include "FrmHistorico.h"

#include "Announcer.h"
#include "Artwork.h"
#include "CurrentItemTeller.h"
#include "SavedLine.h"
#include "SystemAnnouncement.h"
#include "CurrentCellFrame.h"
#include "CycleChart.h"
#include "CycleForecast.h"
#include "ReminderSetting.h"
#include "SharedTexts.h"
#include "DateText.h"
#include "HistoryCsv.h"
#include "HistoryDaysCsv.h"
#include "HistoryImport.h"
#include "ReportPdf.h"
#include "HistoryTexts.h"
#include "SaveLocation.h"
#include "WholeFileSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

using namespace HistoryTexts;

FrmHistorico::FrmHistorico(const QString &name, HistoryStore store, HistoryServices services, QWidget *parent)
    : QDialog(parent), m_name(DateText::trimBlanks(name)), m_store(std::move(store)), m_services(std::move(services))
{
    setWindowTitle(title.arg(m_name));
    // The program's own face, as its other windows: not a system's serif fallback (Wine).
    setFont(Artwork::uiFont(9.75));
    setObjectName(QStringLiteral("FrmHistorico"));
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblResumo"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);
    // The statistical terms, each with what it means, folded away until asked for.
    m_showDetails = new QToolButton(this);
    m_showDetails->setObjectName(QStringLiteral("cmdDetalhes"));
    m_showDetails->setText(detailsButton);
    m_showDetails->setCheckable(true);
    m_showDetails->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_showDetails->setArrowType(Qt::RightArrow);
    m_showDetails->setAutoRaise(true);
    m_details = new QWidget(this);
    m_details->setObjectName(QStringLiteral("detalhes"));
    m_detailRows = new QVBoxLayout(m_details);
    m_detailRows->setContentsMargins(m_showDetails->sizeHint().height(), 0, 0, 0);
    m_details->hide();
    connect(m_showDetails, &QToolButton::toggled, this, [this](bool open) {
        m_showDetails->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_details->setVisible(open);
    });
    layout->addWidget(m_showDetails);
    layout->addWidget(m_details);
    auto *middle = new QHBoxLayout;
    createTable();
    m_chart = new CycleChart(this);
    m_chart->setObjectName(QStringLiteral("grfCiclos"));
    m_chart->setAccessibleName(chartName);
    middle->addWidget(m_table, 2);
    middle->addWidget(m_chart, 3);
    layout->addLayout(middle, 1);
    m_saved = new SavedLine(this);
    layout->addWidget(m_saved);
    createButtons();
    m_announcer = new Announcer(this);
    reload();
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.averageCharWidth() * 120, metrics.height() * 28);
    if (screen())
        size = size.boundedTo(screen()->availableGeometry().size());
    resize(size);
    // Her dates first; the details fold is one Shift+Tab above them.
    m_table->setFocus();
}

void FrmHistorico::createTable()
{
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("tblDatas"));
    m_table->setAccessibleName(tableName);
    m_table->setHorizontalHeaderLabels({startHeader, lengthHeader, noteHeader});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    m_table->setItemDelegate(new CurrentCellFrame(m_table));
    new CurrentItemTeller(m_table);
    auto *del = new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &FrmHistorico::removeDate);
}

void FrmHistorico::createButtons()
{
    // What she does with her dates on one row; her files, her protection and
    // erasing on the next, erasing apart.
    auto *dates = new QHBoxLayout;
    auto *row = new QHBoxLayout;
    QHBoxLayout *into = dates;
    auto button = [&](const QString &text, const char *objectName, void (FrmHistorico::*run)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, run);
        into->addWidget(b);
        return b;
    };
    m_useMean = button(useMeanButton, "cmdUsarMedia", &FrmHistorico::useMean);
    button(addDateButton, "cmdAcrescentar", &FrmHistorico::addDate);
    m_remove = button(removeDateButton, "cmdRemover", &FrmHistorico::removeDate);
    m_leaveOut = button(leaveOutButton, "cmdNaoContar", &FrmHistorico::leaveOutCycle);
    m_pause = button(pauseButton, "cmdPausa", &FrmHistorico::togglePause);
    dates->addStretch(1);
    into = row;
    m_export = button(exportCsvButton, "cmdExportar", &FrmHistorico::exportCsv);
    button(importCsvButton, "cmdImportar", &FrmHistorico::importCsv);
    m_report = button(reportButton, "cmdRelatorio", &FrmHistorico::doctorReport);
    m_reminder = button(reminderButton, "cmdLembrete", &FrmHistorico::chooseReminder);
    m_protect = new QPushButton(protectButton, this);
    m_protect->setObjectName(QStringLiteral("cmdProteger"));
    m_protect->setAutoDefault(false);
    connect(m_protect, &QPushButton::clicked, this, [this] {
        emit protectionAsked();
        accept();
    });
    row->addWidget(m_protect);
    row->addStretch(1);
    m_erase = button(eraseButton, "cmdApagar", &FrmHistorico::eraseHistory);
    auto *closing = new QPushButton(closeButton, this);
    closing->setObjectName(QStringLiteral("cmdFechar"));
    // No default button: Enter on a row of her dates must not close the
    // window (Escape does).
    closing->setAutoDefault(false);
    connect(closing, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(closing);
    static_cast<QVBoxLayout *>(layout())->addLayout(dates);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
    // The row's button follows her: leaving out the cycle in focus, or counting it again.
    connect(m_table, &QTableWidget::currentCellChanged, this, &FrmHistorico::showRowChoices);
}

void FrmHistorico::showRowChoices()
{
    const int row = m_table->currentRow();
    const bool chosenOut = row >= 0 && row < m_cycles.size() && m_cycles[row].chosenOut.has_value();
    m_leaveOut->setText(chosenOut ? countAgainButton : leaveOutButton);
    m_leaveOut->setEnabled(row >= 0 && row < m_cycles.size());
}

void FrmHistorico::leaveOutCycle()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_cycles.size())
        return;
    const HistoryCycle cycle = m_cycles[row];
    const QString date = DateText::formatDdMmYyyy(cycle.start);
    std::optional<LeftOutReason> reason;
    if (!cycle.chosenOut) {
        QStringList reasons;
        for (int r = LeftOutCycles::firstReason; r <= LeftOutCycles::lastReason; ++r)
            reasons << LeftOutCycles::reasonWord(LeftOutReason(r));
        const std::optional<int> chosen = m_services.askChoice(this, leaveOutTitle, leaveOutLabel.arg(date), reasons);
        if (!chosen)
            return;
        reason = LeftOutReason(LeftOutCycles::firstReason + *chosen);
    }
    if (const HistoryProblem problem = m_store.setLeftOut(m_name, cycle.start, reason)) {
        tellProblem(notKept, problem);
        return;
    }
    reload(cycle.start);
    tellSaved(reason ? leftOutNow.arg(date, LeftOutCycles::reasonWord(*reason)) : countedNow.arg(date));
    m_table->setFocus();
}

void FrmHistorico::togglePause()
{
    if (CycleStatistics::pauseHolds(m_pauseChosen, m_cycles)) {
        if (const HistoryProblem problem = m_store.setPreference(m_name, pausePreference, {})) {
            tellProblem(notKept, problem);
            return;
        }
        reload();
        tellSaved(resumedNow);
        return;
    }
    const std::optional<int> chosen = m_services.askChoice(
        this, pauseTitle, pauseLabel,
        {LeftOutCycles::reasonWord(LeftOutReason::Gravidez), LeftOutCycles::reasonWord(LeftOutReason::Amamentacao)});
    if (!chosen)
        return;
    const CyclePause pause{m_services.today(), *chosen == 0 ? LeftOutReason::Gravidez : LeftOutReason::Amamentacao};
    if (const HistoryProblem problem = m_store.setPreference(m_name, pausePreference, CycleStatistics::pauseText(pause))) {
        tellProblem(notKept, problem);
        return;
    }
    reload();
    tellSaved(pausedNow.arg(DateText::formatDdMmYyyy(pause.since)));
}

void FrmHistorico::reload(const QDate &current)
{
    const HistoryStore::Starts read = m_store.starts(m_name);
    if (read.problem)
        tellProblem(unreadable, read.problem);
    // Told once above when her file cannot be read.
    const HistoryStore::LeftOut out = m_store.leftOut(m_name);
    m_pauseChosen = CycleStatistics::pauseFrom(m_store.preference(m_name, pausePreference).value);
    m_cycles = CycleStatistics::cycles(read.starts, out.cycles);
    fill();
    for (int row = 0; row < m_cycles.size(); ++row) {
        if (m_cycles[row].start == current)
            m_table->setCurrentCell(row, 0);
    }
}

void FrmHistorico::fill()
{
    // What is likely comes first, the fertile days with the notice last.
    const QDate today = m_services.today();
    const auto range = CycleForecast::nextStart(m_cycles, today, m_pauseChosen);
    QStringList summary = CycleStatistics::plainSummary(m_cycles, m_pauseChosen);
    if (range) {
        summary.prepend(CycleForecast::sentence(*range, today));
        if (const auto fertile = CycleForecast::fertileDays(m_cycles, today, m_pauseChosen))
            summary << CycleForecast::fertileSentence(*fertile) + u' ' + SharedTexts::lblSexoSafeText;
    }
    m_summary->setText(summary.join(u'\n'));
    while (QLayoutItem *row = m_detailRows->takeAt(0)) {
        delete row->widget();
        delete row;
    }
    const QList<CycleStatistics::Detail> details = CycleStatistics::details(m_cycles);
    for (const CycleStatistics::Detail &detail : details) {
        auto *label = new QLabel(QStringLiteral("%1: %2 — %3").arg(detail.term, detail.value, detail.explanation), m_details);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setToolTip(detail.explanation);
        m_detailRows->addWidget(label);
    }
    m_showDetails->setVisible(!details.isEmpty());
    m_details->setVisible(!details.isEmpty() && m_showDetails->isChecked());
    m_table->setRowCount(int(m_cycles.size()));
    for (int row = 0; row < m_cycles.size(); ++row) {
        const HistoryCycle &cycle = m_cycles[row];
        auto *start = new QTableWidgetItem(DateText::formatDdMmYyyy(cycle.start));
        start->setData(Qt::UserRole, cycle.start);
        m_table->setItem(row, 0, start);
        m_table->setItem(row, 1, new QTableWidgetItem(cycle.length ? daysText.arg(cycle.length) : QString()));
        QString note = cycle.length == 0 ? goingOn : cycle.counted ? QString() : leftOut;
        if (cycle.chosenOut)
            note = (cycle.length == 0 ? goingOn + QStringLiteral("; ") : QString())
                + leftOutBecause.arg(LeftOutCycles::reasonWord(*cycle.chosenOut));
        m_table->setItem(row, 2, new QTableWidgetItem(note));
    }
    if (!m_cycles.isEmpty() && m_table->currentRow() < 0)
        m_table->setCurrentCell(0, 0);
    fitTable();
    m_chart->setCycles(m_cycles);
    m_chart->setNextRange(range ? std::optional(std::pair{int(range->from.daysTo(range->first)),
                                                          int(range->from.daysTo(range->last))})
                                : std::nullopt);
    const bool any = !m_cycles.isEmpty();
    const bool paused = CycleStatistics::pauseHolds(m_pauseChosen, m_cycles);
    m_useMean->setEnabled(CycleStatistics::figures(m_cycles).has_value() && !paused);
    m_pause->setText(paused ? resumeButton : pauseButton);
    showRowChoices();
    m_remove->setEnabled(any);
    m_erase->setEnabled(any);
    m_export->setEnabled(any);
    m_report->setEnabled(any);
}

void FrmHistorico::fitTable()
{
    // Every column whole, in the style's own font: the table never scrolls sideways.
    m_table->resizeColumnsToContents();
    m_table->setMinimumWidth(m_table->horizontalHeader()->length() + 2 * m_table->frameWidth()
                             + m_table->verticalScrollBar()->sizeHint().width());
}

void FrmHistorico::showEvent(QShowEvent *event)
{
    fitTable();
    QDialog::showEvent(event);
    // Screen readers read a dialog's text as it opens (Orca does); Windows'
    // own path is raised too, as for the month sentence, once the window has settled.
    // The first cell again then: told while the window was still opening, it is dropped.
    QTimer::singleShot(Announcer::settleMilliseconds, m_summary, [this] {
        SystemAnnouncement::raise(m_summary, m_summary->text());
        CurrentItemTeller::tell(m_table);
    });
}

void FrmHistorico::tellProblem(const QString &frame, const HistoryProblem &problem)
{
    m_services.message(this, QMessageBox::Warning, errorTitle, frame.arg(problem.sentence()));
}

void FrmHistorico::useMean()
{
    const auto figures = CycleStatistics::figures(m_cycles);
    if (!figures)
        return;
    const int days = CycleStatistics::roundedMean(*figures);
    // A mean the field would refuse stays hers to type.
    if (days < CycleStatistics::shortestTyped || days > CycleStatistics::longestTyped)
        return;
    emit meanChosen(days);
    accept();
}

namespace {

QDate typedDate(const QString &text)
{
    return DateText::readDate(text);
}

} // namespace

void FrmHistorico::addDate()
{
    const QString text = m_services.askText(this, addTitle, addLabel);
    if (text.isNull())
        return;
    const QDate date = typedDate(text);
    QString wrong;
    if (!date.isValid())
        wrong = badDate.arg(text.trimmed());
    else if (date > m_services.today())
        wrong = futureDate.arg(DateText::formatDdMmYyyy(date));
    else if (date.year() < HistoryStore::oldestYear)
        wrong = oldDate.arg(DateText::formatDdMmYyyy(date));
    else if (std::any_of(m_cycles.begin(), m_cycles.end(), [&](const HistoryCycle &c) { return c.start == date; }))
        wrong = alreadyThere.arg(DateText::formatDdMmYyyy(date));
    if (!wrong.isEmpty()) {
        m_services.message(this, QMessageBox::Information, addTitle, wrong);
        return;
    }
    if (!m_services.askYesNo(this, questionTitle, confirmAdd.arg(DateText::formatDdMmYyyy(date), m_name)))
        return;
    if (const HistoryStore::Added added = m_store.add(m_name, {date}); added.problem)
        tellProblem(notKept, added.problem);
    // She is brought to the date she added.
    reload(date);
    m_table->setFocus();
}

void FrmHistorico::removeDate()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_cycles.size())
        return;
    const QDate date = m_cycles[row].start;
    if (!m_services.askToDestroy(this, questionTitle, confirmRemove.arg(DateText::formatDdMmYyyy(date), m_name)))
        return;
    if (const HistoryProblem problem = m_store.remove(m_name, date))
        tellProblem(notKept, problem);
    reload();
}

void FrmHistorico::eraseHistory()
{
    if (!m_services.askToDestroy(this, questionTitle, confirmErase.arg(m_name)))
        return;
    if (const HistoryProblem problem = m_store.erase(m_name))
        tellProblem(notKept, problem);
    reload();
}

void FrmHistorico::leavesProtection(const QString &warning, const QString &sealedFile)
{
    m_leavesProtection = warning;
    m_protectedName = true;
    m_sealedFile = sealedFile;
    // Protected already.
    m_protect->hide();
}

void FrmHistorico::chooseReminder()
{
    const auto now = ReminderSetting::chosen(m_store, m_name);
    // Protected: only the discreet words, and told first what stays outside her file.
    const QStringList kinds = m_protectedName ? QStringList{reminderOff, reminderDiscreet}
                                              : QStringList{reminderOff, reminderOn, reminderDiscreet};
    const QString nowWords = (now ? (now->discreet ? reminderDiscreet : reminderOn) : reminderOff).toLower();
    const auto picked = m_services.askChoice(
        this, reminderTitle, (m_protectedName ? reminderProtected : reminderLabel).arg(nowWords), kinds);
    if (!picked)
        return;
    const auto kind = m_protectedName && *picked == 1 ? std::optional<int>(2) : picked;
    std::optional<ReminderChoice> choice;
    QString when;
    if (*kind > 0) {
        // The usual first; then nearer, then further.
        const QList<int> values{ReminderChoice::defaultDaysBefore, 1, 3, 4, 5, 7, 10, 0};
        QStringList words;
        for (int days : values)
            words << (days == 0 ? reminderOnFirstDay : days == 1 ? reminderOneDayBefore : reminderDaysBefore.arg(days));
        const auto before = m_services.askChoice(this, reminderTitle, reminderDaysLabel, words);
        if (!before)
            return;
        choice = ReminderChoice{values[*before], *kind == 2};
        when = words[*before];
    }
    std::optional<ReminderSetting::Sealed> sealed;
    if (m_protectedName)
        sealed = ReminderSetting::Sealed{m_sealedFile, m_services.today()};
    const ReminderSetting::Result result =
        ReminderSetting::choose(m_store, m_name, choice, QCoreApplication::applicationFilePath(), sealed);
    if (result.history) {
        tellProblem(notKept, result.history);
        return;
    }
    if (result.autostart) {
        m_services.message(this, QMessageBox::Warning, reminderTitle, reminderNotStarted.arg(result.autostart.sentence()));
        return;
    }
    tellSaved(choice ? reminderOnNow.arg(when) : reminderOffNow);
}

void FrmHistorico::exportCsv()
{
    if (!m_leavesProtection.isEmpty())
        m_services.message(this, QMessageBox::Information, csvTitle, std::exchange(m_leavesProtection, QString()));
    const QString suggested = SaveLocation::suggested(
        !m_protectedName ? QStringLiteral("Histórico %1.csv").arg(SaveLocation::fileNameFor(m_name)) : QStringLiteral("Histórico.csv"));
    const QString path = m_services.chooseSavePath(this, csvTitle, suggested, csvFilter);
    if (path.isEmpty())
        return;
    const HistoryStore::Days days = m_store.days(m_name);
    if (days.problem) {
        tellProblem(unreadable, days.problem);
        return;
    }
    if (const FileProblem problem = saveWholeFile(path, HistoryDaysCsv::write(m_cycles, days.notes)))
        m_services.message(this, QMessageBox::Critical, errorTitle, csvNotSaved.arg(problem.sentence()));
    else
        tellSaved(csvSaved.arg(QDir::toNativeSeparators(path)));
}

void FrmHistorico::doctorReport()
{
    if (!m_leavesProtection.isEmpty())
        m_services.message(this, QMessageBox::Information, reportTitle, std::exchange(m_leavesProtection, QString()));
    const bool named = m_services.askYesNo(this, reportTitle, reportWithName.arg(m_name));
    const QString path = m_services.chooseSavePath(this, reportTitle, SaveLocation::suggested(reportFileName), reportFilter);
    if (path.isEmpty())
        return;
    const HistoryStore::Days days = m_store.days(m_name);
    if (days.problem) {
        tellProblem(unreadable, days.problem);
        return;
    }
    const QByteArray pdf =
        reportPdf(DoctorReports::make(named ? m_name : QString(), m_cycles, m_pauseChosen, days.notes, m_services.today()));
    if (pdf.isEmpty()) {
        m_services.message(this, QMessageBox::Critical, errorTitle, reportNotDrawn);
        return;
    }
    if (const FileProblem problem = saveWholeFile(path, pdf))
        m_services.message(this, QMessageBox::Critical, errorTitle, reportNotSaved.arg(problem.sentence()));
    else
        tellSaved(reportSaved.arg(QDir::toNativeSeparators(path)));
}

void FrmHistorico::tellSaved(const QString &sentence)
{
    m_announcer->announce(sentence);
    m_saved->tell(sentence);
}

void FrmHistorico::importCsv()
{
    const QString path = m_services.chooseOpenPath(this, csvImportTitle, importFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(HistoryCsv::maxBytes + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_services.message(this, QMessageBox::Critical, errorTitle, csvUnreadable.arg(QDir::toNativeSeparators(path)));
        return;
    }
    const HistoryImport::Read read = HistoryImport::read(bytes, m_services.today());
    if (!read.ok()) {
        m_services.message(this, QMessageBox::Warning, csvImportTitle, read.problem);
        return;
    }
    const HistoryStore::Imported added = m_store.addImported(m_name, read.starts, read.days, read.leftOut);
    if (added.problem) {
        tellProblem(notKept, added.problem);
    } else if (added.starts == 0 && added.days == 0 && added.leftOut == 0) {
        m_services.message(this, QMessageBox::Information, csvImportTitle, importedNothing);
    } else {
        const auto distinct = QSet<QDate>(read.starts.begin(), read.starts.end()).size();
        QString told = added.starts != distinct ? imported.arg(added.starts).arg(distinct)
            : added.starts == 1                 ? importedOne
                                                : importedAll.arg(added.starts);
        if (added.days > 0)
            told += added.days == 1 ? importedOneDay.arg(HistoryImport::formatName(read.format))
                                    : importedDays.arg(added.days).arg(HistoryImport::formatName(read.format));
        m_services.message(this, QMessageBox::Information, csvImportTitle, told);
    }
    reload();
}
