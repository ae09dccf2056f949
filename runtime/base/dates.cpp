#include "runtime/base/dates.h"

#include <array>
#include <cstddef>

namespace {

constexpr int32_t kSecondsPerDay = 86400;
constexpr int64_t kLargestDate = 2147483647; // 2038-01-19 03:14:07

enum class Field { Year, ShortYear, Month, Day, Hour, Minute, Second };

struct Token {
    const char* letters;
    size_t length;
    Field field;
};

// "yyyy" comes before "yy" so the longer token wins.
constexpr std::array<Token, 7> kTokens{{
    {"yyyy", 4, Field::Year},
    {"yy", 2, Field::ShortYear},
    {"mm", 2, Field::Month},
    {"dd", 2, Field::Day},
    {"hh", 2, Field::Hour},
    {"ii", 2, Field::Minute},
    {"ss", 2, Field::Second},
}};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

// The token that follows the "%" at position percent, or nullptr.
const Token* TokenAt(const Text& mask, size_t percent) {
    for (const Token& token : kTokens) {
        if (percent + 1 + token.length > mask.size()) {
            continue;
        }
        bool same = true;
        for (size_t i = 0; i < token.length && same; ++i) {
            same = LowerAscii(mask[percent + 1 + i]) == token.letters[i];
        }
        if (same) {
            return &token;
        }
    }
    return nullptr;
}

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar, for a year above
// 0 and a valid month and day. Only the last step needs 64 bits; the divisions stay in 32, which
// the 32-bit build does in one instruction instead of a call into the compiler's library.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day) {
    year -= month <= 2 ? 1 : 0;
    const int32_t era = year / 400;
    const int32_t yearOfEra = year - era * 400;
    const int32_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return int64_t{era} * 146097 + dayOfEra - 719468;
}

struct Fields {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// The calendar field a token reads and prints; the short year is the year too.
int32_t& FieldOf(Fields& f, Field field) {
    switch (field) {
    case Field::Year:
    case Field::ShortYear:
        return f.year;
    case Field::Month:
        return f.month;
    case Field::Day:
        return f.day;
    case Field::Hour:
        return f.hour;
    case Field::Minute:
        return f.minute;
    case Field::Second:
        break;
    }
    return f.second;
}

// A date value is at most 2^31 - 1 seconds, 24,855 days: every step fits in 32 bits.
Fields FieldsOf(int32_t date) {
    Fields f;
    if (date < 0) {
        return f;
    }
    const int32_t days = date / kSecondsPerDay;
    const int32_t secondOfDay = date % kSecondsPerDay;
    f.hour = secondOfDay / 3600;
    f.minute = secondOfDay / 60 % 60;
    f.second = secondOfDay % 60;

    const int32_t shifted = days + 719468;
    const int32_t era = shifted / 146097;
    const int32_t dayOfEra = shifted - era * 146097;
    const int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int32_t monthIndex = (5 * dayOfYear + 2) / 153;
    f.day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    f.month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    f.year = yearOfEra + era * 400 + (f.month <= 2 ? 1 : 0);
    return f;
}

void AppendDigits(Text& out, int32_t value, int width) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 11);
    for (int i = count; i < width; ++i) {
        out += '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

} // namespace

bool IsLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t DateFromParts(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second) {
    if (second < 0 || second > 59 || minute < 0 || minute > 59 || hour < 0 || hour > 23 ||
        day < 1 || day > 31 || month < 1 || month > 12 || year <= 0) {
        return kInvalidDate;
    }
    if (day == 31 && (month == 4 || month == 6 || month == 9 || month == 11)) {
        return kInvalidDate;
    }
    if (month == 2 && (day > 29 || (day == 29 && !IsLeapYear(year)))) {
        return kInvalidDate;
    }
    const int64_t value =
        DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    // A moment outside the 32-bit range has no date value; before 1970 it would even collide
    // with the invalid marker.
    if (value < 0 || value > kLargestDate) {
        return kInvalidDate;
    }
    return static_cast<int32_t>(value);
}

int32_t DateFromText(const Text& mask, const Text& text) {
    Fields f;
    f.year = 1970;
    f.month = 1;
    f.day = 1;
    size_t m = 0;
    size_t t = 0;
    while (!mask.empty() && !text.empty() && m < mask.size()) {
        const Token* token = mask[m] == '%' ? TokenAt(mask, m) : nullptr;
        if (token == nullptr) {
            m += mask[m] == '%' ? 2 : 1;
            if (t < text.size()) {
                ++t;
            }
            continue;
        }
        // A token reads at most as many digits as it has letters.
        int32_t value = 0;
        for (size_t read = 0;
             read < token->length && t < text.size() && text[t] >= '0' && text[t] <= '9';
             ++read, ++t) {
            value = value * 10 + (text[t] - '0');
        }
        m += 1 + token->length;
        if (token->field == Field::ShortYear) {
            value = value < 70 ? 2000 + value : 1900 + value;
        }
        FieldOf(f, token->field) = value;
    }
    return DateFromParts(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

Text DateToText(const Text& mask, int32_t date) {
    Fields f = FieldsOf(date);
    Text out;
    size_t m = 0;
    while (m < mask.size()) {
        const Token* token = mask[m] == '%' ? TokenAt(mask, m) : nullptr;
        if (token == nullptr) {
            out += mask[m++];
            continue;
        }
        m += 1 + token->length;
        const int32_t value = FieldOf(f, token->field);
        // Each field prints as many digits as its token has letters.
        AppendDigits(out, token->field == Field::ShortYear ? value % 100 : value,
                     static_cast<int>(token->length));
    }
    return out;
}
