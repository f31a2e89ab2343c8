#include "LegacyText.h"

#include <gtest/gtest.h>

namespace {

// Windows-1252's 0x80-0x9F; the rest is Latin-1. The five holes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) are read as the C1 controls of the same number,
// so an older file's bytes are stored back unchanged.
constexpr char16_t from80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t expected(int byte)
{
    return byte >= 0x80 && byte < 0xA0 ? from80[byte - 0x80] : char16_t(byte);
}

} // namespace

// Both builds must read and write every byte of her file alike.
TEST(LegacyText, EveryByteReadsAsWindows1252AndIsWrittenBackUnchanged)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = LegacyText::decode(all);
    ASSERT_EQ(text.size(), 256);
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(text.at(byte).unicode(), expected(byte)) << "byte " << byte;
    EXPECT_EQ(LegacyText::encode(text), all);
    EXPECT_TRUE(LegacyText::canEncode(text));
}

TEST(LegacyText, WhatTheCodePageLacksIsRefusedNeverApproached)
{
    const struct {
        const char *text;
        bool storable;
    } cases[] = {
        {"Conceição € Ñ ü", true},
        {"", true},
        {"Łucja", false}, // a "best fit" would keep it as L
        {"Ana ✓", false},
        {"Анна", false},
        {"Ana 😀", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LegacyText::canEncode(QString::fromUtf8(c.text)), c.storable) << c.text;
    EXPECT_EQ(LegacyText::encode(QString::fromUtf8("Ana ✓")), QByteArray("Ana \x1A"));
}
