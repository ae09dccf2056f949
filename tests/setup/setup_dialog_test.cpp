#include "support/gui_test_support.h"

#include "installer/install_constants.h"
#include "runtime/base/dates.h"
#include "runtime/graphics/images.h"
#include "runtime/ui/app_windows.h"
#include "setup/credit_links.h"
#include "setup/option_rules.h"
#include "setup/setup_dialog.h"
#include "setup/setup_info_lines.h"
#include "setup/welcome_banner_text.h"
#include "support/shown_texts.h"
#include "support/window_driver.h"

#include <algorithm>
#include <cstdlib>

// The whole setup dialog runs in this process while a second thread plays its user.

namespace {

using driver::Step;

SetupRequest Request(int32_t installedVersion, const char* installedDate) {
    // clang-format off
    return {kProductTitle, 1006, kSetupDateText, kAuthorText, kAuthorWebAddress, kDescriptionText,
            installedVersion, installedDate, kTopPaletteNumber, kBottomPaletteNumber, true};
    // clang-format on
}

std::string WithLf(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

// How the setup dialog reads (its line formats have tests of their own), with `offer`, the
// options and buttons or the block message, in the middle.
std::string DialogLines(const SetupRequest& request, const std::string& offer) {
    const auto date = [](const Text& text) {
        return text.empty() ? 0 : DateFromText(kSetupDateMask, text);
    };
    return ProgramLine(request.title) + "\n" + SetupVersionLine(request.setupVersion) + "\n" +
           SetupDateLine(date(request.setupDateText)) + "\n" + CopyrightLine(request.author) +
           "\n" + InstalledVersionLine(request.installedVersion) + "\n" +
           InstalledDateLine(request.installedVersion, date(request.installedDateText)) + "\n" +
           offer + "\n" + shown::kChooseAnOption + "\n" + request.webAddress;
}

// The options as offered, then the shortcut box and the buttons as they are before a choice.
std::string Offer(bool install, const char* update, bool updateOn, bool uninstall) {
    const auto option = [](const std::string& caption, bool on) {
        return "( ) " + caption + (on ? "\n" : " (disabled)\n");
    };
    return option("installieren", install) + option(update, updateOn) +
           option("deinstallieren", uninstall) +
           "[ ] Desktop Shortcut erstellen (disabled)\n<Weiter> (disabled)\n<Abbruch>";
}

// Whether the credit link reads red or black after the pointer moved over it or away.
std::string LinkInk(HWND backdrop, bool pointerOver) {
    HWND link = driver::Find(backdrop, kSetupMakerLinkText);
    SendMessageA(link, WM_MOUSEMOVE, 0, pointerOver ? MAKELPARAM(2, 2) : MAKELPARAM(200, 2));
    return std::ranges::count(guitest::PrintedPixels(link, 80, 10), 0xFF0000u) > 5 ? "red"
                                                                                   : "black";
}

std::string OnTop(HWND window) {
    return GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST ? "on top" : "not on top";
}

// Whether the agreement editor keeps its text when typed into, and scrolls a long one.
std::string TypedAndScrolled(HWND agreement) {
    const std::string text = WithLf(kDescriptionText) + std::string(60, '\n') + "!";
    HWND editor = driver::Find(agreement, text);
    SendMessageA(editor, WM_CHAR, 'x', 1);
    SendMessageA(editor, WM_VSCROLL, SB_PAGEDOWN, 0);
    return std::string(driver::TextOf(editor) == text ? "kept" : "typed") +
           (SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0) > 0 ? ", scrolled" : "");
}

// The colours of the block message: magenta on light green.
std::string MessageInk(HWND dialog) {
    const auto pixels =
        guitest::PrintedPixels(driver::Find(dialog, WithLf(kBlockMessages[1])), 340, 82);
    return std::string(std::ranges::count(pixels, 0xFF00FFu) > 5 ? "magenta" : "no magenta") +
           (std::ranges::count(pixels, 0xE1F5AAu) > 10000 ? " on green" : "");
}

// Where the window's controls lie, without its size (see driver::Layout).
std::string Places(HWND window) {
    const std::string layout = driver::Layout(window);
    return layout.substr(layout.find(": ") + 2);
}

const Step kAwaitDialog{"window", "SETUP", "Weiter"};
const Step kAwaitAgreement{"window", "LIZENZVEREINBARUNG"};

class SetupDialogTest : public guitest::GuiTest {
  protected:
    void SetUp() override { CreateBlankImage(1, 110, 300); } // the carried picture's stand-in

    // Plays the steps while the dialog runs; with a choice the backdrop stays for the
    // installer's later windows, without one no window of the dialog is left.
    SetupResult Play(const SetupRequest& request, const std::vector<Step>& steps) {
        const SetupResult result = driver::PlayWhile(steps, [&] { return SetupDialog(request); });
        const bool choice = result != SetupResult::kCancelled;
        EXPECT_EQ(AppWindowExists(0) != 0, choice);
        EXPECT_EQ(driver::Titles(),
                  choice ? std::vector<std::string>{"SETUP"} : std::vector<std::string>{});
        DestroyAppWindow(0);
        SetUp();
        return result;
    }
};

const Step kAgreementTexts{"await", "its texts",
                           shown::kAgreementIntro + ("\n" + WithLf(kDescriptionText)) +
                               "\n<Akzeptieren>\n<Abbruch>\n" + kAuthorWebAddress,
                           driver::Lines};
const Step kAgreementLayout{
    "await", "its layout",
    "500 x 330 centred: 4 4 492 290|10 10 470 40|10 60 470 220|4 300 100 24|"
    "396 300 100 24|110 302 280 14",
    driver::Layout};
const Step kDialogLayout{
    "await", "its layout",
    "482 x 314 centred: 0 0 110 300|112 0 369 300|4 6 350 18|2 20 364 70|10 30 350 18|"
    "10 50 350 18|10 70 350 18|2 90 364 50|10 100 350 18|10 120 350 18|6 160 356 100|"
    "6 8 340 82|2 148 364 149|10 160 90 18|10 184 340 18|10 208 110 18|5 221 358 37|"
    "10 234 200 18|10 266 100 24|260 266 100 24|4 140 200 14|0 300 370 14",
    driver::Layout};
const Step kTypingIntoALongAgreement{"await", "typing into a long agreement", "kept, scrolled",
                                     TypedAndScrolled};

TEST_F(SetupDialogTest, OffersWhatFitsTheInstalledCopyAndReturnsTheChoice) {
    const std::string fresh = Offer(true, kUpdateCaption, false, false);
    const std::string blocked = WithLf(kBlockMessages[1]) + "\n<Weiter> (disabled)\n<Abbruch>";
    const Step install{"click", "installieren"}, next{"click", "Weiter"};
    const struct {
        int32_t installedVersion;
        const char* installedDate;
        bool unlocked, shortcut; // a shortcut allowed comes with a long agreement
        std::string offer;       // how the options and buttons read first
        std::vector<Step> steps;
        SetupResult result;
    } cases[] = {
        // clang-format off
        {0, "", false, false, fresh,
         {install, next, kAwaitAgreement, kAgreementTexts, kAgreementLayout,
          {"click", "Akzeptieren"}}, SetupResult::kInstall},
        {0, "", false, true, fresh,
         {install, {"click", "Desktop Shortcut erstellen"}, next, kAwaitAgreement,
          kTypingIntoALongAgreement, {"click", "Akzeptieren"}}, SetupResult::kInstallWithShortcut},
        {1006, "12.07.2007", true, false, Offer(false, kRepairCaption, true, true),
         {kDialogLayout, {"click", kRepairCaption}, next}, SetupResult::kRepair},
        {1006, "12.07.2007", true, false, Offer(false, kRepairCaption, true, true),
         {{"click", "deinstallieren"}, next}, SetupResult::kUninstall},
        {1006, "31.02.2007", false, false, Offer(false, kRefreshCaption, true, false),
         {{"click", kRefreshCaption}, next}, SetupResult::kRefresh},
        {1007, "01.01.2007", false, false, blocked,
         {{"await", "its message", "magenta on green", MessageInk}, {"click", "Abbruch"}},
         SetupResult::kCancelled},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        SetupRequest request = Request(c.installedVersion, c.installedDate);
        request.uninstallLocked = !c.unlocked;
        request.shortcutAllowed = c.shortcut;
        request.agreementText += c.shortcut ? Text(60, '\r') + "!" : "";
        std::vector<Step> steps = {
            kAwaitDialog, {"await", "its texts", DialogLines(request, c.offer), driver::Lines}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_EQ(Play(request, steps), c.result);
    }
}

TEST_F(SetupDialogTest, BackdropTypesItsLineLinksRedOnHoverAndStaysOnTopUntilALinkIsClicked) {
    SetupRequest request = Request(0, "");
    request.backdropOnTop = true;
    const auto width = std::to_string(GetSystemMetrics(SM_CXSCREEN) - 50);
    EXPECT_EQ(
        Play(request,
             {{"window", "SETUP", kSetupMakerLinkText},
              {"await", "the backdrop from the start", "on top", OnTop},
              {"window", "SETUP", kWelcomeText},
              {"await", "its layout", "40 120 " + width + " 40|4 22 80 10|4 32 80 10", Places},
              {"await", "the link under the pointer", "red",
               [](HWND b) { return LinkInk(b, true); }},
              {"await", "the link without it", "black", [](HWND b) { return LinkInk(b, false); }},
              {"await", "the backdrop still", "on top", OnTop},
              {"click", kSetupMakerLinkText},
              {"await", "the backdrop after a link", "not on top", OnTop},
              kAwaitDialog,
              {"click", "Abbruch"}}),
        SetupResult::kCancelled);
    // The backdrop's close box, used while the line is still typed.
    EXPECT_EQ(Play(request, {{"window", "SETUP", kSetupMakerLinkText}, {"close"}}),
              SetupResult::kCancelled);
}

struct HookTraits : NullableHandle<HHOOK> {
    static bool Close(Handle h) { return UnhookWindowsHookEx(h) != 0; }
};

// Shows the maximised backdrop minimised instead: it has no area for the gradient to fill.
LRESULT CALLBACK MinimiseInsteadOfMaximise(int code, WPARAM window, LPARAM show) {
    if (code == HCBT_MINMAX && show == SW_SHOWMAXIMIZED) {
        ShowWindow(reinterpret_cast<HWND>(window), SW_SHOWMINNOACTIVE);
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, window, show);
}

TEST_F(SetupDialogTest, WithoutAnyPictureTheDialogSaysSoAndTheFooterMovesRight) {
    ReleaseAllImages();
    const Owned<HookTraits> hook(
        SetWindowsHookExA(WH_CBT, MinimiseInsteadOfMaximise, nullptr, GetCurrentThreadId()));
    const auto pictureAndFooter = [](HWND dialog) {
        const std::string lines = driver::Lines(dialog), places = Places(dialog);
        return lines.substr(0, lines.find('\n')) + ", " + places.substr(0, places.find('|')) +
               ", " + places.substr(places.rfind('|') + 1);
    };
    EXPECT_EQ(
        Play(Request(0, ""),
             {kAwaitDialog,
              {"await", "the picture's place and the footer",
               shown::kNoPicture + std::string(", 0 0 110 300, 112 300 370 14"), pictureAndFooter},
              {"click", "Abbruch"}}),
        SetupResult::kCancelled);
}

// The fonts as "face height weight italic underlined".
std::string FontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return std::string(font.lfFaceName) + " " + std::to_string(font.lfHeight) +
           (font.lfWeight >= FW_BOLD ? " bold" : "") + (font.lfItalic ? " italic" : "") +
           (font.lfUnderline ? " underlined" : "");
}

// The fonts keep their 96-dpi pixel heights whatever the desktop's resolution: run at 96 dpi by
// default and at 120 dpi in a prefix set to it (QUORREL_EXPECTED_DPI names the resolution).
TEST_F(SetupDialogTest, FontsAreScaledToTheDesktopResolution) {
    const char* expected = std::getenv("QUORREL_EXPECTED_DPI");
    const int dpi = expected != nullptr ? std::atoi(expected) : 96;
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen.Get().dc, LOGPIXELSY), dpi);
    const auto height = [&](int base96, int base120) {
        return std::to_string(-MulDiv(dpi == 120 ? base120 : base96, dpi, 72));
    };
    const auto fonts = [](HWND dialog) {
        HWND backdrop = GetWindow(dialog, GW_OWNER);
        return FontOf(driver::Find(dialog, kAuthorWebAddress)) + ", " +
               FontOf(driver::Find(backdrop, kWelcomeText)) + ", " +
               FontOf(driver::Find(dialog, "Weiter")) + ", " +
               FontOf(driver::Find(backdrop, kSetupMakerLinkText));
    };
    const std::string base = "Arial " + height(8, 6), content = "Arial " + height(10, 8) + " bold";
    const auto agreementFonts = [](HWND agreement) {
        return FontOf(driver::Find(agreement, "Akzeptieren")) + ", " +
               FontOf(driver::Find(agreement, kAuthorWebAddress));
    };
    EXPECT_EQ(
        Play(Request(0, ""), {kAwaitDialog,
                              {"await", "the fonts",
                               base + ", Arial " + height(24, 19) + " bold italic underlined, " +
                                   content + ", Arial " + height(7, 6),
                               fonts},
                              {"click", "installieren"},
                              {"click", "Weiter"},
                              kAwaitAgreement,
                              {"await", "the fonts", content + ", " + base, agreementFonts},
                              {"click", "Abbruch"}}),
        SetupResult::kCancelled);
}

} // namespace
