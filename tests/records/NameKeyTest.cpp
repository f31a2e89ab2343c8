#include "NameKey.h"

#include "UserRecord.h"

#include <gtest/gtest.h>

// The records' rule: the stored name trimmed and in capitals equals the typed
// one in capitals, untrimmed; the history and the calendar file go by the
// stored side.
TEST(NameKeyTest, OneRuleForRecordsHistoryAndCalendar)
{
    const QString longName = QString(119, u'a') + "bc";
    const struct
    {
        QString stored, typed;
        bool matches;
    } cases[] = {
        {"Maria", "maria", true},
        {QString::fromUtf8("José"), QString::fromUtf8("JOSÉ"), true},
        {"  Maria  ", "MARIA", true},
        {"Maria", "Maria ", false}, // a typed blank is hers to keep
        {"   ", "", true},
        {"   ", "   ", false},
        {longName.left(120), longName, true}, // typed past the field: by what the field keeps
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.toStdString() + "|" + c.typed.toStdString());
        const UserRecord record{c.stored, "28", "01/03/2001"};
        EXPECT_EQ(record.matches(c.typed), c.matches);
        EXPECT_EQ(NameKey::of(c.stored) == NameKey::ofTyped(c.typed), c.matches);
    }
    EXPECT_EQ(NameKey::of("  maria "), "MARIA");
    EXPECT_TRUE(NameKey::of("   ").isEmpty());
    EXPECT_EQ(NameKey::of(longName).size(), 120);
}
