#include "registry/key_search.h"

#include "registry/key_operations.h"
#include "registry/key_search_walk.h"

Text FindKeyPath(RootKey root, const Text& startPath, const Text& name) {
    return FindKeyPathIn(SubkeyNameAt, root, startPath, name);
}
