#include "registry/root_keys.h"

#include "registry/last_error_text.h"

namespace {

struct RootKeyRow {
    RootKey root;
    const char* name;
};

// Lookups in either direction test the rows in this order.
constexpr RootKeyRow kRootKeyTable[] = {
    {kHkeyCurrentUser, "#HKEY_CURRENT_USER"},
    {kHkeyLocalMachine, "#HKEY_LOCAL_MACHINE"},
    {kHkeyClassesRoot, "#HKEY_CLASSES_ROOT"},
    {kHkeyCurrentConfig, "#HKEY_CURRENT_CONFIG"},
    {kHkeyUsers, "#HKEY_USERS"},
    {kHkeyDynData, "#HKEY_DYN_DATA"},
    {kHkeyPerformanceData, "#HKEY_PERFORMANCE_DATA"},
};

} // namespace

bool IsRootKey(RootKey root) {
    return !RootKeyName(root).empty();
}

Text RootKeyName(RootKey root) {
    for (const RootKeyRow& row : kRootKeyTable) {
        if (row.root == root) {
            return row.name;
        }
    }
    return Text();
}

RootKey RootKeyFromPath(const Text& path) {
    ClearLastErrorText();
    Text head = TextUpper(path);
    const int32_t backslash = TextFind(head, "\\");
    if (backslash > 0) {
        head = TextLeft(head, backslash - 1);
    }
    for (const RootKeyRow& row : kRootKeyTable) {
        if (head == row.name) {
            return row.root;
        }
    }
    SetLastErrorText("ERROR, false #HKEY name");
    return 0;
}

Text SubkeyPathOfFullPath(const Text& fullPath) {
    const int32_t backslash = TextFind(fullPath, "\\");
    if (backslash == 0) {
        return Text();
    }
    return TextMid(fullPath, backslash + 1, TextLength(fullPath));
}

Text StripLeadingBackslash(const Text& path) {
    if (TextLeft(path, 1) == "\\") {
        return TextMid(path, 2, TextLength(path));
    }
    return path;
}
