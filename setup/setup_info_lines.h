// The information lines of the setup dialog window: what the setup carries and what is
// installed already.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// Setup and installed date texts are read and shown in this form.
constexpr const char* kSetupDateMask = "%dd.%mm.%yyyy";

Text ProgramLine(const Text& title);
Text SetupVersionLine(int32_t setupVersion);
Text SetupDateLine(int32_t setupDate);
Text CopyrightLine(const Text& author);

// Versions below 1 read as "nicht angegeben / installiert".
Text InstalledVersionLine(int32_t installedVersion);
// The date is shown only when there is one and a version of 1 or more; otherwise the line ends
// at its colon.
Text InstalledDateLine(int32_t installedVersion, int32_t installedDate);
