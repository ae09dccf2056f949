// Open commands of any form, as the four roads of host discovery read them: each cut gives a
// directory or nothing, never more than the command held.
#include "fuzz_check.h"
#include "host/command_cuts.h"
#include "registry/value_text.h"

#include <cstdint>

namespace {

// The direct read's buffer: the command is what stands before the first zero byte.
constexpr size_t kDirectRoom = 522;

bool NamesHost(const Text& text) {
    return TextFind(TextUpper(text), "PUREBASIC.EXE") > 0;
}

// "" or a directory cut out of the text it came from, which names the host.
void CheckDirectory(const Text& directory, const Text& from, bool upperCase) {
    FUZZ_CHECK(directory.empty() || ((directory.ends_with('\\') || directory.ends_with('/')) &&
                                     NamesHost(from) && directory.size() <= from.size()));
    FUZZ_CHECK(!upperCase || TextUpper(directory) == directory);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const Text direct =
        ValueText({bytes, size < kDirectRoom ? size : kDirectRoom}, ValueBytes::UpToZeroByte);
    const Text road1 = DirectCommandDirectory(direct);
    CheckDirectory(road1, direct, false);
    FUZZ_CHECK(road1.size() < direct.size() || road1.empty());

    // The other roads get a whole string value, zero bytes left out.
    Text command(bytes, size);
    std::erase(command, '\0');
    const Text road2 = ToolkitCommandDirectory(command);
    FUZZ_CHECK(road2.find('"') == Text::npos && TextUpper(road2) == road2);
    FUZZ_CHECK(road2.empty() || NamesHost(command));
    FUZZ_CHECK(road2.size() < command.size() || road2.empty());

    const Text program = ProgramPathOfCommand(command);
    FUZZ_CHECK(command.find(program) != Text::npos);
    CheckDirectory(SearchedCommandDirectory(command), program, true);
    // Road 4 cuts the program that the open command of ".pb" names.
    const Text associated = ProgramOfOpenCommand(command);
    CheckDirectory(AssociatedProgramDirectory(associated), associated, true);
    return 0;
}
