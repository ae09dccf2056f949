// Numbers read from texts (registry values, marker lines) and version numbers made from them.
#include "fuzz_check.h"
#include "setup/version_number.h"
#include "runtime/base/text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Text text(reinterpret_cast<const char*>(data), size);
    const int32_t value = TextToInt(text);
    FUZZ_CHECK(TextToInt(IntToText(value)) == value);
    // Blanks before the number and anything after its digits do not count.
    FUZZ_CHECK(TextToInt(" \t" + text) == value);
    FUZZ_CHECK(TextToInt(text + "x") == value);

    // One character and at most three digits; the second character is never looked at.
    const int32_t version = VersionNumberFromText(text);
    FUZZ_CHECK(version >= -999 && version <= 9999);
    if (text.size() >= 2) {
        Text otherPoint = text;
        otherPoint[1] = static_cast<char>(otherPoint[1] ^ 0x5A);
        FUZZ_CHECK(VersionNumberFromText(otherPoint) == version);
    }
    FUZZ_CHECK(VersionDisplayText(value).size() == 11);
    return 0;
}
