// Saves what the screen shows as a Windows bitmap file, for the demo's walk-through.
#pragma once

#include <string>

// Empty on success, else what went wrong.
std::wstring SaveScreenshot(const std::wstring& path);
