#include "registry/key_search_walk.h"

#include "registry/last_error_text.h"

namespace {

// The registry nests keys at most 512 levels deep; a deeper walk can only come from a
// linked key that leads back up the tree, and would otherwise recurse without end.
constexpr int32_t kMaxSearchDepth = 512;

Text WithFinalBackslash(const Text& text) {
    return TextRight(text, 1) == "\\" ? text : text + "\\";
}

Text SearchLevel(SubkeyLister subkeyNameAt, RootKey root, const Text& givenPath,
                 const Text& givenName, int32_t depth) {
    if (depth > kMaxSearchDepth) {
        return Text();
    }
    const Text name = WithFinalBackslash(givenName);
    const Text path = WithFinalBackslash(givenPath);
    for (int32_t index = 0;; ++index) {
        const Text sub = subkeyNameAt(root, path, index);
        ClearLastErrorText();
        if (sub.empty()) {
            return Text();
        }
        if (sub + "\\" == name) {
            return path + sub + "\\";
        }
        const Text below =
            TextLeft(SearchLevel(subkeyNameAt, root, path + sub, name, depth + 1), kSearchPathCut);
        // A found path cut so short that it lost the name is no longer a find.
        if (TextFind(below, name) > 0) {
            return below;
        }
    }
}

} // namespace

Text SearchSubkeyPathIn(SubkeyLister subkeyNameAt, RootKey root, const Text& path,
                        const Text& name) {
    return SearchLevel(subkeyNameAt, root, path, name, 0);
}

Text FindKeyPathIn(SubkeyLister subkeyNameAt, RootKey root, const Text& startPath,
                   const Text& name) {
    ClearLastErrorText();
    if (name.empty()) {
        SetLastErrorText("ERROR, no given search name");
        return Text();
    }
    const Text rootName = RootKeyName(root);
    if (rootName.empty()) {
        SetLastErrorText("ERROR, #HKEY is empty");
        return Text();
    }
    Text found = SearchSubkeyPathIn(subkeyNameAt, root, startPath.empty() ? "\\" : startPath, name);
    if (found.empty()) {
        SetLastErrorText("ERROR, can´t find searching subkey");
        return Text();
    }
    if (TextLeft(found, 1) != "\\") {
        found = "\\" + found;
    }
    return rootName + found;
}
