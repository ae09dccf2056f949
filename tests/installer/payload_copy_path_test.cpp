#include "installer/payload_copy_path.h"
#include "installer/payload.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

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
    // No copy can take the place of its target or of another carried file.
    for (int32_t i = 0; i < kPayloadItemCount; ++i) {
        const char* target = PayloadItemAt(static_cast<PayloadIndex>(i)).target;
        for (int32_t attempt = 0; target != nullptr && attempt < 8; ++attempt) {
            const Text copy = PayloadCopyPath(target, attempt);
            EXPECT_TRUE(copy.size() == Text(target).size() && copy != target) << copy;
            for (int32_t j = 0; j < kPayloadItemCount; ++j) {
                const char* other = PayloadItemAt(static_cast<PayloadIndex>(j)).target;
                EXPECT_TRUE(other == nullptr || copy != other) << copy;
            }
        }
    }
}

} // namespace
