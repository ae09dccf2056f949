#include "runtime/base/line_split.h"

#include "support/chunked_bytes.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Refilled after every byte: a lone CR at the end of one refill gives back the first byte of the
// next. The LineSplit fuzz target proves that the lines do not depend on where refills fall.
TEST(LineSplit, CrOrLfOrCrLfOrNulEndsOneLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"1005\r\n01.06.2007", {"1005", "01.06.2007"}},
        {"a\rXb\r", {"a", "Xb"}},
        {std::string("a\0b\n\n", 5), {"a", "b", "", ""}},
        {"\r\r\n\n\r", {"", "", "", ""}},
        {"", {""}},
    };
    for (const auto& [content, lines] : cases) {
        ChunkedBytes source(content, {1});
        EXPECT_EQ(AllLines(source), lines) << content.size() << " bytes";
        EXPECT_EQ(source.MisplacedGiveBacks(), 0);
    }
}

} // namespace
