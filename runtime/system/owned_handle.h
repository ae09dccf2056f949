// Owners of the system's handles, one traits type each; see runtime/base/owner.h.
#pragma once

#include "runtime/base/owner.h"

#include <windows.h>

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static bool Close(Handle h) { return CloseHandle(h) != 0; }
};
using OwnedFile = Owned<FileHandleTraits>;

struct KernelHandleTraits : FileHandleTraits {
    static Handle Invalid() { return nullptr; }
};
using OwnedHandle = Owned<KernelHandleTraits>;

struct ModuleTraits : NullableHandle<HMODULE> {
    static bool Close(Handle h) { return FreeLibrary(h) != 0; }
};
using OwnedModule = Owned<ModuleTraits>;

// A window is destroyed when its owner lets go of it, unless Windows has destroyed it already
// (with its parent, say).
struct WindowTraits : NullableHandle<HWND> {
    static bool Close(Handle h) { return !IsWindow(h) || DestroyWindow(h) != 0; }
};
using OwnedWindow = Owned<WindowTraits>;

// A window class of this program's module, registered under the atom.
struct WindowClassTraits {
    using Handle = ATOM;
    static Handle Invalid() { return 0; }
    static bool IsValid(Handle h) { return h != 0; }
    static bool Close(Handle h) {
        return UnregisterClassA(MAKEINTATOM(h), GetModuleHandleA(nullptr)) != 0;
    }
};
using OwnedWindowClass = Owned<WindowClassTraits>;

struct AcceleratorTraits : NullableHandle<HACCEL> {
    static bool Close(Handle h) { return DestroyAcceleratorTable(h) != 0; }
};
using OwnedAccelerators = Owned<AcceleratorTraits>;

struct IconTraits : NullableHandle<HICON> {
    static bool Close(Handle h) { return DestroyIcon(h) != 0; }
};
using OwnedIcon = Owned<IconTraits>;

struct GdiObjectTraits : NullableHandle<HGDIOBJ> {
    static bool Close(Handle h) { return DeleteObject(h) != 0; }
};
using OwnedGdiObject = Owned<GdiObjectTraits>;

struct MemoryDcTraits : NullableHandle<HDC> {
    static bool Close(Handle h) { return DeleteDC(h) != 0; }
};
using OwnedMemoryDc = Owned<MemoryDcTraits>;

// A window's device context, taken with GetDC and given back with ReleaseDC; the null window
// stands for the whole screen.
struct WindowDcTraits {
    struct Handle {
        HWND window;
        HDC dc;
    };
    static Handle Invalid() { return {nullptr, nullptr}; }
    static bool IsValid(Handle h) { return h.dc != nullptr; }
    static bool Close(Handle h) { return ReleaseDC(h.window, h.dc) != 0; }
};
using OwnedWindowDc = Owned<WindowDcTraits>;

inline OwnedWindowDc TakeWindowDc(HWND window) {
    return OwnedWindowDc({window, GetDC(window)});
}

// An object selected into a device context: the object it replaced goes back when the owner
// lets go, so no path leaves a bitmap, pen, brush or font selected.
struct DcSelectionTraits {
    struct Handle {
        HDC dc;
        HGDIOBJ previous;
    };
    static Handle Invalid() { return {nullptr, nullptr}; }
    static bool IsValid(Handle h) { return h.previous != nullptr; }
    static bool Close(Handle h) { return SelectObject(h.dc, h.previous) != nullptr; }
};
using DcSelection = Owned<DcSelectionTraits>;

// Empty (nothing to put back) when the object is null or the system refuses the selection.
inline DcSelection SelectInto(HDC dc, HGDIOBJ object) {
    return DcSelection({dc, object != nullptr ? SelectObject(dc, object) : nullptr});
}
