// Whether the carried blocks are as the build sealed them. Checked once at start, before the run
// shows or changes anything: a damaged download must not install half of itself.
#pragma once

#include "installer/payload.h"

// The CRC-32 of the block's stored bytes equals the one the build recorded.
bool BlockIntact(const PackedBlock& block);
// Every carried block is intact.
bool CarriedBlocksIntact();

// What a damaged installer says (in a message box titled "SETUP") before it ends with exit code 2.
constexpr const char* kDamagedSetupTitle = "SETUP";
constexpr const char* kDamagedSetupText =
    "Die Setup-Datei ist beschädigt.\rBitte laden Sie sie erneut herunter.";
constexpr int kDamagedSetupExitCode = 2;
