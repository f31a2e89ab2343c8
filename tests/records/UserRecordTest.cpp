#include "UserRecord.h"

#include <gtest/gtest.h>

TEST(UserRecordLayout, FieldsArePaddedCutAndInTheirOrder)
{
    const QByteArray bytes = UserRecord{QString::fromUtf8("José"), "28", "01/03/2001"}.encode();
    ASSERT_EQ(bytes.size(), 132);
    EXPECT_EQ(bytes.left(4), QByteArray("Jos\xE9"));
    EXPECT_EQ(bytes.mid(4, 116), QByteArray(116, ' '));
    EXPECT_EQ(bytes.mid(120, 2), "28");
    EXPECT_EQ(bytes.mid(122, 10), "01/03/2001");

    const QByteArray cut = UserRecord{QString(130, u'a'), "123", "01/03/2001xyz"}.encode();
    ASSERT_EQ(cut.size(), 132);
    EXPECT_EQ(cut.left(120), QByteArray(120, 'a'));
    EXPECT_EQ(cut.mid(120, 2), "12");
    EXPECT_EQ(cut.mid(122, 10), "01/03/2001");

    const QByteArray shortFields = UserRecord{"", "9", "1/3/2001"}.encode();
    EXPECT_EQ(shortFields.mid(120, 2), "9 ");
    EXPECT_EQ(shortFields.mid(122, 10), "1/3/2001  ");
}

TEST(UserRecordLayout, DecodesWindows1252)
{
    QByteArray bytes = QByteArray("Mar\xEDlia \x80 \xC7", 11).leftJustified(120, ' ') + "2801/03/2001";
    const UserRecord r = UserRecord::decode(bytes.constData());
    EXPECT_EQ(r.Nome, QString::fromUtf8("Marília € Ç"));
    EXPECT_EQ(r.Periodo, "28");
    EXPECT_EQ(r.Ultima, "01/03/2001");
    EXPECT_EQ(UserRecord::decode(UserRecord{r.Nome, r.Periodo, r.Ultima}.encode().constData()).Nome, r.Nome);
    // Leading blanks are part of what was stored; padding is not.
    const UserRecord padded = UserRecord::decode(UserRecord{"  Ana", "9", "1/3/2001"}.encode().constData());
    EXPECT_EQ(padded.Nome, "  Ana");
    EXPECT_EQ(padded.Periodo, "9");
    EXPECT_EQ(padded.Ultima, "1/3/2001");
}

TEST(UserRecordLayout, OnlyWindows1252TextCanBeStored)
{
    EXPECT_TRUE(UserRecord::canStore(QString::fromUtf8("Ana Conceição € Ñ ü")));
    EXPECT_TRUE(UserRecord::canStore(""));
    EXPECT_FALSE(UserRecord::canStore(QString::fromUtf8("Ana ✓")));
    EXPECT_FALSE(UserRecord::canStore(QString::fromUtf8("Анна")));
    EXPECT_FALSE(UserRecord::canStore(QString::fromUtf8("Ana 😀")));
}

TEST(UserRecordMatch, TrimmedStoredNameAgainstTheTypedNameIgnoringCase)
{
    const UserRecord maria{QString("Maria").leftJustified(120, ' '), "28", "01/03/2001"};
    const UserRecord jose{QString::fromUtf8("  José  "), "28", "01/03/2001"};
    const UserRecord blanks{QString(120, u' '), "28", "01/03/2001"};
    const std::tuple<const UserRecord *, const char *, bool> cases[] = {
        {&maria, "Maria", true}, {&maria, "maria", true}, {&maria, "MARIA", true},
        {&maria, " Maria", false}, {&maria, "Maria ", false}, {&maria, "Mari", false},
        {&jose, "josé", true}, {&jose, "JOSÉ", true}, {&jose, "jose", false},
        {&blanks, "", true}, {&blanks, " ", false}, {&blanks, "   ", false}};
    for (const auto &[record, name, expected] : cases)
        EXPECT_EQ(record->matches(QString::fromUtf8(name)), expected) << name;
}

TEST(UserRecordMatch, LongNameMatchesWhatTheFieldKept)
{
    const QString longName = QString(119, u'x') + "y and more";
    const UserRecord stored = UserRecord::decode(UserRecord{longName, "28", "01/03/2001"}.encode().constData());
    EXPECT_TRUE(stored.matches(longName));
    EXPECT_TRUE(stored.matches(longName.toUpper()));
    EXPECT_FALSE(stored.matches(QString(119, u'x') + "z and more"));
    // A blank at the cut does not stop the match either.
    const QString blankAtCut = QString(119, u'x') + " tail";
    const UserRecord kept = UserRecord::decode(UserRecord{blankAtCut, "28", "01/03/2001"}.encode().constData());
    EXPECT_TRUE(kept.matches(blankAtCut));
}
