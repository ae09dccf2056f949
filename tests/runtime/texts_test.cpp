#include "runtime/text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TextCuts, LeftRightAndMidClampTheirCounts) {
    EXPECT_EQ(TextLeft("PureBasic", 4), "Pure");
    EXPECT_EQ(TextLeft("PureBasic", -1), "");
    EXPECT_EQ(TextLeft("Pure", 99), "Pure");
    EXPECT_EQ(TextRight("PureBasic", 5), "Basic");
    EXPECT_EQ(TextRight("PureBasic", -3), "");
    EXPECT_EQ(TextRight("Pure", 99), "Pure");

    EXPECT_EQ(TextMid("1.06", 3, 2), "06");
    EXPECT_EQ(TextMid("1.6", 3, 2), "6");
    EXPECT_EQ(TextMid("1", 3, 2), "");
    EXPECT_EQ(TextMid("abc", 0, 2), "ab");
    EXPECT_EQ(TextMid("abc", -5, 9), "abc");
    EXPECT_EQ(TextMid("abc", 2, -1), "");
    EXPECT_EQ(TextMid("abc", INT_MAX, 1), "");
}

TEST(TextCuts, PadLeftFillsOrCutsToTheWidth) {
    EXPECT_EQ(TextPadLeft("06", 3, "0"), "006");
    EXPECT_EQ(TextPadLeft("6", 3, "0"), "006");
    EXPECT_EQ(TextPadLeft("1006", 3, "0"), "100");
    EXPECT_EQ(TextPadLeft("", 3, "0"), "000");
    EXPECT_EQ(TextPadLeft("1006", 9, "0xyz"), "000001006");
    EXPECT_EQ(TextPadLeft("abc", -2, "0"), "");
    EXPECT_EQ(TextSpaces(3), "   ");
    EXPECT_EQ(TextSpaces(-3), "");
}

TEST(TextCase, UpperAndLowerChangeOnlyTheirWindows1252Letters) {
    EXPECT_EQ(TextUpper("purebasic.exe 4.02"), "PUREBASIC.EXE 4.02");
    EXPECT_EQ(TextUpper("für Größe"), "FÜR GRÖßE");
    EXPECT_EQ(TextUpper("\xFF"), "\xDF"); // every byte from 0xE0 up is lowered by 0x20
    EXPECT_EQ(TextLower("PUREBASIC.EXE"), "purebasic.exe");
    EXPECT_EQ(TextLower("ÄÖÜ"), "äöü");
    EXPECT_EQ(TextLower("\xDF\xDE"), "\xDF\xFE"); // 0xDF is outside the lowered range
}

TEST(TextSearch, FindCountsFromOneAndComparesBytesExactly) {
    EXPECT_EQ(TextFind("C:\\PB\\PUREBASIC.EXE", "PUREBASIC.EXE"), 7);
    EXPECT_EQ(TextFind("C:\\PB\\purebasic.exe", "PUREBASIC.EXE"), 0);
    EXPECT_EQ(TextFind("abcabc", "abc", 2), 4);
    EXPECT_EQ(TextFind("abcabc", "abc", -4), 1);
    EXPECT_EQ(TextFind("abcabc", "abc", 99), 0);
    EXPECT_EQ(TextFind("", "a"), 0);
    EXPECT_EQ(TextFind("a", ""), 0);
}

TEST(TextSearch, RemoveDropsEveryOccurrenceLeftToRight) {
    EXPECT_EQ(TextRemove("\"C:\\PB\\PureBasic.exe\"", "\""), "C:\\PB\\PureBasic.exe");
    EXPECT_EQ(TextRemove("aaaa", "aa"), "");
    EXPECT_EQ(TextRemove("aaa", "aa"), "a");
    EXPECT_EQ(TextRemove("One.EXE one.exe", ".exe"), "One.EXE one");
    EXPECT_EQ(TextRemove("One.EXE one.exe", ".exe", kIgnoreCase), "One one");
    EXPECT_EQ(TextRemove("Größe GRÖSSE", "ö", kIgnoreCase), "Grße GRSSE");
    EXPECT_EQ(TextRemove("abc", ""), "abc");
}

TEST(TextNumbers, ToIntReadsLeadingDigitsAndWrapsIn32Bits) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"1006", 1006},
        {" 1006", 1006},
        {"\t1006", 1006},
        {"1006abc", 1006},
        {"+1006", 1006},
        {"-12", -12},
        {"", 0},
        {"abc", 0},
        {"ERROR, sub key dont exist", 0},
        {"- 5", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"4294967297", 1},
        {"99999999999999999999", static_cast<int32_t>(1661992959)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextNumbers, IntToTextWritesDecimalDigits) {
    EXPECT_EQ(IntToText(1006), "1006");
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-7), "-7");
    EXPECT_EQ(IntToText(INT_MIN), "-2147483648");
    EXPECT_EQ(TextEquals("a", "a"), 1);
    EXPECT_EQ(TextEquals("a", "A"), 0);
}

TEST(TextPaths, DirectoryPartStopsAtTheLastSeparatorBeforeAnyBar) {
    EXPECT_EQ(DirectoryPart("\"C:\\Program Files\\PureBasic\\PureBasic.exe\" \"%1\""),
              "C:\\Program Files\\PureBasic\\");
    EXPECT_EQ(DirectoryPart("C:/tools/pb/x.exe"), "C:/tools/pb/");
    EXPECT_EQ(DirectoryPart("C:\\a\\b.exe|D:\\c\\d"), "C:\\a\\");
    EXPECT_EQ(DirectoryPart("PureBasic.exe"), "");
    EXPECT_EQ(DirectoryPart("\""), "");
    EXPECT_EQ(DirectoryPart(""), "");
}

TEST(TextBytes, BytesAndColoursConvertBothWays) {
    EXPECT_EQ(TextFromByte(0xFC), "ü");
    EXPECT_EQ(TextFromByte(0), "");
    const char raw[] = {'\xB4', 'a', 0};
    EXPECT_EQ(ByteAt(raw), -76);
    EXPECT_EQ(TextFromMemory(raw), "´a");
    EXPECT_EQ(TextFromMemory(nullptr), "");

    const int32_t colour = ColourFromParts(0x12, 0x34, 0x56);
    EXPECT_EQ(colour, 0x563412);
    EXPECT_EQ(RedPart(colour), 0x12);
    EXPECT_EQ(GreenPart(colour), 0x34);
    EXPECT_EQ(BluePart(colour), 0x56);
}
