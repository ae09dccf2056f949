#include "gui_test_support.h"

#include "runtime/app_windows.h"
#include "runtime/fonts.h"
#include "runtime/gadgets.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

namespace {

// A window with its gadget list attached, closed after every test.
class GadgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(CreateAppWindow(1, 0, 0, 300, 284, "Fortschritt ...", 1), 0);
        ASSERT_EQ(AttachGadgetList(AppWindowHandle(1)), AppWindowHandle(1));
    }
    void TearDown() override {
        DestroyAppWindow(1);
        guitest::DrainEvents();
    }
    static LONG Style(int32_t gadget) { return GetWindowLongA(GadgetHandle(gadget), GWL_STYLE); }
};

RECT PlaceInParent(HWND gadget) {
    RECT rect{};
    GetWindowRect(gadget, &rect);
    MapWindowPoints(nullptr, GetParent(gadget), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST_F(GadgetTest, ProgressGadgetsAreAReadOnlyRichEditAndAButton) {
    const int32_t editor = CreateEditorField(100, 10, 10, 280, 230, kEditorReadOnly);
    const int32_t button = CreatePushButton(101, 10, 250, 280, 24, "Fertig");
    ASSERT_NE(editor, 0);
    ASSERT_NE(button, 0);
    EXPECT_EQ(editor, static_cast<int32_t>(reinterpret_cast<intptr_t>(GadgetHandle(100))));
    EXPECT_EQ(GetDlgCtrlID(GadgetHandle(100)), 100);
    EXPECT_EQ(GetDlgCtrlID(GadgetHandle(101)), 101);
    EXPECT_EQ(GetParent(GadgetHandle(100)), AppWindowHandle(1));
    const std::string editorClass = ClassOf(GadgetHandle(100));
    EXPECT_TRUE(editorClass == "RichEdit20A" || editorClass == "RichEdit") << editorClass;
    // The scroll bar bits come and go with the content, so they are not checked here.
    const LONG wanted =
        WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    EXPECT_EQ(Style(100) & wanted, wanted);
    EXPECT_NE(GetWindowLongA(GadgetHandle(100), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(ReadGadgetState(100), kEditorReadOnly);
    EXPECT_EQ(ReadGadgetText(101), "Fertig");
    EXPECT_EQ(Style(101) & (WS_TABSTOP | WS_GROUP), WS_TABSTOP | WS_GROUP);
}

TEST_F(GadgetTest, ReadOnlyEditorShowsEveryCrSeparatedLineWrittenToIt) {
    ASSERT_NE(CreateEditorField(100, 10, 10, 280, 230, kEditorReadOnly), 0);
    HWND editor = GadgetHandle(100);
    const Text log = "Starte die Installation ...\r\rLibrary entpackt\rBild entpackt";
    EXPECT_EQ(WriteGadgetText(100, log), 1);
    EXPECT_EQ(SendMessageA(editor, EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(ReadGadgetText(100), log);
    // Writing replaces the whole content.
    EXPECT_EQ(WriteGadgetText(100, "eins\rzwei"), 1);
    EXPECT_EQ(SendMessageA(editor, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(ReadGadgetText(100), "eins\rzwei");
}

TEST_F(GadgetTest, ReadOnlyEditorRefusesTypingButTakesItsTextAndCanBeMadeWritable) {
    ASSERT_NE(CreateEditorField(100, 10, 10, 280, 230, kEditorReadOnly), 0);
    HWND editor = GadgetHandle(100);
    WriteGadgetText(100, "fest");
    SendMessageA(editor, EM_SETSEL, 4, 4);
    SendMessageA(editor, WM_CHAR, 'x', 0);
    EXPECT_EQ(ReadGadgetText(100), "fest");
    EXPECT_EQ(WriteGadgetState(100, 0), 1);
    EXPECT_EQ(ReadGadgetState(100), 0);
    SendMessageA(editor, EM_SETSEL, 4, 4);
    SendMessageA(editor, WM_CHAR, 'x', 0);
    EXPECT_EQ(ReadGadgetText(100), "festx");
}

TEST_F(GadgetTest, EditorHasNoPracticalTextLimit) {
    ASSERT_NE(CreateEditorField(100, 10, 10, 280, 230), 0);
    const Text big(70000, 'a'); // beyond both 32767 and 64000, the usual limits
    WriteGadgetText(100, big);
    EXPECT_EQ(ReadGadgetText(100).size(), big.size());
}

TEST_F(GadgetTest, OptionRunsFormGroupsThatALabelBreaks) {
    ASSERT_NE(CreateCheckBox(10, 10, 0, 100, 18, "vorher"), 0);
    ASSERT_NE(CreateOptionButton(11, 10, 20, 100, 18, "installieren"), 0);
    ASSERT_NE(CreateOptionButton(12, 10, 40, 100, 18, "UpDate installieren"), 0);
    ASSERT_NE(CreateTextLabel(13, 10, 60, 100, 18, "Trenner"), 0);
    ASSERT_NE(CreateOptionButton(14, 10, 80, 100, 18, "deinstallieren"), 0);
    ASSERT_NE(CreateOptionButton(15, 10, 100, 100, 18, "noch eins"), 0);
    EXPECT_NE(Style(11) & WS_GROUP, 0);
    EXPECT_EQ(Style(12) & WS_GROUP, 0);
    EXPECT_NE(Style(14) & WS_GROUP, 0);
    EXPECT_EQ(Style(15) & WS_GROUP, 0);
    EXPECT_EQ(Style(11) & 0x0F, BS_AUTORADIOBUTTON);
    EXPECT_EQ(Style(10) & 0x0F, BS_AUTOCHECKBOX);

    EXPECT_EQ(ReadGadgetState(11), 0);
    EXPECT_EQ(WriteGadgetState(11, 1), 1);
    EXPECT_NE(ReadGadgetState(11), 0);
    // A click on the second option of the run clears the first.
    SendMessageA(GadgetHandle(12), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadGadgetState(11), 0);
    EXPECT_NE(ReadGadgetState(12), 0);
    EXPECT_EQ(ReadGadgetState(14), 0);
}

TEST_F(GadgetTest, MoveGadgetKeepsEveryValueGivenAsMinus65535) {
    ASSERT_NE(CreatePushButton(101, 10, 250, 280, 24, "Fertig"), 0);
    EXPECT_EQ(MoveGadget(101, kKeepValue, kKeepValue, 120, 30), 1);
    RECT place = PlaceInParent(GadgetHandle(101));
    EXPECT_EQ(place.left, 10);
    EXPECT_EQ(place.top, 250);
    EXPECT_EQ(place.right - place.left, 120);
    EXPECT_EQ(place.bottom - place.top, 30);
    EXPECT_EQ(MoveGadget(101, 40, 60, kKeepValue, kKeepValue), 1);
    place = PlaceInParent(GadgetHandle(101));
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.top, 60);
    EXPECT_EQ(place.right - place.left, 120);
    EXPECT_EQ(place.bottom - place.top, 30);
}

TEST_F(GadgetTest, NestedContainersHoldTheirGadgetsAndCloseBackToTheirParent) {
    ASSERT_NE(CreateContainerPanel(30, 112, 0, 180, 280, 1), 0);
    ASSERT_NE(CreateContainerPanel(31, 6, 160, 160, 100, 1), 0);
    ASSERT_NE(CreateTextLabel(32, 6, 8, 140, 40, "Nachricht"), 0);
    CloseGadgetContainer();
    ASSERT_NE(CreatePushButton(33, 10, 266, 100, 24, "Weiter"), 0);
    CloseGadgetContainer();
    CloseGadgetContainer(); // already at the outermost level: no effect
    ASSERT_NE(CreateTextLabel(34, 0, 0, 100, 14, "Fußzeile"), 0);

    EXPECT_EQ(GetParent(GadgetHandle(32)), GadgetHandle(31));
    EXPECT_EQ(GetParent(GadgetHandle(31)), GadgetHandle(30));
    EXPECT_EQ(GetParent(GadgetHandle(33)), GadgetHandle(30));
    EXPECT_EQ(GetParent(GadgetHandle(34)), AppWindowHandle(1));
    EXPECT_NE(Style(30) & WS_BORDER, 0);
    EXPECT_EQ(ReadGadgetText(34), "Fußzeile");
}

TEST_F(GadgetTest, ContainerBorderIsTheFirstKindNamed) {
    struct Case {
        int32_t flags;
        LONG style;
        LONG exStyle;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1, WS_BORDER, 0},
        {2, WS_DLGFRAME, 0},
        {3, WS_BORDER, 0},
        {4, 0, WS_EX_STATICEDGE},
        {8, 0, WS_EX_CLIENTEDGE},
        {12, 0, WS_EX_STATICEDGE},
    };
    for (const Case& c : cases) {
        ASSERT_NE(CreateContainerPanel(40, 0, 0, 50, 50, c.flags), 0);
        HWND panel = GadgetHandle(40);
        EXPECT_EQ(GetWindowLongA(panel, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME), c.style) << c.flags;
        EXPECT_EQ(GetWindowLongA(panel, GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE),
                  c.exStyle)
            << c.flags;
        CloseGadgetContainer();
    }
}

TEST_F(GadgetTest, ReplacingAGadgetNumberDestroysTheOldControl) {
    ASSERT_NE(CreatePushButton(50, 0, 0, 50, 20, "alt"), 0);
    HWND old = GadgetHandle(50);
    ASSERT_NE(CreatePushButton(50, 0, 0, 50, 20, "neu"), 0);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(ReadGadgetText(50), "neu");

    const int32_t allocated = CreateCheckBox(-1, 0, 30, 50, 20, "frei");
    ASSERT_GT(allocated, 101);
    EXPECT_EQ(ReadGadgetText(allocated), "frei");
    EXPECT_EQ(GetDlgCtrlID(GadgetHandle(allocated)), allocated);
}

TEST_F(GadgetTest, GadgetsGoWithTheirWindow) {
    ASSERT_NE(CreatePushButton(101, 10, 250, 280, 24, "Fertig"), 0);
    DestroyAppWindow(1);
    EXPECT_EQ(GadgetHandle(101), nullptr);
    EXPECT_EQ(WriteGadgetText(101, "x"), 0);
    EXPECT_EQ(AttachGadgetList(AppWindowHandle(1)), nullptr);
    EXPECT_EQ(CreatePushButton(101, 10, 250, 280, 24, "Fertig"), 0);
}

TEST_F(GadgetTest, UnknownGadgetNumbersDoNothing) {
    EXPECT_EQ(GadgetHandle(77), nullptr);
    EXPECT_EQ(WriteGadgetText(77, "x"), 0);
    EXPECT_EQ(ReadGadgetText(77), "");
    EXPECT_EQ(ReadGadgetState(77), 0);
    EXPECT_EQ(SetGadgetDisabled(77, 1), 0);
    EXPECT_EQ(SetGadgetHidden(77, 1), 0);
    EXPECT_EQ(MoveGadget(77, 1, 1, 1, 1), 0);
    EXPECT_EQ(SetGadgetTooltip(77, "x"), 0);
    EXPECT_EQ(ApplyGadgetFont(77, -1), 0);
}

TEST_F(GadgetTest, DisabledAndHiddenFollowTheirFlags) {
    ASSERT_NE(CreateCheckBox(60, 0, 0, 200, 18, "Desktop Shortcut erstellen"), 0);
    EXPECT_EQ(SetGadgetDisabled(60, 1), 1);
    EXPECT_FALSE(IsWindowEnabled(GadgetHandle(60)));
    EXPECT_EQ(SetGadgetDisabled(60, 0), 1);
    EXPECT_TRUE(IsWindowEnabled(GadgetHandle(60)));
    EXPECT_EQ(SetGadgetHidden(60, 1), 1);
    EXPECT_FALSE(IsWindowVisible(GadgetHandle(60)));
    EXPECT_EQ(SetGadgetHidden(60, 0), 1);
    EXPECT_TRUE(IsWindowVisible(GadgetHandle(60)));
}

TEST_F(GadgetTest, NewGadgetsTakeTheDefaultFontAndSingleGadgetsTheirOwn) {
    ASSERT_NE(CreateFontObject(0, "Arial", 10, kFontBold), 0);
    HFONT content = FontObjectHandle(0);
    ASSERT_NE(content, nullptr);
    HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

    ASSERT_NE(CreateTextLabel(70, 0, 0, 100, 18, "standard"), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GadgetHandle(70), WM_GETFONT, 0, 0)), stock);
    ApplyGadgetFont(-1, content);
    ASSERT_NE(CreateTextLabel(71, 0, 20, 100, 18, "fett"), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GadgetHandle(71), WM_GETFONT, 0, 0)), content);
    EXPECT_EQ(ApplyGadgetFont(70, content), 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GadgetHandle(70), WM_GETFONT, 0, 0)), content);
    ApplyGadgetFont(-1, -1);
    ASSERT_NE(CreateTextLabel(72, 0, 40, 100, 18, "wieder standard"), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(GadgetHandle(72), WM_GETFONT, 0, 0)), stock);
}

BOOL CALLBACK CollectTooltipsOfWindow1(HWND window, LPARAM list) {
    if (ClassOf(window) == "tooltips_class32" &&
        GetWindow(window, GW_OWNER) == AppWindowHandle(1)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

TEST_F(GadgetTest, TooltipIsOneWindowPerGadgetListAndReplacedPerGadget) {
    ASSERT_NE(CreatePushButton(80, 0, 0, 80, 20, "a"), 0);
    ASSERT_NE(CreatePushButton(81, 0, 30, 80, 20, "b"), 0);
    EXPECT_EQ(SetGadgetTooltip(80, "https://example.org/eins"), 1);
    EXPECT_EQ(SetGadgetTooltip(81, "zwei"), 1);
    EXPECT_EQ(SetGadgetTooltip(80, "https://example.org/neu"), 1);

    std::vector<HWND> tooltips;
    EnumThreadWindows(GetCurrentThreadId(), CollectTooltipsOfWindow1,
                      reinterpret_cast<LPARAM>(&tooltips));
    ASSERT_EQ(tooltips.size(), 1u);
    EXPECT_EQ(SendMessageA(tooltips[0], TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_NE(GetWindowLongA(tooltips[0], GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

} // namespace
