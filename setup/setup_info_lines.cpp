#include "setup/setup_info_lines.h"

#include "runtime/base/dates.h"
#include "setup/version_number.h"

Text ProgramLine(const Text& title) {
    return "Programm: " + title;
}

Text SetupVersionLine(int32_t setupVersion) {
    return "Setup-Version\t\t: " + VersionDisplayText(setupVersion);
}

Text SetupDateLine(int32_t setupDate) {
    return "Versionsdatum\t\t: " + DateToText(kSetupDateMask, setupDate);
}

Text CopyrightLine(const Text& author) {
    return "Copyright " + author;
}

Text InstalledVersionLine(int32_t installedVersion) {
    if (installedVersion >= 1) {
        return "Installierte Version\t: " + VersionDisplayText(installedVersion);
    }
    return "Installierte Version\t: nicht angegeben / installiert";
}

Text InstalledDateLine(int32_t installedVersion, int32_t installedDate) {
    if (installedDate != 0 && installedVersion >= 1) {
        return "Versionsdatum\t\t: " + DateToText(kSetupDateMask, installedDate);
    }
    return "Versionsdatum\t\t:";
}
