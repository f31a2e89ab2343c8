#include "DayNote.h"

#include <gtest/gtest.h>

// What is kept of what she types, and how the day says it.
TEST(DayNoteTest, KeptTidiedAndSaidInHerWords)
{
    const QString longNote = QString(999, u'a') + QString::fromUtf16(u"😀") + u'b';
    const struct
    {
        const char *name;
        DayNote typed;
        QStringList symptoms;
        int noteChars;
        QString words;
    } cases[] = {
        {"nothing", {}, {}, 0, ""},
        {"listed ones in the list's order, hers after, each once",
         {{}, DayNote::Flow::Moderado, DayNote::Pain::Nenhuma, {" enxaqueca ", "Cólica", "acne", "cólica", "ENXAQUECA", ""}, "", ""},
         {"cólica", "acne", "enxaqueca"}, 0, "fluxo moderado, cólica, acne, enxaqueca"},
        {"pain, mood and her note",
         {{}, DayNote::Flow::Nenhum, DayNote::Pain::Forte, {}, "  irritada ", "cólica forte\n de manhã "},
         {}, 22, "dor forte, humor: irritada, 'cólica forte de manhã'"},
        {"a note cut before half a character", {{}, DayNote::Flow::Escape, DayNote::Pain::Nenhuma, {}, "", longNote},
         {}, 999, "fluxo escape, '" + QString(999, u'a') + "'"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DayNote kept = c.typed.tidied();
        EXPECT_EQ(kept.symptoms, c.symptoms);
        EXPECT_EQ(kept.note.size(), c.noteChars);
        EXPECT_EQ(DayNotes::words(kept), c.words);
        EXPECT_EQ(kept.isEmpty(), c.words.isEmpty());
    }
    EXPECT_EQ(DayNotes::ownSymptoms({{{}, {}, {}, {"acne", "enxaqueca"}, "", ""}, {{}, {}, {}, {"Enxaqueca", "tontura"}, "", ""}}),
              (QStringList{"enxaqueca", "tontura"}));
}
