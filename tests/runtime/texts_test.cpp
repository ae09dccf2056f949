#include "runtime/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

// The sources are UTF-8; the program's texts must reach Windows as Windows-1252 bytes.
TEST(Texts, GermanAndAccentCharactersAreSingleWindows1252Bytes) {
    EXPECT_EQ(Text("für"), "f\xFCr");
    EXPECT_EQ(Text("can´t"), "can\xB4t");
}

TEST(Texts, CutsCaseAndRemovalKeepToTheirEdgeRules) {
    const std::pair<Text, Text> cases[] = {
        {TextLeft("PureBasic", -1) + TextRight("PureBasic", -3) + TextSpaces(-3), ""},
        {TextMid("1.06", 3, 2), "06"},
        {TextMid("abc", -5, 9), "abc"},
        {TextMid("1", 3, 2) + TextMid("abc", 2, -1) + TextMid("abc", INT_MAX, 1), ""},
        {TextPadLeft("6", 3, "0"), "006"},
        {TextPadLeft("1006", 3, "0") + TextPadLeft("abc", -2, "0"), "100"},
        {TextPadLeft("1006", 9, "0xyz"), "000001006"},
        {TextUpper("für Größe 4.02\xFF"), "FÜR GRÖßE 4.02\xDF"}, // all from 0xE0 up are raised
        {TextLower("PURE ÄÖÜ\xDF\xDE"), "pure äöü\xDF\xFE"},     // 0xDF is no capital
        {TextRemove("aaa", "aa"), "a"},
        {TextRemove("One.EXE one.exe", ".exe"), "One.EXE one"},
        {TextRemove("Größe GRÖSSE", "ö", kIgnoreCase), "Grße GRSSE"},
        {TextRemove("abc", ""), "abc"},
        {DirectoryPart("\"C:\\Programme\\PB\\PureBasic.exe\" \"%1\""), "C:\\Programme\\PB\\"},
        {DirectoryPart("C:\\a\\b.exe|D:\\c\\d"), "C:\\a\\"},
        {DirectoryPart("PureBasic.exe") + DirectoryPart("\""), ""},
        {IntToText(INT_MIN), "-2147483648"},
        {TextFromByte(0xFC) + TextFromByte(0) + TextFromMemory(nullptr), "ü"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
}

TEST(Texts, SearchNumbersAndBytesKeepToTheirEdgeRules) {
    const std::pair<int32_t, int32_t> cases[] = {
        {TextFind("C:\\PB\\PUREBASIC.EXE", "PUREBASIC.EXE"), 7},
        {TextFind("C:\\PB\\purebasic.exe", "PUREBASIC.EXE"), 0},
        {TextFind("abcabc", "abc", 2), 4},
        {TextFind("abcabc", "abc", -4), 1},
        {TextFind("abcabc", "abc", 99) + TextFind("a", ""), 0},
        {TextToInt("\t +1006abc"), 1006},
        {TextToInt("ERROR, sub key dont exist") + TextToInt("- 5"), 0},
        {TextToInt("-2147483648"), INT_MIN},
        {TextToInt("4294967297"), 1}, // wraps in 32 bits
        {ByteAt("\xB4"), -76},
        {ColourFromParts(0x12, 0x34, 0x56), 0x563412},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
}
