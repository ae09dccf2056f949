#include "installer/install_log.h"
#include "installer/payload.h"

#include <gtest/gtest.h>

TEST(InstallLog, AnyFailedFileTurnsTheVerdictAndExistingFoldersStaySilent) {
    const PayloadIndex files[] = {kLibraryItem, kHelpItem, kExample1Item, kExample2Item,
                                  kExamplePictureItem};
    for (int failing = -1; failing < 5; ++failing) {
        InstallLog log;
        for (int i = 0; i < 5; ++i) {
            const PayloadItem& item = PayloadItemAt(files[i]);
            log.AddFileResult(i != failing, item.successText, item.failureText);
            log.AddDirectoryResult(false, "Examples");
        }
        log.AddVerdict();
        const Text& text = log.Get();
        EXPECT_EQ(log.HasErrors(), failing >= 0);
        EXPECT_EQ(text.find("Directory"), Text::npos);
        EXPECT_EQ(text.find("nicht entpackt") != Text::npos, failing >= 0);
        EXPECT_EQ(text.substr(text.rfind("\r\r") + 2),
                  failing >= 0 ? "Installation mit Fehlern beendet"
                               : "Installation erfolgreich abgeschlossen");
    }
}
