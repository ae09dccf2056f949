// Marker files of any content, read through buffers refilled at any sizes: the lines never
// depend on where a refill falls, and together they hold every byte that ends no line.
#include "fuzz_check.h"
#include "runtime/base/line_split.h"
#include "support/chunked_bytes.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<size_t> chunks(input.ConsumeIntegralInRange<size_t>(1, 4));
    for (size_t& chunk : chunks) {
        chunk = input.ConsumeIntegralInRange<size_t>(1, 64);
    }
    const std::string content = input.ConsumeRemainingBytesAsString();

    ChunkedBytes refilled(content, chunks);
    const std::vector<std::string> lines = AllLines(refilled);
    FUZZ_CHECK(refilled.MisplacedGiveBacks() == 0);
    ChunkedBytes whole(content, {});
    FUZZ_CHECK(AllLines(whole) == lines);

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
