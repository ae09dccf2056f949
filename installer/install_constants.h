// What this installer carries and where it puts it.
#pragma once

#include "installer/release_constants.h" // version, date and title, set at configure time

#include <cstdint>

constexpr const char* kAuthorText = "Essling";
constexpr const char* kAuthorWebAddress = "http://www.velkadia.example/quorrel/";
constexpr const char* kDescriptionText =
    "UserLibrary für die Windowsversion von PureBasic\rPB-Versionen: 4.00, 4.01, 4.02";

// Backdrop colours (palette numbers) and the setup dialog's switches.
constexpr int32_t kTopPaletteNumber = 241;
constexpr int32_t kBottomPaletteNumber = 6;
constexpr bool kUninstallLocked = true;
constexpr bool kShortcutAllowed = false;
constexpr bool kBackdropOnTop = false;
