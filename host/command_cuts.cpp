#include "host/command_cuts.h"

namespace {

const Text kProgramName = "PUREBASIC.EXE";

bool NamesHostProgram(const Text& text) {
    return TextFind(TextUpper(text), kProgramName) > 0;
}

} // namespace

Text ProgramPathOfCommand(const Text& command) {
    if (TextLeft(command, 1) == "\"") {
        const int32_t partner = TextFind(command, "\"", 2);
        const int32_t end = partner > 0 ? partner : TextLength(command) + 1;
        return TextMid(command, 2, end - 2);
    }
    const int32_t at = TextFind(TextUpper(command), kProgramName);
    if (at == 0) {
        return command;
    }
    return TextLeft(command, at + TextLength(kProgramName) - 1);
}

Text DirectCommandDirectory(const Text& command) {
    if (!NamesHostProgram(command)) {
        return Text();
    }
    return DirectoryPart(ProgramPathOfCommand(command));
}

Text ToolkitCommandDirectory(const Text& command) {
    const Text upper = TextUpper(command);
    const int32_t at = TextFind(upper, kProgramName);
    if (at == 0) {
        return Text();
    }
    return TextRemove(TextLeft(upper, at - 1), "\"");
}

Text SearchedCommandDirectory(const Text& command) {
    return AssociatedProgramDirectory(ProgramPathOfCommand(command));
}

Text AssociatedProgramDirectory(const Text& program) {
    const Text upper = TextUpper(program);
    if (TextFind(upper, kProgramName) == 0) {
        return Text();
    }
    return DirectoryPart(upper);
}

Text ProgramOfOpenCommand(const Text& command) {
    const int32_t at = TextFind(TextLower(command), ".exe");
    if (at == 0) {
        return command;
    }
    return TextRemove(TextLeft(command, at + 4), "\"");
}
