#include "runtime/base/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

TEST(Texts, CutsCaseSearchNumbersAndBytesKeepToTheirEdgeRules) {
    const std::pair<Text, Text> texts[] = {
        // The sources are UTF-8; the texts must reach Windows as Windows-1252 bytes.
        {Text("für can´t"), "f\xFCr can\xB4t"},
        {TextLeft("PureBasic", -1) + TextRight("PureBasic", -3) + TextSpaces(-3), ""},
        {TextMid("1.06", 3, 2), "06"},
        {TextMid("abc", -5, 9), "abc"},
        {TextMid("1", 3, 2) + TextMid("abc", 2, -1) + TextMid("abc", INT_MAX, 1), ""},
        {TextPadLeft("1006", 3, "0") + TextPadLeft("abc", -2, "0"), "100"},
        {TextPadLeft("1006", 9, "0xyz"), "000001006"},
        {TextUpper("für Größe 4.02\xFF"), "FÜR GRÖßE 4.02\xDF"}, // all from 0xE0 up are raised
        {TextLower("PURE ÄÖÜ\xDF\xDE"), "pure äöü\xDF\xFE"},     // 0xDF is no capital
        {TextRemove("aaa", "aa"), "a"},
        {TextRemove("One.EXE one.exe", ".exe"), "One.EXE one"},
        {TextRemove("Größe GRÖSSE", "ö", kIgnoreCase), "Grße GRSSE"},
        {TextRemove("abc", ""), "abc"},
        {DirectoryPart("C:\\a\\b.exe|D:\\c\\d"), "C:\\a\\"},
        {DirectoryPart("PureBasic.exe") + DirectoryPart("\""), ""},
        {IntToText(INT_MIN), "-2147483648"},
        {TextFromByte(0xFC) + TextFromByte(0) + TextFromMemory(nullptr), "ü"},
    };
    for (const auto& [got, want] : texts) {
        EXPECT_EQ(got, want);
    }
    const std::pair<int32_t, int32_t> numbers[] = {
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
    };
    for (const auto& [got, want] : numbers) {
        EXPECT_EQ(got, want);
    }
}
