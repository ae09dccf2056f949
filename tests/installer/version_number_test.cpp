#include "installer/version_number.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(VersionNumber, DottedTextsBecomeComparableNumbersShownInThreeGroups) {
    const std::pair<Text, int32_t> versions[] = {{"1.06", 1006}, {"1.6", 1006},  {"1.10", 1010},
                                                 {"2.1", 2001},  {"", 0},        {"1x06", 1006},
                                                 {"x.06", 0},    {"1.069", 1006}};
    for (const auto& [text, number] : versions) {
        EXPECT_EQ(VersionNumberFromText(text), number) << text;
    }
    EXPECT_EQ(VersionDisplayText(1006), "000.001.006");
    // More than nine digits: only the first nine are shown.
    EXPECT_EQ(VersionDisplayText(1234567890), "123.456.789");
}

} // namespace
