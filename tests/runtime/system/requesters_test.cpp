#include "runtime/system/owned_handle.h"
#include "runtime/system/requesters.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>
#include <tuple>

namespace {

// A visible top-level window of the test thread, to watch being disabled.
OwnedWindow ThreadWindow() {
    return OwnedWindow(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 10, 10, 100,
                                       100, nullptr, nullptr, nullptr, nullptr));
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
    const std::tuple<std::string, int, std::string> cases[] = {
        {target + "\\", IDOK, target + "\\"},
        {target, IDCANCEL, ""},
    };
    for (const auto& [initial, button, folder] : cases) {
        const OwnedWindow first = ThreadWindow(), second = ThreadWindow();
        bool othersDisabled = false;
        std::thread user([&] {
            const HWND browser = driver::Require(driver::WaitForWindow("#32770", ""), "chooser");
            // Pressed before the browser has selected the folder, OK would give another one.
            driver::WaitUntil([&] { return driver::SelectedTreeText(browser) == "Ziel Ordner"; },
                              10000);
            othersDisabled = !IsWindowEnabled(first.Get()) && !IsWindowEnabled(second.Get());
            driver::PostClick(driver::Require(driver::WaitForControl(browser, button), "button"));
        });
        const Text chosen = ChooseDirectory("Zielverzeichnis wählen", initial);
        user.join();
        EXPECT_TRUE(othersDisabled);
        EXPECT_EQ(chosen, folder);
        EXPECT_TRUE(IsWindowEnabled(first.Get()) && IsWindowEnabled(second.Get()));
    }
    RemoveDirectoryA(target.c_str());
    RemoveDirectoryA(root.c_str());
}

TEST(ShowMessage, ShowsBothLinesAndDisablesTheThreadsOtherWindowsMeanwhile) {
    const OwnedWindow other = ThreadWindow(), owner = ThreadWindow();
    // The box's owner is the foreground window; the system itself disables that one.
    SetForegroundWindow(owner.Get());
    ASSERT_EQ(GetForegroundWindow(), owner.Get());
    bool otherDisabled = false;
    std::string texts;
    std::thread user([&] {
        const HWND box = driver::Require(driver::WaitForWindow("#32770", "Achtung"), "box");
        driver::WaitUntil([&] { return !(texts = driver::StaticTexts(box)).empty(); }, 5000);
        otherDisabled = !IsWindowEnabled(other.Get());
        driver::PostClick(driver::Require(driver::WaitForControl(box, IDOK), "OK button"));
    });
    ShowMessage("Achtung", "Erste Zeile\rZweite Zeile");
    user.join();
    EXPECT_NE(texts.find("Erste Zeile\r\nZweite Zeile"), std::string::npos) << texts;
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(IsWindowEnabled(other.Get()));
}

} // namespace
