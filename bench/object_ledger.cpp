#include "object_ledger.h"

#include "import_patch.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <map>
#include <mutex>

namespace ledger {
namespace {

enum Kind { kBitmap, kBrush, kPen, kFont, kMemoryDc, kWindowDc, kWindow, kIcon, kAccelerators,
            kKindCount };
constexpr std::array<const char*, kKindCount> kKindNames = {
    "gdi.bitmap", "gdi.brush", "gdi.pen", "gdi.font", "gdi.memory_dc", "gdi.window_dc",
    "user.window", "user.icon", "user.accelerator_table"};

// Never destroyed: the last report is made after the program's static objects are gone.
struct State {
    std::mutex lock;
    std::map<void*, Kind> live;
    std::array<int, kKindCount> created{};
    std::array<int, kKindCount> released{};
};
State& g = *new State;

void Created(void* handle, Kind kind) {
    if (handle == nullptr) {
        return;
    }
    std::lock_guard<std::mutex> hold(g.lock);
    g.live[handle] = kind;
    ++g.created[kind];
}

void Released(void* handle) {
    std::lock_guard<std::mutex> hold(g.lock);
    const auto it = g.live.find(handle);
    if (it != g.live.end()) {
        ++g.released[it->second];
        g.live.erase(it);
    }
}

// The system functions, as the import table held them.
decltype(&::CreateCompatibleBitmap) g_createCompatibleBitmap;
decltype(&::CreateCompatibleDC) g_createCompatibleDc;
decltype(&::CreateDIBSection) g_createDibSection;
decltype(&::CreateFontA) g_createFont;
decltype(&::CreatePatternBrush) g_createPatternBrush;
decltype(&::CreatePen) g_createPen;
decltype(&::CreateSolidBrush) g_createSolidBrush;
decltype(&::DeleteDC) g_deleteDc;
decltype(&::DeleteObject) g_deleteObject;
decltype(&::GetDC) g_getDc;
decltype(&::ReleaseDC) g_releaseDc;
decltype(&::CreateWindowExA) g_createWindow;
decltype(&::CreateAcceleratorTableA) g_createAccelerators;
decltype(&::DestroyAcceleratorTable) g_destroyAccelerators;
decltype(&::CreateIconFromResourceEx) g_createIcon;
decltype(&::CopyIcon) g_copyIcon;
decltype(&::CopyImage) g_copyImage;
decltype(&::DestroyIcon) g_destroyIcon;
decltype(&::GetIconInfo) g_getIconInfo;

HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int width, int height) {
    HBITMAP bitmap = g_createCompatibleBitmap(dc, width, height);
    Created(bitmap, kBitmap);
    return bitmap;
}
HDC WINAPI HookCreateCompatibleDc(HDC dc) {
    HDC memory = g_createCompatibleDc(dc);
    Created(memory, kMemoryDc);
    return memory;
}
HBITMAP WINAPI HookCreateDibSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                    HANDLE section, DWORD offset) {
    HBITMAP bitmap = g_createDibSection(dc, info, usage, bits, section, offset);
    Created(bitmap, kBitmap);
    return bitmap;
}
HFONT WINAPI HookCreateFont(int height, int width, int escapement, int orientation, int weight,
                            DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                            DWORD precision, DWORD clipPrecision, DWORD quality, DWORD pitch,
                            LPCSTR face) {
    HFONT font = g_createFont(height, width, escapement, orientation, weight, italic, underline,
                              strikeOut, charSet, precision, clipPrecision, quality, pitch, face);
    Created(font, kFont);
    return font;
}
HBRUSH WINAPI HookCreatePatternBrush(HBITMAP bitmap) {
    HBRUSH brush = g_createPatternBrush(bitmap);
    Created(brush, kBrush);
    return brush;
}
HPEN WINAPI HookCreatePen(int style, int width, COLORREF colour) {
    HPEN pen = g_createPen(style, width, colour);
    Created(pen, kPen);
    return pen;
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF colour) {
    HBRUSH brush = g_createSolidBrush(colour);
    Created(brush, kBrush);
    return brush;
}
BOOL WINAPI HookDeleteDc(HDC dc) {
    const BOOL ok = g_deleteDc(dc);
    if (ok) {
        Released(dc);
    }
    return ok;
}
BOOL WINAPI HookDeleteObject(HGDIOBJ object) {
    const BOOL ok = g_deleteObject(object);
    if (ok) {
        Released(object);
    }
    return ok;
}
HDC WINAPI HookGetDc(HWND window) {
    HDC dc = g_getDc(window);
    Created(dc, kWindowDc);
    return dc;
}
int WINAPI HookReleaseDc(HWND window, HDC dc) {
    const int ok = g_releaseDc(window, dc);
    if (ok) {
        Released(dc);
    }
    return ok;
}
HWND WINAPI HookCreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x,
                             int y, int width, int height, HWND parent, HMENU menu,
                             HINSTANCE instance, LPVOID parameter) {
    HWND window = g_createWindow(exStyle, className, title, style, x, y, width, height, parent,
                                 menu, instance, parameter);
    Created(window, kWindow);
    return window;
}
HACCEL WINAPI HookCreateAccelerators(LPACCEL entries, int count) {
    HACCEL table = g_createAccelerators(entries, count);
    Created(table, kAccelerators);
    return table;
}
BOOL WINAPI HookDestroyAccelerators(HACCEL table) {
    const BOOL ok = g_destroyAccelerators(table);
    if (ok) {
        Released(table);
    }
    return ok;
}
HICON WINAPI HookCreateIcon(PBYTE bits, DWORD size, BOOL isIcon, DWORD version, int width,
                            int height, UINT flags) {
    HICON icon = g_createIcon(bits, size, isIcon, version, width, height, flags);
    if ((flags & LR_SHARED) == 0) {
        Created(icon, kIcon);
    }
    return icon;
}
HICON WINAPI HookCopyIcon(HICON icon) {
    HICON copy = g_copyIcon(icon);
    Created(copy, kIcon);
    return copy;
}
HANDLE WINAPI HookCopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    HANDLE copy = g_copyImage(image, type, width, height, flags);
    if (copy != nullptr && (flags & LR_COPYDELETEORG) != 0 && copy != image) {
        Released(image);
    }
    if (copy != image) {
        Created(copy, type == IMAGE_BITMAP ? kBitmap : kIcon);
    }
    return copy;
}
BOOL WINAPI HookDestroyIcon(HICON icon) {
    const BOOL ok = g_destroyIcon(icon);
    if (ok) {
        Released(icon);
    }
    return ok;
}
// The caller owns the two bitmaps that come back.
BOOL WINAPI HookGetIconInfo(HICON icon, PICONINFO info) {
    const BOOL ok = g_getIconInfo(icon, info);
    if (ok) {
        Created(info->hbmMask, kBitmap);
        Created(info->hbmColor, kBitmap);
    }
    return ok;
}

template <typename F> void Redirect(F& original, const char* dll, const char* name, F hook) {
    original = reinterpret_cast<F>(PatchImport(dll, name, reinterpret_cast<void*>(hook)));
    if (original == nullptr) {
        // Not imported by this program: keep a working pointer all the same.
        original = reinterpret_cast<F>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
    }
}

bool Exists(void* handle, Kind kind) {
    switch (kind) {
    case kWindow: return IsWindow(static_cast<HWND>(handle)) != 0;
    case kWindowDc: return true; // released only by ReleaseDC; cached DCs stay valid after it
    case kAccelerators: return CopyAcceleratorTableA(static_cast<HACCEL>(handle), nullptr, 0) > 0;
    case kIcon: {
        ICONINFO info{};
        if (!g_getIconInfo(static_cast<HICON>(handle), &info)) {
            return false;
        }
        g_deleteObject(info.hbmMask);
        g_deleteObject(info.hbmColor);
        return true;
    }
    default: return GetObjectType(static_cast<HGDIOBJ>(handle)) != 0;
    }
}

} // namespace

void Install() {
    Redirect(g_createCompatibleBitmap, "gdi32.dll", "CreateCompatibleBitmap",
             HookCreateCompatibleBitmap);
    Redirect(g_createCompatibleDc, "gdi32.dll", "CreateCompatibleDC", HookCreateCompatibleDc);
    Redirect(g_createDibSection, "gdi32.dll", "CreateDIBSection", HookCreateDibSection);
    Redirect(g_createFont, "gdi32.dll", "CreateFontA", HookCreateFont);
    Redirect(g_createPatternBrush, "gdi32.dll", "CreatePatternBrush", HookCreatePatternBrush);
    Redirect(g_createPen, "gdi32.dll", "CreatePen", HookCreatePen);
    Redirect(g_createSolidBrush, "gdi32.dll", "CreateSolidBrush", HookCreateSolidBrush);
    Redirect(g_deleteDc, "gdi32.dll", "DeleteDC", HookDeleteDc);
    Redirect(g_deleteObject, "gdi32.dll", "DeleteObject", HookDeleteObject);
    Redirect(g_getDc, "user32.dll", "GetDC", HookGetDc);
    Redirect(g_releaseDc, "user32.dll", "ReleaseDC", HookReleaseDc);
    Redirect(g_createWindow, "user32.dll", "CreateWindowExA", HookCreateWindow);
    Redirect(g_createAccelerators, "user32.dll", "CreateAcceleratorTableA",
             HookCreateAccelerators);
    Redirect(g_destroyAccelerators, "user32.dll", "DestroyAcceleratorTable",
             HookDestroyAccelerators);
    Redirect(g_createIcon, "user32.dll", "CreateIconFromResourceEx", HookCreateIcon);
    Redirect(g_copyIcon, "user32.dll", "CopyIcon", HookCopyIcon);
    Redirect(g_copyImage, "user32.dll", "CopyImage", HookCopyImage);
    Redirect(g_destroyIcon, "user32.dll", "DestroyIcon", HookDestroyIcon);
    Redirect(g_getIconInfo, "user32.dll", "GetIconInfo", HookGetIconInfo);
}

std::string Report(const char* label) {
    std::lock_guard<std::mutex> hold(g.lock);
    std::array<int, kKindCount> existing{};
    for (const auto& [handle, kind] : g.live) {
        existing[kind] += Exists(handle, kind) ? 1 : 0;
    }
    std::string lines;
    int created = 0, released = 0, left = 0;
    char line[160];
    for (int kind = 0; kind < kKindCount; ++kind) {
        std::snprintf(line, sizeof line, "objects at=%s kind=%s created=%d released=%d left=%d\n",
                      label, kKindNames[kind], g.created[kind], g.released[kind],
                      existing[kind]);
        lines += line;
        created += g.created[kind];
        released += g.released[kind];
        left += existing[kind];
    }
    std::snprintf(line, sizeof line, "objects at=%s kind=all created=%d released=%d left=%d\n",
                  label, created, released, left);
    return lines + line;
}

int StillExisting() {
    std::lock_guard<std::mutex> hold(g.lock);
    int left = 0;
    for (const auto& [handle, kind] : g.live) {
        left += Exists(handle, kind) ? 1 : 0;
    }
    return left;
}

} // namespace ledger
