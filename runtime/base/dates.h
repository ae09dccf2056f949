// Date values: seconds since 1970-01-01 00:00:00 without time zone; -1 marks an invalid date.
// Nothing here includes <windows.h>.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

constexpr int32_t kInvalidDate = -1;

// Divisible by 4 and either not by 100 or by 400.
bool IsLeapYear(int32_t year);

// Builds a date value from calendar fields; -1 when the fields name no valid moment or one
// outside 1970-01-01 00:00:00 to 2038-01-19 03:14:07.
int32_t DateFromParts(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second);
// Reads the fields named by the mask's %yyyy %yy %mm %dd %hh %ii %ss tokens; unread fields
// keep 1970-01-01 00:00:00.
int32_t DateFromText(const Text& mask, const Text& text);
// Negative values print every field as 0 ("00.00.0000").
Text DateToText(const Text& mask, int32_t date);
