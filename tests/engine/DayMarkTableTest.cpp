#include "DayMarkTable.h"
#include "MarkColors.h"

#include <gtest/gtest.h>

#include <memory>

using namespace MarkColors;

class DayMarkTableTest : public ::testing::Test
{
protected:
    std::unique_ptr<DayMarkTable> table = std::make_unique<DayMarkTable>();
};

TEST_F(DayMarkTableTest, StartsEmpty)
{
    for (qint32 cell : table->cells())
        ASSERT_EQ(cell, 0);
}

TEST_F(DayMarkTableTest, SetMarkFindsTheDaysCell)
{
    table->SetMark(QDate(2001, 3, 1), markProxima);
    EXPECT_EQ(table->at(1, 3, 2001), markProxima);
    EXPECT_EQ(table->at(3, 1, 2001), 0);
    table->SetMark(QDate(2001, 3, 1), markApice);
    EXPECT_EQ(table->at(1, 3, 2001), markApice); // the last write wins
}

TEST_F(DayMarkTableTest, RangeEndsAndOutsideTexts)
{
    table->SetMark(QDate(2080, 12, 31), markHoje);
    table->SetMark(QDate(1980, 12, 30), markMenosP);
    EXPECT_EQ(table->at(31, 12, 2080), markHoje);
    EXPECT_EQ(table->at(30, 12, 1980), markMenosP);

    const auto before = table->cells();
    for (const QDate &outside : {QDate(2081, 1, 1), QDate(1979, 12, 31), QDate(), QDate(2001, 2, 31)})
        table->SetMark(outside, markApice);
    EXPECT_EQ(table->cells(), before);
    EXPECT_EQ(table->at(1, 1, 2081), 0);
    EXPECT_EQ(table->at(32, 1, 2001), 0);
}

TEST_F(DayMarkTableTest, ClearMarksClearsEveryYearIncluding1980)
{
    // Marks of an earlier user in December 1980 must not survive a new consultation.
    table->SetMark(QDate(1980, 12, 30), markMenosP);
    table->SetMark(QDate(1980, 12, 31), markMenosP);
    table->SetMark(QDate(2030, 6, 15), markApice);
    table->SetMark(QDate(2080, 12, 31), markProxima);
    table->ClearMarks();
    for (qint32 cell : table->cells())
        ASSERT_EQ(cell, 0);
}

TEST(MarkColorsTest, ChannelsFollowTheBlueHighLayout)
{
    EXPECT_EQ(blue(markProxima), 255);
    EXPECT_EQ(red(markProxima), 0);
    EXPECT_EQ(red(markApice), 255);
    EXPECT_EQ(red(markHoje), 255);
    EXPECT_EQ(green(markHoje), 128);
    EXPECT_EQ(blue(markHoje), 0);
    EXPECT_EQ(red(markMaisP), 255);
    EXPECT_EQ(green(markMaisP), 128);
    EXPECT_EQ(blue(markMenosP), 255);
    EXPECT_EQ(red(markMenosP), 128);
}
