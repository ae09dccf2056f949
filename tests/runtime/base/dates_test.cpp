#include "runtime/base/dates.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Dates, TextsAreReadAndWrittenAsTheDialogAndRecordUseThem) {
    const std::tuple<const char*, const char*, int32_t> read[] = {
        {"%DD.%Mm.%YYYY", "1.7.2007", 1183248000},
        {"%dd.%mm.%yyyy", "29.02.2000", 951782400},
        {"%yyyy-%mm-%dd %hh:%ii:%ss", "2038-01-19 03:14:07", 2147483647},
        {"%dd.%mm.%yy", "01.01.70", 0},
        {"%x%dd", "a05", 345600},       // an unknown token skips one character
        {"%yyyy%dd", "197005", 345600}, // a year takes four digits at most
        {"%dd.%mm.%yyyy", "", 0},
        // Impossible dates, and dates outside the 32-bit range of date values.
        {"%dd.%mm.%yyyy", "31.04.2007", -1},
        {"%dd.%mm.%yyyy", "29.02.2007", -1},
        {"%dd.%mm.%yyyy", "01.13.2007", -1},
        {"%hh:%ii:%ss", "24:00:00", -1},
        {"%hh:%ii:%ss", "00:60:00", -1},
        {"%dd.%mm.%yyyy", "31.12.1969", -1},
        {"%dd.%mm.%yy", "01.01.69", -1}, // 2069
        {"%yyyy-%mm-%dd %hh:%ii:%ss", "2038-01-19 03:14:08", -1},
    };
    for (const auto& [mask, text, date] : read) {
        EXPECT_EQ(DateFromText(mask, text), date) << mask << " / " << text;
    }
    // Written with leading zeros; invalid dates as zeros.
    const std::tuple<const char*, int32_t, const char*> written[] = {
        {"%DD.%MM.%YY", 1184198400, "12.07.07"},
        {"100% %q %dd", 0, "100% %q 01"},
        {"%dd.%mm.%yyyy %hh:%ii:%ss", -5, "00.00.0000 00:00:00"}};
    for (const auto& [mask, date, text] : written) {
        EXPECT_EQ(DateToText(mask, date), text) << mask << " / " << date;
    }
}
