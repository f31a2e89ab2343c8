#include "Consultation.h"

#include "ConsultationTexts.h"
#include "CycleForecast.h"
#include "CycleProjection.h"
#include "CycleStatistics.h"
#include "DateText.h"
#include "DayMarkTable.h"
#include "DayWords.h"
#include "HistoryStore.h"
#include "MarkColors.h"
#include "NameKey.h"
#include "SettingsFile.h"
#include "SharedTexts.h"
#include "fQuintrela.h"

#include <cmath>

using namespace ConsultationTexts;

namespace {

constexpr int firstYear = 1981;
constexpr int lastYear = 2075;
constexpr double shortestCycle = CycleStatistics::shortestTyped;
constexpr double longestCycle = CycleStatistics::longestTyped;

using Kind = Consultation::Message::Kind;

Consultation::Message refused(Kind kind, const QString &text, Consultation::Field focus)
{
    return {kind, text, focus};
}

// A cycle length as the history keeps it: a whole number the checks allow,
// else unknown (0).
int keptLength(double days)
{
    return days == std::floor(days) && days >= shortestCycle && days <= longestCycle ? int(days) : 0;
}

} // namespace

Consultation::Consultation(fQuintrela &state, QString dataFolder, std::function<QDate()> today)
    : m_state(state)
    , m_folder(std::move(dataFolder))
    , m_today(std::move(today))
    , m_records(UserRecordsFile::inFolder(m_folder))
{
}

std::optional<Consultation::Message> Consultation::start()
{
    const SettingsFile::ReadResult settings = SettingsFile(SettingsFile::inFolder(m_folder)).readWithWriteBack();
    const bool unreadable = settings.status == SettingsFile::Status::Unreadable;
    m_state.EndDateIsNext = !unreadable && settings.value != 0;

    m_state.ClearMarks();
    const QDate today = m_today();
    m_state.DayMarks.set(today.day(), today.month(), today.year(), MarkColors::markHoje);
    m_state.setShownMonth(today);

    if (!unreadable)
        return std::nullopt;
    return Message{Kind::Warning, settingsUnreadable.arg(settings.problem.sentence()).trimmed(), std::nullopt};
}

std::optional<Consultation::Message> Consultation::recordsNotice(const UserRecordsFile::ReadResult &read)
{
    // Once per failure: a consultation reads the list again right after saving.
    const bool tell = !read.ok && !m_toldRecordsUnreadable;
    m_toldRecordsUnreadable = !read.ok;
    if (!tell)
        return std::nullopt;
    return Message{Kind::Warning, recordsUnreadable.arg(read.problem.sentence()).trimmed(), std::nullopt};
}

Consultation::Names Consultation::names()
{
    const UserRecordsFile::NamesResult read = m_records.readNames();
    Names told;
    told.ok = read.ok;
    told.names = read.names;
    if (m_protected)
        told.names.append(m_protectedName);
    told.notice = recordsNotice({read.ok, read.problem, {}});
    return told;
}

Consultation::Remembered Consultation::remembered(const QString &name)
{
    Remembered told;
    // Her record is her last consultation, sealed with her history.
    if (isProtected(name)) {
        const HistoryStore::Consulted last = m_protected->lastConsultation(name);
        if (last.start.isValid())
            told.record = UserRecord{m_protectedName, last.length ? QString::number(last.length) : QString(),
                                     DateText::formatDdMmYyyy(last.start)};
        return told;
    }
    const UserRecordsFile::ReadResult read = m_records.readAll();
    told.notice = recordsNotice(read);
    // Every match is taken in turn: the last one in the file wins.
    for (const UserRecord &record : read.records) {
        if (record.matches(name))
            told.record = UserRecord{DateText::trimBlanks(record.Nome), DateText::trimBlanks(record.Periodo),
                                     DateText::trimBlanks(record.Ultima)};
    }
    return told;
}

std::optional<Consultation::Message> Consultation::check(Inputs &inputs) const
{
    if (inputs.name.isEmpty())
        return refused(Kind::Warning, noName, Field::Name);
    if (!UserRecord::canStore(inputs.name))
        return refused(Kind::Warning, nameNotStorable, Field::Name);
    const QDate date = DateText::readDate(inputs.date);
    if (!date.isValid())
        return refused(Kind::Warning, badDate, Field::Date);
    inputs.date = DateText::formatDdMmYyyy(date);
    if (date.year() > lastYear)
        return refused(Kind::Error, after2075, Field::Date);
    if (date.year() < firstYear)
        return refused(Kind::Error, before1981, Field::Date);
    const double cycle = DateText::leadingNumber(inputs.cycle);
    if (!(cycle >= shortestCycle && cycle <= longestCycle))
        return refused(Kind::Error, badCycle, Field::Cycle);
    return std::nullopt;
}

Consultation::Outcome Consultation::run(Inputs inputs, const std::function<bool()> &askToAdd)
{
    Outcome outcome;
    // What start-up left in the fields is not hers: a remembered name typed
    // rather than picked brings her own data first, as picking does.
    if (inputs.startupDefaults) {
        Remembered found = remembered(inputs.name);
        if (found.notice)
            outcome.notices.append(*found.notice);
        if (found.record) {
            inputs.name = found.record->Nome;
            inputs.date = found.record->Ultima;
            inputs.cycle = found.record->Periodo;
            outcome.filledFromRecord = true;
        }
    }
    outcome.refusal = check(inputs);
    outcome.shown = inputs;
    if (outcome.refusal)
        return outcome;

    if (isProtected(inputs.name))
        return runProtected(std::move(inputs), std::move(outcome));
    const UserRecordsFile::ReadResult before = m_records.readAll();
    const UserRecordsFile::SaveResult saved =
        m_records.SaveUserRecord(inputs.name, inputs.date, inputs.cycle, askToAdd);
    if (saved.status == UserRecordsFile::SaveStatus::Failed) {
        outcome.notices.append({Kind::Error, recordsNotSaved.arg(saved.problem.sentence()), std::nullopt});
        // The same cause keeps the list from being read again: said once is enough.
        m_toldRecordsUnreadable = true;
    }
    // Kept only for a name she chose to have remembered.
    if (saved.status == UserRecordsFile::SaveStatus::Updated || saved.status == UserRecordsFile::SaveStatus::Added) {
        if (auto notice = keepInHistory(inputs, before.records))
            outcome.notices.append(*notice);
    }

    m_state.CurrentName = inputs.name;
    outcome.month = ProjectCycles(m_state, DateText::readDate(inputs.date), DateText::leadingNumber(inputs.cycle));
    m_state.setShownMonth(outcome.month);
    outcome.forecast = forecast();
    return outcome;
}

// Her protected name: her record is her sealed history's last consultation,
// and nothing of hers reaches quintrela.dat.
Consultation::Outcome Consultation::runProtected(Inputs inputs, Outcome outcome)
{
    const HistoryStore::Consulted last = m_protected->lastConsultation(inputs.name);
    if (auto notice = keepInHistory(inputs, *m_protected, last.start, last.length))
        outcome.notices.append(*notice);
    m_state.CurrentName = inputs.name;
    outcome.month = ProjectCycles(m_state, DateText::readDate(inputs.date), DateText::leadingNumber(inputs.cycle));
    m_state.setShownMonth(outcome.month);
    outcome.forecast = forecast();
    return outcome;
}

std::optional<Consultation::Forecast> Consultation::forecast() const
{
    const QString &name = m_state.CurrentName;
    if (name.isEmpty() || m_state.Projection.isEmpty())
        return std::nullopt;
    const HistoryStore history = historyOf(name);
    const HistoryStore::Starts read = history.starts(name);
    // Unreadable, she was told when it was; with no history there is nothing of hers to say.
    if (read.problem || read.starts.isEmpty())
        return std::nullopt;
    const QList<HistoryCycle> cycles = CycleStatistics::cycles(read.starts, history.leftOut(name).cycles);
    const auto pause = CycleStatistics::pauseFrom(history.preference(name, CycleStatistics::pausePreference).value);
    const QDate today = m_today();
    const auto range = CycleForecast::nextStart(cycles, today, pause);

    // The typed dates' next start still to come.
    QDate typedNext;
    for (const ProjectedCycle &cycle : m_state.Projection) {
        if (cycle.start >= today) {
            typedNext = cycle.start;
            break;
        }
    }
    const bool rangeToCome = range && range->last >= today;
    Forecast told;
    if (rangeToCome)
        told.calendarRange = CalendarExport::HistoryRange{
            range->likeliest, ConsultationTexts::calendarRange.arg(CycleForecast::rangeWords(range->first, range->last))
                                  .arg(CycleForecast::statedTimes)
                                  .arg(CycleForecast::statedOutOf)};
    const QString typedDay = typedNext.isValid() ? DayWords::longDate(typedNext) : QString();
    if (range) {
        told.sentence = CycleForecast::sentence(*range, today);
        if (!rangeToCome && typedNext.isValid())
            told.sentence += u' ' + ConsultationTexts::typedNext.arg(typedDay);
    } else if (CycleStatistics::pauseHolds(pause, cycles)) {
        told.sentence = pausedNoForecast;
    } else {
        told.sentence = typedNext.isValid() ? typedNextTooFew.arg(typedDay, CycleForecast::tooFewWords())
                                            : DateText::capitalizeFirst(CycleForecast::tooFewWords()) + u'.';
    }
    if (const auto fertile = CycleForecast::fertileDays(cycles, today, pause); fertile && range) {
        for (const QDate &start : {range->from, range->likeliest})
            told.fertileDates += CycleForecast::fertileDates(*fertile, start);
        told.fertileExplanation = CycleForecast::fertileSentence(*fertile) + u' ' + SharedTexts::lblSexoSafeText;
        told.fertileShown = history.preference(name, fertilePreference).value == QStringLiteral("1");
    }
    // The month shown went by: where the next start to come is.
    const QDate first = m_state.Projection.constFirst().start;
    if (QDate(first.year(), first.month(), 1).addMonths(1) <= today) {
        const QDate coming = rangeToCome ? range->likeliest : typedNext;
        if (canShow(coming))
            told.comingMonth = QDate(coming.year(), coming.month(), 1);
    }
    return told;
}

HistoryProblem Consultation::showFertile(bool shown) const
{
    return historyOf(m_state.CurrentName)
        .setPreference(m_state.CurrentName, fertilePreference, shown ? QStringLiteral("1") : QString());
}

void Consultation::openProtected(const QString &name, const HistoryStore &sealed)
{
    m_protectedName = DateText::trimBlanks(name);
    m_protected = sealed;
}

void Consultation::lock()
{
    m_protected.reset();
    m_protectedName.clear();
    m_state.CurrentName.clear();
    m_state.ClearMarks();
    const QDate today = m_today();
    m_state.DayMarks.set(today.day(), today.month(), today.year(), MarkColors::markHoje);
    m_state.setShownMonth(today);
}

bool Consultation::isProtected(const QString &name) const
{
    return m_protected && !NameKey::of(name).isEmpty() && NameKey::of(name) == NameKey::of(m_protectedName);
}

HistoryStore Consultation::historyOf(const QString &name) const
{
    return isProtected(name) ? *m_protected : HistoryStore(m_folder);
}

std::optional<Consultation::Message> Consultation::keepInHistory(const Inputs &inputs, const QList<UserRecord> &before)
{
    // Her old record counts only where it holds what she could have typed:
    // an older file or a hand edit may hold anything, and must never cost
    // her the date she typed now.
    QDate stored;
    int storedLength = 0;
    for (const UserRecord &record : before) {
        if (!record.matches(inputs.name))
            continue;
        stored = DateText::readDate(record.Ultima);
        storedLength = keptLength(DateText::trimBlanks(record.Periodo).toInt());
    }
    return keepInHistory(inputs, HistoryStore(m_folder), stored, storedLength);
}

std::optional<Consultation::Message> Consultation::keepInHistory(const Inputs &inputs, const HistoryStore &history,
                                                                 QDate stored, int storedLength)
{
    const QDate today = m_today();
    const QDate typed = DateText::readDate(inputs.date);
    // A date still to come is not a period that started.
    if (typed > today)
        return std::nullopt;
    if (stored > today || (stored.isValid() && stored.year() < HistoryStore::oldestYear))
        stored = {};
    const HistoryProblem problem = history.recordConsultation(
        inputs.name, typed, keptLength(DateText::leadingNumber(inputs.cycle)), stored, storedLength);
    // Told once for the same cause: she consults again, the calendar works.
    const bool tell = problem && problem.cause != m_toldHistoryProblem;
    m_toldHistoryProblem = problem.cause;
    if (!tell)
        return std::nullopt;
    return Message{Kind::Warning, historyNotKept.arg(problem.sentence()), std::nullopt};
}

bool Consultation::canShow(const QDate &day)
{
    return day.isValid() && day.year() >= DayMarkTable::firstYear && day.year() <= DayMarkTable::lastYear;
}

std::optional<QDate> Consultation::monthAfter(int months) const
{
    const QDate shown = m_state.shownMonthStart();
    if (!shown.isValid())
        return std::nullopt;
    const QDate next = shown.addMonths(months);
    if (!canShow(next))
        return std::nullopt;
    return next;
}
