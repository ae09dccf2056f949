#include "tests/e2e/driver/tree_selection.h"

#include <commctrl.h>

namespace {

// Memory inside the other process; tree-view messages carry pointers that Windows does not
// copy between processes, so the item description must live where the control can read it.
class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    char* Get() const { return static_cast<char*>(address_); }

  private:
    HANDLE process_;
    void* address_;
};

} // namespace

std::wstring SelectedTreeItemText(HANDLE process, HWND tree) {
    DWORD_PTR item = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_NORMAL, 2000, &item) ||
        item == 0) {
        return L"";
    }
    constexpr int kLabelChars = 520;
    RemoteBuffer remote(process, sizeof(TVITEMW) + kLabelChars * sizeof(wchar_t));
    if (remote.Get() == nullptr) {
        return L"";
    }
    TVITEMW request = {};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = reinterpret_cast<wchar_t*>(remote.Get() + sizeof(TVITEMW));
    request.cchTextMax = kLabelChars;
    DWORD_PTR found = 0;
    wchar_t label[kLabelChars] = {};
    if (!WriteProcessMemory(process, remote.Get(), &request, sizeof request, nullptr) ||
        !SendMessageTimeoutW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Get()),
                             SMTO_NORMAL, 2000, &found) ||
        !found ||
        !ReadProcessMemory(process, remote.Get() + sizeof(TVITEMW), label, sizeof label, nullptr)) {
        return L"";
    }
    label[kLabelChars - 1] = L'\0';
    return label;
}
