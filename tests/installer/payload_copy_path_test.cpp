#include "installer/payload_copy_path.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A copy never takes the place of another file: it is only ever created new (see the payload
// writer's test of a user's file under a copy name).
TEST(PayloadCopyPath, TheCopyNamesLieBesideTheTargetAndAreAsLongAsItsName) {
    const std::tuple<Text, int32_t, Text> cases[] = {
        {R"(C:\PB\purelibraries\userlibraries\Quorrel_400)", 0,
         R"(C:\PB\purelibraries\userlibraries\~uorrel_400)"},
        {R"(C:\PB\examples\ZentLibs\ostrel.pb)", 1, R"(C:\PB\examples\ZentLibs\_strel.pb)"},
        // The target's own first character is left out.
        {R"(C:\PB\examples\ZentLibs\~old.pb)", 0, R"(C:\PB\examples\ZentLibs\_old.pb)"},
        {R"(C:\PB\examples\ZentLibs\~old.pb)", 6, R"(C:\PB\examples\ZentLibs\-old.pb)"},
        {R"(C:\PB\examples\ZentLibs\~old.pb)", 7, ""},
        {"D:/PB/help/x", 7, "D:/PB/help/-"},
        {"D:/PB/help/x", 8, ""},
        {"ostrel.pb", 2, "$strel.pb"},
        {"ostrel.pb", -1, ""},
        {R"(C:\PB\help\)", 0, ""},
    };
    for (const auto& [target, attempt, copy] : cases) {
        EXPECT_EQ(PayloadCopyPath(target, attempt), copy) << target << " " << attempt;
    }
}

} // namespace
