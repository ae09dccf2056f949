// The data of a registry string value as the toolkit turns it into a text: any bytes, with or
// without zero bytes and a terminator, and any returned size up to the data's.
#include "fuzz_check.h"
#include "registry/value_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const size_t returned = input.ConsumeIntegral<uint16_t>();
    const std::string value = input.ConsumeRemainingBytesAsString();
    // A buffer exactly as large as the data, so a read past it is seen at once.
    const size_t count = returned < value.size() ? returned : value.size();
    const std::unique_ptr<char[]> buffer(new char[count]);
    std::copy_n(value.data(), count, buffer.get());

    const Text text = TextWithoutZeroBytes(buffer.get(), count);
    FUZZ_CHECK(text.find('\0') == Text::npos);
    FUZZ_CHECK(text.size() ==
               count - static_cast<size_t>(std::count(buffer.get(), buffer.get() + count, '\0')));
    // What is left keeps the order of the bytes.
    size_t at = 0;
    for (const char byte : text) {
        at = value.find(byte, at);
        FUZZ_CHECK(at != std::string::npos && at < count);
        ++at;
    }
    return 0;
}
