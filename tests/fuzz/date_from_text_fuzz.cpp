// Any mask and any text give a date value or -1; a valid value prints and reads back as itself.
#include "fuzz_check.h"
#include "runtime/base/dates.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int32_t anyValue = input.ConsumeIntegral<int32_t>();
    const Text mask = input.ConsumeRandomLengthString(64);
    const Text text = input.ConsumeRemainingBytesAsString();

    const int32_t date = DateFromText(mask, text);
    FUZZ_CHECK(date >= kInvalidDate);
    // Every token prints no more characters than it takes in the mask.
    FUZZ_CHECK(DateToText(mask, anyValue).size() <= mask.size());
    if (anyValue >= 0) {
        const Text fullMask = "%yyyy-%mm-%dd %hh:%ii:%ss";
        FUZZ_CHECK(DateFromText(fullMask, DateToText(fullMask, anyValue)) == anyValue);
        FUZZ_CHECK(DateFromText("%dd.%mm.%yyyy", DateToText("%dd.%mm.%yyyy", anyValue)) ==
                   anyValue - anyValue % 86400);
    }
    return 0;
}
