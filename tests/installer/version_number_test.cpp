#include "installer/version_number.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionNumber, DottedTextsBecomeComparableNumbersShownInThreeGroups) {
    EXPECT_EQ(VersionNumberFromText("1.6"), 1006);
    EXPECT_EQ(VersionNumberFromText("1.10"), 1010);
    EXPECT_EQ(VersionNumberFromText("x.06"), 0);
}

} // namespace
