#pragma once
// What she wrote of one day: flow, pain, symptoms, mood and a note of her
// own. Kept in her history; said with the day on hover and to screen readers.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct DayNote
{
    enum class Flow { Nenhum, Escape, Leve, Moderado, Intenso };
    enum class Pain { Nenhuma, Leve, Moderada, Forte };

    // Her own words are cut at this many characters, wherever they come from.
    static constexpr int maxNoteChars = 1000;
    static constexpr int maxMoodChars = 100;
    static constexpr int maxSymptomChars = 60;
    static constexpr int maxSymptoms = 40;

    QDate day;
    Flow flow = Flow::Nenhum;
    Pain pain = Pain::Nenhuma;
    QStringList symptoms; // the listed ones first, in the list's order, then hers
    QString mood;
    QString note;

    bool operator==(const DayNote &) const = default;
    // Nothing written: such a day keeps no note.
    bool isEmpty() const;
    // Trimmed, cut to the limits, repeats and blanks gone: what is kept.
    DayNote tidied() const;
};

namespace DayNotes {

// The symptoms offered as check boxes, in their order.
const QStringList &listedSymptoms();
QString flowWord(DayNote::Flow flow);  // "nenhum", "escape", "leve", "moderado", "intenso"
QString painWord(DayNote::Pain pain);  // "nenhuma", "leve", "moderada", "forte"

// "fluxo moderado, dor forte, cólica, humor: irritada, 'cólica forte de
// manhã'"; empty for an empty note.
QString words(const DayNote &note);

// Her own symptoms in her notes, each once, in the order first written:
// offered again beside the listed ones.
QStringList ownSymptoms(const QList<DayNote> &notes);

} // namespace DayNotes
