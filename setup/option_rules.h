// Which actions the setup dialog offers for the installed copy, and which setup result the
// user's selection stands for. The dialog gathers these inputs from its gadgets and applies the
// results; nothing here touches a window.
#pragma once

#include "runtime/base/text.h"
#include "setup/setup_result.h"

#include <cstdint>

// Captions of the update option. The choice update tells repair and time-stamp update apart by
// the caption the option carries.
constexpr const char* kUpdateCaption = "UpDate installieren";
constexpr const char* kRepairCaption = "reparieren (Setup-Version gleich der installierten)";
constexpr const char* kRefreshCaption = "aktualisieren (Zeitstempelunterschied)";

// Why the setup stops, for block messages 1 to 3.
constexpr const char* kBlockMessages[] = {
    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer "
    "ist gleich der Installierten.\r\rDer Vorgang wird abgebrochen.",
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird "
    "abgebrochen.",
    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer "
    "ist größer als die Installierte.\r\rDer Vorgang wird abgebrochen.",
};

struct SetupOffer {
    bool installEnabled = true;
    bool updateEnabled = true;
    bool uninstallEnabled = true;
    // A new caption and width for the update option; nullptr and 0 leave it as built.
    const char* updateCaption = nullptr;
    int32_t updateWidth = 0;
    // 1 to 3 when the carried library must not replace the installed one: the three options,
    // the shortcut check box and its frame are hidden and the message panel shows blockText.
    // 0 when nothing is blocked.
    int32_t blockMessage = 0;
    const char* blockText = "";
};

// Versions are version numbers (0 = none installed); dates are date values (0 = no date text,
// -1 = a text that is no valid date). A copy counts as installed only with a version and a date.
SetupOffer DecideSetupOffer(int32_t setupVersion, int32_t installedVersion, int32_t setupDate,
                            int32_t installedDate, bool uninstallLocked);

// The option gadgets form one group, so at most one of them is selected.
enum class SelectedOption { kNone, kInstall, kUpdate, kUninstall };

struct SetupChoiceState {
    bool nextEnabled = false; // "Weiter"
    bool shortcutEnabled = false;
    bool clearShortcutTick = false;
    SetupResult choice = SetupResult::kCancelled; // what "Weiter" would give
};

// Run after every event of the dialog. The shortcut tick survives a switch to another option,
// so going back to the install option gives the shortcut choice again.
SetupChoiceState UpdateSetupChoice(SelectedOption selected, bool shortcutAllowed,
                                   bool shortcutTicked, const Text& updateCaption);
