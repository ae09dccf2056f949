// The data of a registry value as the readers turn it into a text: any bytes, with or without
// zero bytes and a terminator, and any returned size up to the data's, in every form.
#include "fuzz_check.h"
#include "registry/value_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const size_t returned = input.ConsumeIntegral<uint16_t>();
    const std::string value = input.ConsumeRemainingBytesAsString();
    // A buffer exactly as large as the data, so a read past it is seen at once.
    const size_t count = returned < value.size() ? returned : value.size();
    const std::unique_ptr<char[]> buffer(new char[count]);
    std::copy_n(value.data(), count, buffer.get());
    const std::string_view bytes(buffer.get(), count);

    const Text joined = ValueText(bytes, ValueBytes::ZeroBytesLeftOut);
    FUZZ_CHECK(joined.find('\0') == Text::npos);
    FUZZ_CHECK(joined.size() ==
               count - static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\0')));
    // What is left keeps the order of the bytes.
    size_t at = 0;
    for (const char byte : joined) {
        at = bytes.find(byte, at);
        FUZZ_CHECK(at != std::string_view::npos);
        ++at;
    }

    // The cut forms give a first piece of the data that ends at a zero byte or at their end.
    for (const ValueBytes form : {ValueBytes::UpToZeroByte, ValueBytes::LastByteTerminates}) {
        const Text text = ValueText(bytes, form);
        const size_t end = form == ValueBytes::UpToZeroByte || count == 0 ? count : count - 1;
        FUZZ_CHECK(text.size() <= end && bytes.substr(0, text.size()) == text);
        FUZZ_CHECK(text.find('\0') == Text::npos);
        FUZZ_CHECK(text.size() == end || bytes[text.size()] == '\0');
    }
    return 0;
}
