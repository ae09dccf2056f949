#include "runtime/system/owned_handle.h"
#include "runtime/system/requesters.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>

namespace {

// A visible top-level window of the test thread, to watch being disabled.
OwnedWindow ThreadWindow() {
    return OwnedWindow(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 10, 10, 100,
                                       100, nullptr, nullptr, nullptr, nullptr));
}

// A requester keeps the thread's other windows disabled while it shows.
driver::Step AwaitDisabled(const OwnedWindow& window) {
    return {"await", "the thread's other windows disabled", "", [&](HWND) {
                return IsWindowEnabled(window.Get()) ? std::string("enabled") : std::string();
            }};
}

TEST(FolderChooser, GivesTheConfirmedFolderWithBackslashOrNothingWhenCancelled) {
    // Wine's browser cannot preselect below a folder name with a space, and compares folder
    // identifiers that include the last access time, which the first listing of a new folder
    // changes: the folders sit at the drive root and are listed once beforehand.
    const std::string root = "C:\\quorrel-chooser", target = root + "\\Ziel Ordner";
    for (const std::string& folder : {root, target}) {
        CreateDirectoryA(folder.c_str(), nullptr);
        WIN32_FIND_DATAA entry;
        FindClose(FindFirstFileA((folder + "\\*").c_str(), &entry));
    }
    // Initial folder, button pressed, folder chosen.
    const std::tuple<std::string, const char*, std::string> cases[] = {
        {target + "\\", "#1", target + "\\"},
        {target, "#2", ""},
    };
    for (const auto& [initial, button, folder] : cases) {
        const OwnedWindow other = ThreadWindow();
        // Pressed before the browser has selected the folder, OK would give another one.
        EXPECT_EQ(
            driver::PlayWhile({{"window", "", "Zielverzeichnis wählen"},
                               {"tree", "Ziel Ordner"},
                               AwaitDisabled(other),
                               {"click", button}},
                              [&] { return ChooseDirectory("Zielverzeichnis wählen", initial); }),
            folder);
        EXPECT_TRUE(IsWindowEnabled(other.Get()));
    }
    RemoveDirectoryA(target.c_str());
    RemoveDirectoryA(root.c_str());
}

TEST(ShowMessage, ShowsBothLinesAndDisablesTheThreadsOtherWindowsMeanwhile) {
    const OwnedWindow other = ThreadWindow(), owner = ThreadWindow();
    // The box's owner is the foreground window; the system itself disables that one.
    SetForegroundWindow(owner.Get());
    ASSERT_EQ(GetForegroundWindow(), owner.Get());
    driver::PlayWhile(
        {{"window", "Achtung", "Erste Zeile\nZweite Zeile"}, AwaitDisabled(other), {"click", "#1"}},
        [] { return ShowMessage("Achtung", "Erste Zeile\rZweite Zeile"), 0; });
    EXPECT_TRUE(IsWindowEnabled(other.Get()));
}

} // namespace
