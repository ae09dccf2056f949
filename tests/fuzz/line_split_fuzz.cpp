// Marker files of any content: the lines together hold every byte that ends no line, and a byte
// is only ever given back right after it was read.
#include "fuzz_check.h"
#include "runtime/base/line_split.h"
#include "support/text_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    TextBytes source(content);
    const std::vector<std::string> lines = AllLines(source);
    FUZZ_CHECK(source.MisplacedGiveBacks() == 0);

    std::string kept = content;
    std::erase_if(kept, [](char byte) { return byte == '\r' || byte == '\n' || byte == '\0'; });
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
    }
    FUZZ_CHECK(joined == kept);
    FUZZ_CHECK(lines.size() <= content.size() + 1);
    return 0;
}
