#include "installer/install_run.h"
#include "support/scratch_folder.h"
#include "support/scratch_key.h"
#include "support/shown_texts.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

// The install run in this process, with a second thread as its user, for what the end-to-end
// cases leave to it: a chosen folder without PureBasic, and the progress window's layout.

namespace {

const Text kOpenCommandKey = R"(Applications\PureBasic.exe\shell\open\command)";

std::string LayoutAndCloseBox(HWND progress) {
    return driver::Layout(progress) +
           (GetWindowLongA(progress, GWL_STYLE) & WS_SYSMENU ? ", close box" : "");
}

TEST(InstallRun, AFolderWithoutPureBasicIsWarnedAboutAndGetsTheLibraryFolders) {
    for (const char* exe : {"", "missing"}) { // a PureBasic.exe of 0 bytes, or none at all
        SCOPED_TRACE(exe);
        ScratchFolder host;
        ASSERT_TRUE(PutRawValue(kHkeyClassesRoot, kOpenCommandKey, "", REG_SZ,
                                "\"" + host.Path() + "PureBasic.exe\" \"%1\"" + '\0'));
        if (exe[0] == '\0') {
            ASSERT_TRUE(WriteWholeFile(host.Path() + "PureBasic.exe", {}));
        }
        host.Entries(); // Wine's folder browser finds a new folder only once it was listed
        const std::string name = host.Path().substr(0, host.Path().size() - 1);
        const std::vector<driver::Step> steps = {{"window", "SETUP", "Weiter"},
                                                 {"click", "installieren"},
                                                 {"click", "Weiter"},
                                                 {"window", "LIZENZVEREINBARUNG"},
                                                 {"click", "Akzeptieren"},
                                                 {"window", "", shown::kChooserPrompt},
                                                 {"tree", name.substr(name.rfind('\\') + 1)},
                                                 {"click", "#1"},
                                                 {"window", "Achtung", shown::kNoPureBasicWarning},
                                                 {"click", "#1"},
                                                 {"window", "Fortschritt ...", "Fertig"},
                                                 {"await", "its layout",
                                                  "300 x 284 centred: 10 10 280 230|10 250 280 24",
                                                  LayoutAndCloseBox},
                                                 {"click", "Fertig"}};
        EXPECT_EQ(driver::PlayWhile(steps, RunInstaller), 0);
        EXPECT_EQ(std::ranges::count(host.Entries(), "PureLibraries"), 1);
        EXPECT_TRUE(ReadWholeFile(host.Path() + R"(PureLibraries\UserLibraries\Quorrel_400)").ok);
        EXPECT_TRUE(RemoveKeyTree(kHkeyClassesRoot, R"(Applications\PureBasic.exe)") &&
                    RemoveKeyTree(kHkeyCurrentUser, R"(Software\Velkadia)"));
    }
}

} // namespace
