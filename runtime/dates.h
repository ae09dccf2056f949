// Date values: seconds since 1970-01-01 00:00:00 without time zone; -1 marks an invalid date.
// Nothing here includes <windows.h>.
#pragma once

#include "runtime/text.h"

#include <cstdint>

constexpr int32_t kInvalidDate = -1;

// Builds a date value from calendar fields; -1 when the fields name no valid moment.
int32_t DateFromParts(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second);
int32_t DateFromText(const Text& mask, const Text& text);
Text DateToText(const Text& mask, int32_t date);
