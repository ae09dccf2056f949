#include "installer/install_log.h"
#include "installer/payload.h"

#include <gtest/gtest.h>

namespace {

// Runs the log through the extraction steps in their order, with the given outcomes.
struct StepOutcomes {
    bool library = true, help = true, examples = true, zentLibs = true, example1 = true,
         example2 = true, bilder = true, picture = true;
};

Text LogOf(const StepOutcomes& o) {
    InstallLog log;
    const auto file = [&](PayloadIndex index, bool written) {
        const PayloadItem& item = PayloadItemAt(index);
        log.AddFileResult(written, item.successText, item.failureText);
    };
    file(kLibraryItem, o.library);
    file(kHelpItem, o.help);
    log.AddDirectoryResult(o.examples, "Examples");
    log.AddDirectoryResult(o.zentLibs, "Examples\\ZentLibs");
    file(kExample1Item, o.example1);
    file(kExample2Item, o.example2);
    log.AddDirectoryResult(o.bilder, "Examples\\ZentLibs\\Bilder");
    file(kExamplePictureItem, o.picture);
    log.AddVerdict();
    log.AddClosingAdvice();
    return log.Get();
}

} // namespace

TEST(InstallLog, ACleanFirstInstallReadsAsFourteenLines) {
    EXPECT_EQ(LogOf({}), "Starte die Installation ...\r"
                         "\r"
                         "Library entpackt\r"
                         "Library Hilfe entpackt\r"
                         "Directory <Examples> erstellt\r"
                         "Directory <Examples\\ZentLibs> erstellt\r"
                         "Beispiel 1 entpackt\r"
                         "Beispiel 2 entpackt\r"
                         "Directory <Examples\\ZentLibs\\Bilder> erstellt\r"
                         "Bild entpackt\r"
                         "\r"
                         "Installation erfolgreich abgeschlossen\r"
                         "\r"
                         "Sollte PureBasic laufen, starten Sie bitte neu\r"
                         "um die Library und deren Hilfe einzubinden.");
}

TEST(InstallLog, ExistingDirectoriesLeaveNoLinesAndNoError) {
    StepOutcomes again;
    again.examples = again.zentLibs = again.bilder = false;
    const Text log = LogOf(again);
    EXPECT_EQ(log.find("Directory"), Text::npos);
    EXPECT_NE(log.find("\r\rInstallation erfolgreich abgeschlossen\r"), Text::npos);
}

TEST(InstallLog, AnyFailedFileTurnsTheVerdict) {
    for (int failing = 0; failing < 5; ++failing) {
        StepOutcomes o;
        bool* files[] = {&o.library, &o.help, &o.example1, &o.example2, &o.picture};
        *files[failing] = false;
        const Text log = LogOf(o);
        EXPECT_NE(log.find("\r\rInstallation mit Fehlern beendet\r"), Text::npos) << failing;
        EXPECT_EQ(log.find("erfolgreich"), Text::npos) << failing;
        EXPECT_NE(log.find("nicht entpackt"), Text::npos) << failing;
    }
    StepOutcomes library;
    library.library = false;
    EXPECT_EQ(LogOf(library).substr(0, 52),
              "Starte die Installation ...\r\rLibrary nicht entpackt\r");
}
