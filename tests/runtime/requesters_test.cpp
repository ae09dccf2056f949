#include "runtime/requesters.h"

#include "support/window_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

namespace {

std::string Lowered(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The folder browser's tree with the caret on an item whose text contains the wanted part.
bool TreeSelectionContains(HWND browser, const std::string& part) {
    HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    if (tree == nullptr) {
        return false;
    }
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) {
        return false;
    }
    char text[MAX_PATH] = {};
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return Lowered(text).find(Lowered(part)) != std::string::npos;
}

// A plain visible top-level window of the test thread, to watch being disabled.
class ThreadWindow {
  public:
    ThreadWindow() {
        static const ATOM registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "QuorrelRequesterTestWindow";
            return RegisterClassA(&windowClass);
        }();
        (void)registered;
        window_ =
            CreateWindowExA(0, "QuorrelRequesterTestWindow", "other", WS_POPUP | WS_VISIBLE, 10, 10,
                            100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ThreadWindow(const ThreadWindow&) = delete;
    ThreadWindow& operator=(const ThreadWindow&) = delete;
    ~ThreadWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }

  private:
    HWND window_;
};

// What the driver thread saw while the requester was open.
struct Observed {
    bool found = false;
    bool ready = false;
    bool othersDisabled = false;
    bool pressed = false;
    std::string texts;
};

// Runs the driver on a second thread while the test thread is inside a requester. Should the
// requester never close, the process ends with a failure rather than hanging the suite.
class Driver {
  public:
    template <typename Steps> explicit Driver(Steps steps) {
        thread_ = std::thread([this, steps] {
            steps(observed_);
            const DWORD start = GetTickCount();
            while (!returned_) {
                if (GetTickCount() - start > 20000) {
                    fprintf(stderr, "requester did not close\n");
                    fflush(stderr);
                    TerminateProcess(GetCurrentProcess(), 3);
                }
                Sleep(20);
            }
        });
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    ~Driver() { Finish(); }

    // Called by the test thread once the requester returned.
    const Observed& Finish() {
        returned_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return observed_;
    }

  private:
    std::thread thread_;
    std::atomic<bool> returned_{false};
    Observed observed_;
};

class RequesterTest : public ::testing::Test {
  protected:
    // Wine's browser compares folder identifiers that include the last access time, and the
    // first listing of a new folder changes that time: list each folder once beforehand.
    static void SetUpTestSuite() {
        root_ = "C:\\quorrel-chooser-" + std::to_string(GetCurrentProcessId());
        target_ = root_ + "\\Ziel Ordner";
        CreateDirectoryA(root_.c_str(), nullptr);
        CreateDirectoryA(target_.c_str(), nullptr);
        for (const std::string& folder : {root_, target_}) {
            WIN32_FIND_DATAA entry;
            HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
            if (find != INVALID_HANDLE_VALUE) {
                FindClose(find);
            }
        }
    }
    static void TearDownTestSuite() {
        RemoveDirectoryA(target_.c_str());
        RemoveDirectoryA(root_.c_str());
    }
    void SetUp() override {
        ASSERT_EQ(GetFileAttributesA(target_.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
                  static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    }

    // Drives a folder browser: waits for it and for the wanted selection, then presses a button.
    static Driver BrowserDriver(std::string selected, int button,
                                std::initializer_list<HWND> others) {
        std::vector<HWND> watched(others);
        return Driver([selected, button, watched](Observed& seen) {
            HWND browser = driver::WaitForWindow("#32770", "");
            seen.found = browser != nullptr;
            if (!seen.found) {
                return;
            }
            seen.ready =
                driver::WaitUntil([&] { return TreeSelectionContains(browser, selected); }, 10000);
            seen.texts = driver::StaticTexts(browser);
            seen.othersDisabled = true;
            for (HWND window : watched) {
                seen.othersDisabled = seen.othersDisabled && !IsWindowEnabled(window);
            }
            seen.pressed = driver::PressButton(browser, button);
        });
    }

    static std::string root_;
    static std::string target_;
};

std::string RequesterTest::root_;
std::string RequesterTest::target_;

TEST_F(RequesterTest, ConfirmedFolderComesBackWithBackslash) {
    const ThreadWindow first;
    const ThreadWindow second;
    ASSERT_TRUE(IsWindowEnabled(first.Get()));

    Driver driver = BrowserDriver("Ziel Ordner", IDOK, {first.Get(), second.Get()});
    const Text chosen = ChooseDirectory("Zielverzeichnis wählen", target_ + "\\");
    const Observed& seen = driver.Finish();

    ASSERT_TRUE(seen.found) << "no folder browser appeared";
    EXPECT_TRUE(seen.ready) << "the initial folder was never selected";
    EXPECT_TRUE(seen.othersDisabled);
    EXPECT_TRUE(seen.pressed);
    EXPECT_EQ(chosen, target_ + "\\");
    EXPECT_NE(seen.texts.find("Zielverzeichnis wählen"), std::string::npos) << seen.texts;
    EXPECT_TRUE(IsWindowEnabled(first.Get()));
    EXPECT_TRUE(IsWindowEnabled(second.Get()));
}

TEST_F(RequesterTest, CancelledChooserGivesEmptyText) {
    Driver driver = BrowserDriver("Ziel Ordner", IDCANCEL, {});
    const Text chosen = ChooseDirectory("Zielverzeichnis", target_);
    const Observed& seen = driver.Finish();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.pressed);
    EXPECT_EQ(chosen, "");
}

TEST_F(RequesterTest, DriveRootKeepsItsBackslash) {
    Driver driver = BrowserDriver("C:", IDOK, {});
    const Text chosen = ChooseDirectory("Laufwerk", "C:\\");
    const Observed& seen = driver.Finish();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.ready);
    EXPECT_EQ(chosen, "C:\\");
}

TEST_F(RequesterTest, VirtualFolderCountsAsNoChoice) {
    Driver driver([](Observed& seen) {
        HWND browser = driver::WaitForWindow("#32770", "");
        seen.found = browser != nullptr;
        if (!seen.found) {
            return;
        }
        PIDLIST_ABSOLUTE computer = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
            // Same process: the item identifier can be handed over directly.
            SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
            CoTaskMemFree(computer);
            seen.ready = true;
        }
        seen.pressed = driver::PressButton(browser, IDOK);
    });
    const Text chosen = ChooseDirectory("Virtuell", "");
    const Observed& seen = driver.Finish();
    ASSERT_TRUE(seen.found);
    ASSERT_TRUE(seen.ready);
    EXPECT_EQ(chosen, "");
}

TEST(ShowMessage, ShowsBothLinesAndDisablesTheThreadsOtherWindows) {
    const ThreadWindow alreadyDisabled;
    const ThreadWindow other;
    const ThreadWindow owner;
    EnableWindow(alreadyDisabled.Get(), FALSE);
    // The box's owner is the foreground window; the system itself disables that one.
    SetForegroundWindow(owner.Get());
    ASSERT_EQ(GetForegroundWindow(), owner.Get());
    const HWND otherWindow = other.Get();

    Driver driver([otherWindow](Observed& seen) {
        HWND box = driver::WaitForWindow("#32770", "Achtung");
        seen.found = box != nullptr;
        if (!seen.found) {
            return;
        }
        seen.ready = driver::WaitUntil([&] { return !driver::StaticTexts(box).empty(); }, 5000);
        seen.texts = driver::NormaliseLineEnds(driver::StaticTexts(box));
        seen.othersDisabled = !IsWindowEnabled(otherWindow);
        seen.pressed = driver::PressButton(box, IDOK);
    });
    ShowMessage("Achtung", "Erste Zeile\rZweite Zeile");
    const Observed& seen = driver.Finish();

    ASSERT_TRUE(seen.found) << "no message box appeared";
    EXPECT_NE(seen.texts.find("Erste Zeile\nZweite Zeile"), std::string::npos) << seen.texts;
    EXPECT_TRUE(seen.othersDisabled);
    EXPECT_TRUE(IsWindowEnabled(other.Get()));
    EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.Get())); // left as it was found
}

} // namespace
