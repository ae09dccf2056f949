// The program of a file type's open command, from the bytes the two 255-byte registry reads
// return: the path through ".exe" without quotes, or the whole command when it has no ".exe".
#include "fuzz_check.h"
#include "host/command_cuts.h"
#include "registry/value_text.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr size_t kRoom = 255;

// What one read hands on. (What the cut leaves of its bytes: the registry value text fuzzer.)
Text ReadText(FuzzedDataProvider& input) {
    return ValueText(input.ConsumeRandomLengthString(kRoom), ValueBytes::LastByteTerminates);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ReadText(input); // the file type's read comes first
    const Text command = ReadText(input);

    const Text program = ProgramOfOpenCommand(command);
    const int32_t exe = TextFind(TextLower(command), ".exe");
    if (exe == 0) {
        FUZZ_CHECK(program == command);
    } else {
        FUZZ_CHECK(program.find('"') == Text::npos);
        FUZZ_CHECK(program.size() <= static_cast<size_t>(exe) + 4);
        FUZZ_CHECK(TextFind(TextLower(program), ".exe") > 0);
    }
    return 0;
}
