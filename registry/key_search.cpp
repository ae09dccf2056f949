#include "registry/key_search.h"

#include "registry/key_operations.h"
#include "registry/key_search_walk.h"

namespace {

SubkeyLister RegistrySubkeys(RootKey root) {
    return [root](const Text& path, int32_t index) { return SubkeyNameAt(root, path, index); };
}

} // namespace

Text FindKeyPath(RootKey root, const Text& startPath, const Text& name) {
    return FindKeyPathIn(RegistrySubkeys(root), root, startPath, name);
}

Text SearchSubkeyPath(RootKey root, const Text& path, const Text& name) {
    return SearchSubkeyPathIn(RegistrySubkeys(root), path, name);
}
