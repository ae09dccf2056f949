#include "registry/key_search.h"

#include "registry/key_operations.h"
#include "registry/key_search_walk.h"

Text FindKeyPath(RootKey root, const Text& startPath, const Text& name) {
    const SubkeyLister registrySubkeys = [root](const Text& path, int32_t index) {
        return SubkeyNameAt(root, path, index);
    };
    return FindKeyPathIn(registrySubkeys, root, startPath, name);
}
