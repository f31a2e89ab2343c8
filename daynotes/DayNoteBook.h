#pragma once
// Her notes of her days, for the name whose month is on view: read once from
// her history (open or sealed), said with each day, and kept on her word.

#include "DayNote.h"
#include "HistoryStore.h"

#include <QDate>
#include <algorithm>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class DayNoteBook
{
public:
    // Her notes, from the history her consultations keep.
    HistoryProblem load(const QString &name, const HistoryStore &store);
    // No name on view: no notes.
    void clear();

    const QString &name() const { return m_name; }
    bool isOpen() const { return m_store.has_value(); }
    // Her note of the day; an empty one when she wrote none.
    DayNote at(const QDate &day) const;
    bool has(const QDate &day) const { return m_notes.contains(day); }
    // "Anotado: fluxo moderado, cólica, 'cólica forte de manhã'"; empty for no note.
    QString wordsFor(const QDate &day) const;
    // Her own symptoms, offered again beside the listed ones.
    QStringList ownSymptoms() const;

    // The note kept in place of the day's (emptied, it goes); with started,
    // the day is also a start in her history. Nothing changes here unless
    // her history took it.
    HistoryProblem save(const DayNote &note, bool started);
    // Whether the day is a start in her history.
    bool isStart(const QDate &day) const;

private:
    QString m_name;
    std::optional<HistoryStore> m_store;
    QMap<QDate, DayNote> m_notes;
    QList<QDate> m_starts;
};
