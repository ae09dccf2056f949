// Modal requesters and blocking helpers.
#pragma once

#include "runtime/base/text.h"

#include <cstdint>

// The folder the user chose, ending with a backslash; "" on cancel or when no chooser exists.
Text ChooseDirectory(const Text& title, const Text& initialPath);
void ShowMessage(const Text& title, const Text& text);
void Pause(int32_t milliseconds);
