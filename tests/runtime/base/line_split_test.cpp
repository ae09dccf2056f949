#include "runtime/base/line_split.h"

#include "support/chunked_bytes.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using std::string_literals::operator""s;
using Lines = std::vector<std::string>;

// The lines must not depend on where the file's buffer happens to be refilled; a lone CR at
// the end of one refill gives back the first byte of the next.
TEST(LineSplit, LinesAreTheSameWhereverTheBufferIsRefilled) {
    const std::pair<std::string, Lines> cases[] = {
        {"1005\r\n01.06.2007", {"1005", "01.06.2007"}},
        {"a\rXb\r", {"a", "Xb"}},
        {"a\0b\n\n"s, {"a", "b", "", ""}},
        {"\r\r\n\n\r", {"", "", "", ""}},
        {"", {""}},
    };
    for (const auto& [content, lines] : cases) {
        for (const std::vector<size_t>& chunks :
             {std::vector<size_t>{}, {1}, {2, 1}, {3}, {1, 4096}}) {
            ChunkedBytes source(content, chunks);
            EXPECT_EQ(AllLines(source), lines) << content.size() << " bytes, " << chunks.size();
            EXPECT_EQ(source.MisplacedGiveBacks(), 0);
        }
    }
}

} // namespace
