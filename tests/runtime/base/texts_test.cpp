#include "runtime/base/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

TEST(Texts, CutsCaseSearchNumbersAndBytesKeepToTheirEdgeRules) {
    const std::pair<Text, Text> texts[] = {
        // The sources are UTF-8 and the texts Windows-1252 bytes, as the cases with umlauts and
        // the build check of the carried texts prove.
        {TextLeft("PureBasic", -1) + TextRight("PureBasic", -3) + TextSpaces(-3), ""},
        {TextMid("abc", -5, 9), "abc"},
        {TextMid("1", 3, 2) + TextMid("abc", 2, -1) + TextMid("abc", INT_MAX, 1), ""},
        {TextPadLeft("1006", 3, "0") + TextPadLeft("abc", -2, "0"), "100"},
        {TextPadLeft("1006", 9, "0xyz"), "000001006"},
        {TextUpper("für Größe 4.02\xFF"), "FÜR GRÖßE 4.02\xDF"}, // all from 0xE0 up are raised
        {TextLower("PURE ÄÖÜ\xDF\xDE"), "pure äöü\xDF\xFE"},     // 0xDF is no capital
        {TextRemove("aaa", "aa") + TextRemove("abc", ""), "aabc"},
        {TextRemove("One.EXE one.exe", ".exe"), "One.EXE one"},
        {TextRemove("Größe GRÖSSE", "ö", kIgnoreCase), "Grße GRSSE"},
        {DirectoryPart("C:\\a\\b.exe|D:\\c\\d"), "C:\\a\\"},
        {DirectoryPart("PureBasic.exe") + DirectoryPart("\""), ""},
        {IntToText(INT_MIN), "-2147483648"},
        {TextFromByte(0xFC) + TextFromByte(0) + TextFromMemory(nullptr), "ü"},
        // Numbers, written as texts.
        {IntToText(TextFind("C:\\PB\\PUREBASIC.EXE", "PUREBASIC.EXE")), "7"},
        {IntToText(TextFind("C:\\PB\\purebasic.exe", "PUREBASIC.EXE")), "0"},
        {IntToText(TextFind("abcabc", "abc", 4)), "4"},
        {IntToText(TextFind("abcabc", "abc", -4)), "1"},
        {IntToText(TextFind("abcabc", "abc", 99) + TextFind("a", "")), "0"},
        {IntToText(TextToInt("\t +1006abc")), "1006"},
        {IntToText(TextToInt("ERROR, sub key dont exist") + TextToInt("- 5")), "0"},
        {IntToText(TextToInt("4294967297")), "1"}, // wraps in 32 bits
        {IntToText(ByteAt("\xB4")), "-76"},
    };
    for (const auto& [got, want] : texts) {
        EXPECT_EQ(got, want);
    }
}
