#include "support/gui_test_support.h"

#include "installer/install_constants.h"
#include "runtime/base/text.h"
#include "runtime/graphics/images.h"
#include "runtime/ui/app_windows.h"
#include "setup/setup_dialog.h"
#include "support/window_driver.h"

#include <cstdlib>
#include <string>
#include <thread>

// Each case runs the whole setup dialog in this process while a second thread plays the user.
// The user thread only looks and clicks; what it saw is checked once the dialog has returned.

namespace {

using driver::FindDescendant;
using driver::Require;

constexpr const char* kRepairCaption = "reparieren (Setup-Version gleich der installierten)";
constexpr const char* kRefreshCaption = "aktualisieren (Zeitstempelunterschied)";

struct Seen {
    std::string lines;
    bool nextEnabledBeforeChoice = true;
    bool optionsVisible = true;
    bool nextEnabledAfterChoice = false;
    std::string agreementText;
    std::string agreementIntro;
    int footerX = -1;
    bool sidePictureIsBitmap = false;
    LOGFONTA bannerFont{};
    LOGFONTA contentFont{};
    LOGFONTA creditFont{};
    LOGFONTA baseFont{};
};

struct Answer {
    const char* option = nullptr; // caption of the option to choose; nullptr: press "Abbruch"
    bool acceptAgreement = true;
};

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

HWND AwaitSetupDialog() {
    return Require(driver::WaitForWindowHolding("SETUP", "Button", "Weiter"), "setup dialog");
}

void LookAtDialog(HWND dialog, Seen& seen) {
    seen.lines = driver::DescendantStaticTexts(dialog);
    HWND next = FindDescendant(dialog, "Button", "Weiter");
    seen.nextEnabledBeforeChoice = IsWindowEnabled(next) != FALSE;
    HWND install = FindDescendant(dialog, "Button", "installieren");
    seen.optionsVisible = install != nullptr && IsWindowVisible(install);
    HWND footer = FindDescendant(dialog, "Static", kAuthorWebAddress);
    RECT area{};
    GetWindowRect(footer, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    seen.footerX = area.left;
    HWND picture = GetWindow(dialog, GW_CHILD);
    seen.sidePictureIsBitmap = (GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
    seen.contentFont = FontOf(next);
    seen.baseFont = FontOf(footer);
    HWND backdrop = GetWindow(dialog, GW_OWNER);
    seen.bannerFont = FontOf(FindDescendant(backdrop, "Static", "Willkommen zum Setup von:"));
    seen.creditFont = FontOf(FindDescendant(backdrop, "Static", "setup     by Zent"));
}

void PlayUser(const Answer& answer, Seen& seen) {
    HWND dialog = AwaitSetupDialog();
    Sleep(100); // the choice update runs once more after the dialog is shown
    LookAtDialog(dialog, seen);
    if (answer.option == nullptr) {
        driver::PostClick(FindDescendant(dialog, "Button", "Abbruch"));
        return;
    }
    driver::PostClick(Require(FindDescendant(dialog, "Button", answer.option), answer.option));
    HWND next = FindDescendant(dialog, "Button", "Weiter");
    seen.nextEnabledAfterChoice = driver::WaitUntil([&] { return IsWindowEnabled(next) != FALSE; });
    driver::PostClick(next);
    if (std::string(answer.option) != "installieren") {
        return;
    }
    HWND agreement = Require(
        driver::WaitForWindowHolding("LIZENZVEREINBARUNG", "Button", "Akzeptieren"), "agreement");
    HWND editor = Require(FindDescendant(agreement, "RichEdit20A", ""), "agreement editor");
    seen.agreementText = driver::NormaliseLineEnds(driver::WindowText(editor));
    seen.agreementIntro = driver::DescendantStaticTexts(agreement);
    driver::PostClick(
        FindDescendant(agreement, "Button", answer.acceptAgreement ? "Akzeptieren" : "Abbruch"));
}

SetupResult RunDialog(int32_t installedVersion, const char* installedDate, const Answer& answer,
                      Seen& seen) {
    std::thread user([&] { PlayUser(answer, seen); });
    const SetupResult result =
        SetupDialog({kProductTitle, 1006, kSetupDateText, kAuthorText, kAuthorWebAddress,
                     kDescriptionText, installedVersion, installedDate, kTopPaletteNumber,
                     kBottomPaletteNumber, kUninstallLocked, kShortcutAllowed, kBackdropOnTop});
    user.join();
    return result;
}

std::string Lines(const std::string& installedVersion, const std::string& installedDate,
                  const std::string& message = "") {
    return "Programm: PB-Library Quorrel_400\nSetup-Version\t\t: 000.001.006\n"
           "Versionsdatum\t\t: 12.07.2007\nCopyright Essling\n" +
           installedVersion + "\n" + installedDate + "\n" +
           (message.empty() ? "" : message + "\n") +
           "Bitte eine Option wählen ...\nhttp://www.velkadia.example/quorrel/";
}

bool NoSetupWindowLeft() {
    return !AppWindowExists(0) && driver::FindOwnWindow("", "SETUP") == nullptr &&
           driver::FindOwnWindow("", "LIZENZVEREINBARUNG") == nullptr;
}

class SetupDialogTest : public guitest::GuiTest {
  protected:
    void SetUp() override { LoadCarriedPicture(); }
    static void LoadCarriedPicture() {
        CreateBlankImage(1, 110, 300); // stands in for the carried picture
    }
};

struct OfferCase {
    int32_t installedVersion;
    const char* installedDate;
    const char* option;
    SetupResult result;
    const char* installedLines;
};

TEST_F(SetupDialogTest, OffersTheFittingActionAndReturnsItsResult) {
    const OfferCase cases[] = {
        {0, "", "installieren", SetupResult::kInstall,
         "Installierte Version\t: nicht angegeben / installiert\nVersionsdatum\t\t:"},
        {1006, "", "installieren", SetupResult::kInstall,
         "Installierte Version\t: 000.001.006\nVersionsdatum\t\t:"},
        {1005, "01.06.2007", "UpDate installieren", SetupResult::kUpdate,
         "Installierte Version\t: 000.001.005\nVersionsdatum\t\t: 01.06.2007"},
        {1006, "12.07.2007", kRepairCaption, SetupResult::kRepair,
         "Installierte Version\t: 000.001.006\nVersionsdatum\t\t: 12.07.2007"},
        {1006, "11.07.2007", kRefreshCaption, SetupResult::kRefresh,
         "Installierte Version\t: 000.001.006\nVersionsdatum\t\t: 11.07.2007"},
    };
    for (const OfferCase& offer : cases) {
        SCOPED_TRACE(offer.option);
        Seen seen;
        EXPECT_EQ(RunDialog(offer.installedVersion, offer.installedDate, {offer.option}, seen),
                  offer.result);
        const std::string installed(offer.installedLines);
        EXPECT_EQ(seen.lines, Lines(installed.substr(0, installed.find('\n')),
                                    installed.substr(installed.find('\n') + 1)));
        EXPECT_FALSE(seen.nextEnabledBeforeChoice);
        EXPECT_TRUE(seen.nextEnabledAfterChoice);
        // A choice leaves the backdrop open for the installer's later windows.
        EXPECT_TRUE(AppWindowExists(0));
        EXPECT_TRUE(IsWindowVisible(AppWindowHandle(0)));
        EXPECT_EQ(seen.agreementText.empty(), offer.result != SetupResult::kInstall);
        DestroyAppWindow(0);
        LoadCarriedPicture();
    }
}

TEST_F(SetupDialogTest, AFreshInstallGoesThroughTheAgreement) {
    Seen seen;
    EXPECT_EQ(RunDialog(0, "", {"installieren", true}, seen), SetupResult::kInstall);
    EXPECT_EQ(seen.agreementText, "UserLibrary für die Windowsversion von PureBasic\n"
                                  "PB-Versionen: 4.00, 4.01, 4.02");
    EXPECT_EQ(seen.agreementIntro.find("Diese Programm ist unter deutschem Recht entstanden. "
                                       "Bei Problemen und Wünschen wenden Sie sich bitte an den "
                                       "Autor der Software."),
              0u);
    EXPECT_EQ(driver::FindOwnWindow("", "LIZENZVEREINBARUNG"), nullptr);
    EXPECT_TRUE(AppWindowExists(0));
    DestroyAppWindow(0);

    Seen refused;
    EXPECT_EQ(RunDialog(0, "", {"installieren", false}, refused), SetupResult::kCancelled);
    EXPECT_TRUE(NoSetupWindowLeft());
}

TEST_F(SetupDialogTest, BlockedSetupShowsItsMessageAndEndsOnlyWithAbbruch) {
    const struct {
        int32_t version;
        const char* date;
        const char* message;
    } cases[] = {
        {1006, "13.07.2007",
         "Das Setupdatum ist jünger als das der bereits installierten Version und die "
         "Versionsnummer ist gleich der Installierten.\n\nDer Vorgang wird abgebrochen."},
        {1007, "01.01.2007",
         "Die Setupversion ist älter als eine bereits installierte Version.\n\nDer Vorgang wird "
         "abgebrochen."},
        {1005, "13.07.2007",
         "Das Setupdatum ist jünger als das der bereits installierten Version und die "
         "Versionsnummer ist größer als die Installierte.\n\nDer Vorgang wird abgebrochen."},
    };
    for (const auto& blocked : cases) {
        SCOPED_TRACE(blocked.version);
        Seen seen;
        EXPECT_EQ(RunDialog(blocked.version, blocked.date, {nullptr}, seen),
                  SetupResult::kCancelled);
        const std::string version = "000.001.00" + std::to_string(blocked.version % 10);
        EXPECT_EQ(driver::NormaliseLineEnds(seen.lines),
                  Lines("Installierte Version\t: " + version,
                        std::string("Versionsdatum\t\t: ") + blocked.date, blocked.message));
        EXPECT_FALSE(seen.optionsVisible);
        EXPECT_FALSE(seen.nextEnabledBeforeChoice);
        EXPECT_TRUE(NoSetupWindowLeft());
    }
}

TEST_F(SetupDialogTest, ClosingTheBackdropWhileTheLineIsTypedCancelsEverything) {
    std::thread user([] {
        HWND backdrop = Require(driver::WaitForWindow("", "SETUP"), "setup backdrop");
        PostMessageA(backdrop, WM_CLOSE, 0, 0);
    });
    const SetupResult result =
        SetupDialog({kProductTitle, 1006, kSetupDateText, kAuthorText, kAuthorWebAddress,
                     kDescriptionText, 0, "", kTopPaletteNumber, kBottomPaletteNumber,
                     kUninstallLocked, kShortcutAllowed, kBackdropOnTop});
    user.join();
    EXPECT_EQ(result, SetupResult::kCancelled);
    EXPECT_TRUE(NoSetupWindowLeft());
}

TEST_F(SetupDialogTest, WithoutACarriedPictureTheGradientStandsInAndTheFooterStartsAtZero) {
    for (bool carried : {true, false}) {
        SCOPED_TRACE(carried);
        if (!carried) {
            ReleaseAllImages();
        }
        Seen seen;
        EXPECT_EQ(RunDialog(1006, "12.07.2007", {kRepairCaption}, seen), SetupResult::kRepair);
        EXPECT_TRUE(seen.sidePictureIsBitmap);
        EXPECT_EQ(seen.footerX, 0);
        ASSERT_TRUE(ImageExists(1));
        EXPECT_EQ(ImageWidth(1), 110);
        EXPECT_EQ(ImageHeight(1), 300);
        if (!carried) {
            // The gradient's dark bottom, not the black of the stand-in for the carried picture.
            const auto pixels = guitest::PixelsOfBitmap(ImageBitmapHandle(1), 110, 300);
            EXPECT_NE(pixels[299 * 110 + 55], 0u);
            EXPECT_NE(pixels[0], pixels[299 * 110 + 55]);
        }
        DestroyAppWindow(0);
    }
}

// The fonts keep their 96-dpi pixel heights whatever the desktop's resolution: run at 96 dpi by
// default and at 120 dpi in a prefix set to it (QUORREL_EXPECTED_DPI names the resolution).
TEST_F(SetupDialogTest, FontsAreScaledToTheDesktopResolution) {
    const char* expected = std::getenv("QUORREL_EXPECTED_DPI");
    const int dpi = expected != nullptr ? std::atoi(expected) : 96;
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi);
    ReleaseDC(nullptr, screen);
    struct Sizes {
        int base, banner, content, credit;
    };
    const Sizes sizes = dpi == 120 ? Sizes{6, 19, 8, 6} : Sizes{8, 24, 10, 7};

    Seen seen;
    EXPECT_EQ(RunDialog(1006, "12.07.2007", {kRepairCaption}, seen), SetupResult::kRepair);
    DestroyAppWindow(0);
    EXPECT_EQ(seen.baseFont.lfHeight, -MulDiv(sizes.base, dpi, 72));
    EXPECT_EQ(seen.bannerFont.lfHeight, -MulDiv(sizes.banner, dpi, 72));
    EXPECT_EQ(seen.contentFont.lfHeight, -MulDiv(sizes.content, dpi, 72));
    EXPECT_EQ(seen.creditFont.lfHeight, -MulDiv(sizes.credit, dpi, 72));
    EXPECT_STREQ(seen.bannerFont.lfFaceName, "Arial");
    EXPECT_GE(seen.bannerFont.lfWeight, FW_BOLD);
    EXPECT_TRUE(seen.bannerFont.lfItalic && seen.bannerFont.lfUnderline);
    EXPECT_GE(seen.contentFont.lfWeight, FW_BOLD);
    EXPECT_LT(seen.baseFont.lfWeight, FW_BOLD);
}

} // namespace
