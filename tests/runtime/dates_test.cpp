#include "runtime/dates.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* mask;
    const char* text;
    int32_t expected;
};

TEST(DateFromText, ReadsDatesAsTheDialogAndRecordWriteThem) {
    const ReadCase cases[] = {
        {"%dd.%mm.%yyyy", "12.07.2007", 1184198400},
        {"%dd.%mm.%yyyy", "01.01.1970", 0},
        {"%DD.%Mm.%YYYY", "12.07.2007", 1184198400},
        {"%dd.%mm.%yyyy", "1.7.2007", 1183248000},
        {"%yyyy-%mm-%dd %hh:%ii:%ss", "2024-02-29 23:59:59", 1709251199},
        {"%yyyy-%mm-%dd %HH:%II:%SS", "2038-01-19 03:14:07", 2147483647},
        {"%dd.%mm.%yy", "12.07.07", 1184198400},
        {"%dd.%mm.%yy", "31.12.99", 946598400},
        {"%dd.%mm.%yy", "01.01.70", 0},
        // An unknown token skips one character of the text.
        {"%x%dd", "a05", 345600},
        // A four-digit year takes four digits at most; the next token reads on from there.
        {"%yyyy%dd", "197005", 345600},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(DateFromText(c.mask, c.text), c.expected) << c.mask << " / " << c.text;
    }
}

TEST(DateFromText, EmptyMaskOrTextGivesTheStartOf1970) {
    EXPECT_EQ(DateFromText("%dd.%mm.%yyyy", ""), 0);
    EXPECT_EQ(DateFromText("", "12.07.2007"), 0);
}

TEST(DateFromText, ImpossibleOrUnrepresentableDatesAreInvalid) {
    const ReadCase cases[] = {
        {"%dd.%mm.%yyyy", "31.04.2007", -1},
        {"%dd.%mm.%yyyy", "31.06.2007", -1},
        {"%dd.%mm.%yyyy", "31.09.2007", -1},
        {"%dd.%mm.%yyyy", "31.11.2007", -1},
        {"%dd.%mm.%yyyy", "29.02.2007", -1},
        {"%dd.%mm.%yyyy", "30.02.2008", -1},
        {"%dd.%mm.%yyyy", "32.01.2007", -1},
        {"%dd.%mm.%yyyy", "00.01.2007", -1},
        {"%dd.%mm.%yyyy", "01.13.2007", -1},
        {"%dd.%mm.%yyyy", "01.00.2007", -1},
        {"%dd.%mm.%yyyy", "12.07", -1}, // no year digits read: year 0
        {"%dd.%mm.%yyyy", "ab.cd.efgh", -1},
        {"%hh:%ii:%ss", "24:00:00", -1},
        {"%hh:%ii:%ss", "00:60:00", -1},
        {"%hh:%ii:%ss", "00:00:60", -1},
        // Outside the 32-bit range of date values.
        {"%dd.%mm.%yyyy", "31.12.1969", -1},
        {"%dd.%mm.%yy", "01.01.69", -1}, // 2069
        {"%yyyy-%mm-%dd %hh:%ii:%ss", "2038-01-19 03:14:08", -1},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(DateFromText(c.mask, c.text), c.expected) << c.mask << " / " << c.text;
    }
}

TEST(DateFromText, FebruaryTwentyNinthFollowsTheLeapYearRule) {
    EXPECT_EQ(DateFromText("%dd.%mm.%yyyy", "29.02.2008"), 1204243200);
    EXPECT_EQ(DateFromText("%dd.%mm.%yyyy", "29.02.2000"), 951782400);
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2008));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2007));
}

struct WriteCase {
    const char* mask;
    int32_t date;
    const char* expected;
};

TEST(DateToText, PrintsEveryTokenWithLeadingZeros) {
    const WriteCase cases[] = {
        {"%dd.%mm.%yyyy", 1184198400, "12.07.2007"},
        {"%dd.%mm.%yyyy", 0, "01.01.1970"},
        {"%DD.%MM.%YY", 1184198400, "12.07.07"},
        {"%yyyy-%mm-%dd %hh:%ii:%ss", 2147483647, "2038-01-19 03:14:07"},
        {"%yy", 946598400, "99"},
        {"100% %q %dd", 0, "100% %q 01"},
        {"%", 0, "%"},
        {"", 1184198400, ""},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(DateToText(c.mask, c.date), c.expected) << c.mask << " / " << c.date;
    }
}

TEST(DateToText, InvalidDatePrintsZeroFields) {
    EXPECT_EQ(DateToText("%dd.%mm.%yyyy", -1), "00.00.0000");
    EXPECT_EQ(DateToText("%yy %hh:%ii:%ss", -5), "00 00:00:00");
}

TEST(Dates, TextsSurviveTheRoundTrip) {
    const char* mask = "%dd.%mm.%yyyy %hh:%ii:%ss";
    for (const char* text : {"01.01.1970 00:00:00", "29.02.2000 12:34:56", "12.07.2007 00:00:00",
                             "31.12.2037 23:59:59", "19.01.2038 03:14:07"}) {
        EXPECT_EQ(DateToText(mask, DateFromText(mask, text)), text);
    }
    for (int32_t date : {0, 1, 86399, 86400, 951782400, 951868799, 1184198400, 2147483647}) {
        EXPECT_EQ(DateFromText(mask, DateToText(mask, date)), date);
    }
}

} // namespace
