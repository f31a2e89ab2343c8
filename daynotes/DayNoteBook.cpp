#include "DayNoteBook.h"

namespace {

const QString noted = QStringLiteral("Anotado: ");

} // namespace

HistoryProblem DayNoteBook::load(const QString &name, const HistoryStore &store)
{
    clear();
    const HistoryStore::Days days = store.days(name);
    const HistoryStore::Starts starts = store.starts(name);
    m_name = name;
    m_store = store;
    for (const DayNote &note : days.notes)
        m_notes.insert(note.day, note);
    m_starts = starts.starts;
    return days.problem.ok() ? starts.problem : days.problem;
}

void DayNoteBook::clear()
{
    m_name.clear();
    m_store.reset();
    m_notes.clear();
    m_starts.clear();
}

DayNote DayNoteBook::at(const QDate &day) const
{
    DayNote note = m_notes.value(day);
    note.day = day;
    return note;
}

QString DayNoteBook::wordsFor(const QDate &day) const
{
    const auto found = m_notes.constFind(day);
    return found == m_notes.cend() ? QString() : noted + DayNotes::words(*found);
}

QStringList DayNoteBook::ownSymptoms() const
{
    return DayNotes::ownSymptoms(m_notes.values());
}

bool DayNoteBook::isStart(const QDate &day) const
{
    return m_starts.contains(day);
}

HistoryProblem DayNoteBook::save(const DayNote &note, bool started)
{
    if (!m_store)
        return {HistoryProblem::Cause::Other, {}, {}, 0};
    const DayNote kept = note.tidied();
    if (started && !isStart(kept.day)) {
        if (const HistoryStore::Added added = m_store->add(m_name, {kept.day}); added.problem)
            return added.problem;
        m_starts.append(kept.day);
        std::sort(m_starts.begin(), m_starts.end());
    }
    if (const HistoryProblem problem = m_store->saveDay(m_name, kept))
        return problem;
    if (kept.isEmpty())
        m_notes.remove(kept.day);
    else
        m_notes.insert(kept.day, kept);
    return {};
}
