#include "installer/payload_copy_path.h"
#include "installer/payload.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(PayloadCopyPath, TheCopyLiesBesideItsTargetUnderAnotherNameOfTheSameLength) {
    const std::pair<Text, Text> cases[] = {
        {R"(C:\PB\purelibraries\userlibraries\Quorrel_400)",
         R"(C:\PB\purelibraries\userlibraries\~uorrel_400)"},
        {R"(C:\PB\examples\ZentLibs\~old.pb)", R"(C:\PB\examples\ZentLibs\_old.pb)"},
        {"D:/PB/help/x", "D:/PB/help/~"},
        {"ostrel.pb", "~strel.pb"},
    };
    for (const auto& [target, copy] : cases) {
        EXPECT_EQ(PayloadCopyPath(target), copy);
    }
    // No copy can take the place of another carried file.
    for (int32_t i = 0; i < kPayloadItemCount; ++i) {
        const char* target = PayloadItemAt(static_cast<PayloadIndex>(i)).target;
        for (int32_t j = 0; target != nullptr && j < kPayloadItemCount; ++j) {
            const char* other = PayloadItemAt(static_cast<PayloadIndex>(j)).target;
            EXPECT_TRUE(other == nullptr || PayloadCopyPath(target) != other) << target;
        }
    }
}

} // namespace
