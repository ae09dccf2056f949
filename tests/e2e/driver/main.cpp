// Drives the installer from outside through one scenario and says where it went wrong.
// Usage: quorrel-e2e-driver <setup program> <scenario file>
//
// A scenario (UTF-8) holds one step a line, the steps of tests/support/window_driver.h, each
// followed by the lines of its text ("| text", or "|" alone for an empty line; "\t" stands for
// a TAB):
//   window Abbruch
//   | falscher Pfad - bitte wiederholen
// and two steps of its own:
//   exit <code>        the program ends (within the 30 s every wait has) with that exit code
//   screenshot <file>  of the current window, once it is painted (a bitmap file, for the demo)
#include "support/window_driver.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

OwnedHandle gProduct;

std::string Recode(const std::string& text, UINT from, UINT to) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(from, 0, text.data(), text.size(), wide.data(), wide.size()));
    std::string result(wide.size() * 4, '\0');
    result.resize(WideCharToMultiByte(to, 0, wide.data(), wide.size(), result.data(), result.size(),
                                      nullptr, nullptr));
    return result;
}

// Prints a Windows-1252 line as UTF-8.
void Say(const std::string& text) {
    fputs(Recode(text + "\n", 1252, CP_UTF8).c_str(), stdout);
    fflush(stdout);
}

// Says why the run failed, then ends the product and the driver: a failed run leaves nothing
// behind that could block the next one.
[[noreturn]] void Fail(const std::string& why) {
    Say("FAILED: " + why);
    TerminateProcess(gProduct.Get(), 0xDEAD);
    WaitForSingleObject(gProduct.Get(), 5000);
    std::exit(1);
}

// The steps of a scenario in Windows-1252, as the product's texts are.
std::vector<driver::Step> ParseScenario(const std::string& content) {
    std::vector<driver::Step> steps;
    std::istringstream in(content);
    bool firstTextLine = true;
    for (std::string line; std::getline(in, line);) {
        std::erase(line, '\r');
        std::istringstream words(line);
        driver::Step step;
        if (line.starts_with('|') && !steps.empty()) {
            for (size_t tab; (tab = line.find("\\t")) != std::string::npos;) {
                line.replace(tab, 2, "\t");
            }
            // The one blank after the bar belongs to the syntax.
            steps.back().text +=
                (firstTextLine ? "" : "\n") + line.substr(line.starts_with("| ") ? 2 : 1);
            firstTextLine = false;
        } else if ((words >> step.action) && !step.action.starts_with('#')) {
            std::getline(words >> std::ws, step.target);
            steps.push_back(step);
            firstTextLine = true;
        }
    }
    return steps;
}

// Saves the driver's current window with a margin of what lies around it (the whole screen for
// a maximised window) as a bitmap file, once the window has painted itself anew; false when it
// cannot.
bool SaveScreenshot(const driver::Driver& user, const std::string& path) {
    HWND window = user.Window();
    // Everything is painted anew before the shot, once the product has done so: a window that
    // has just appeared may still be filling its controls.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300); // Wine hands what a window painted to the X server a moment later
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area = screen;
    if (!IsZoomed(window) && GetWindowRect(window, &area)) {
        InflateRect(&area, 16, 16); // a margin of what lies around the window
        IntersectRect(&area, &area, &screen);
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Bottom-up rows of 32-bit pixels, as bitmap files store them.
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    info.biSizeImage = static_cast<DWORD>(width * height * 4);
    void* pixels = nullptr;
    const OwnedWindowDc screenDc = TakeWindowDc(nullptr);
    OwnedMemoryDc memory(CreateCompatibleDC(screenDc.Get().dc));
    OwnedGdiObject bitmap(CreateDIBSection(screenDc.Get().dc, reinterpret_cast<BITMAPINFO*>(&info),
                                           DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!memory || !bitmap) {
        return false;
    }
    {
        const DcSelection selected = SelectInto(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screenDc.Get().dc, area.left, area.top, SRCCOPY);
    }
    constexpr DWORD kHeaderBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, kHeaderBytes + info.biSizeImage, 0, 0, kHeaderBytes}; // "BM"
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(static_cast<const char*>(pixels), info.biSizeImage);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    std::ostringstream content;
    content << std::ifstream(argc == 3 ? argv[2] : "", std::ios::binary).rdbuf();
    if (!content) {
        Fail("usage: quorrel-e2e-driver <setup program> <readable scenario file>");
    }
    const std::vector<driver::Step> steps = ParseScenario(Recode(content.str(), CP_UTF8, 1252));
    std::string commandLine = "\"" + std::string(argv[1]) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION product{};
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &product)) {
        Fail("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    }
    const OwnedHandle thread(product.hThread);
    gProduct.Reset(product.hProcess);
    constexpr DWORD kWaitMs = 30000;
    driver::Driver user(product.dwProcessId, kWaitMs);
    for (const driver::Step& step : steps) {
        Say("- " + step.action + " " + step.target);
        DWORD code = STILL_ACTIVE;
        if (step.action == "exit") {
            WaitForSingleObject(gProduct.Get(), kWaitMs);
            GetExitCodeProcess(gProduct.Get(), &code);
            if (std::to_string(code) != step.target) {
                Fail("expected exit code " + step.target + "; the setup " +
                     (code == STILL_ACTIVE ? "still runs" : "ended with " + std::to_string(code)));
            }
        } else if (step.action == "screenshot") {
            if (!SaveScreenshot(user, step.target)) {
                Fail("cannot save the screenshot " + step.target);
            }
        } else if (!user.Do(step)) {
            Fail(user.Failure());
        }
    }
    if (WaitForSingleObject(gProduct.Get(), 0) != WAIT_OBJECT_0) {
        Fail("the setup still runs after the last step (the scenario must end with exit)");
    }
    Say("scenario passed");
    return 0;
}
