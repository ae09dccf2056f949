#include "runtime/base/line_split.h"

#include "support/text_bytes.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A lone CR gives back the byte after it, which starts the next line. Lines that cross the file
// layer's buffer ends: the numbered files' tests.
TEST(LineSplit, CrOrLfOrCrLfOrNulEndsOneLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"1005\r\n01.06.2007", {"1005", "01.06.2007"}},
        {"a\rXb\r", {"a", "Xb"}},
        {std::string("a\0b\n\n", 5), {"a", "b", "", ""}},
        {"\r\r\n\n\r", {"", "", "", ""}},
        {"", {""}},
    };
    for (const auto& [content, lines] : cases) {
        TextBytes source(content);
        EXPECT_EQ(AllLines(source), lines) << content.size() << " bytes";
        EXPECT_EQ(source.MisplacedGiveBacks(), 0);
    }
}

} // namespace
