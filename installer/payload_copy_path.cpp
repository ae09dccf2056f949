#include "installer/payload_copy_path.h"

Text PayloadCopyPath(const Text& target) {
    const size_t separator = target.find_last_of("\\/");
    const size_t name = separator == Text::npos ? 0 : separator + 1;
    Text copy = target;
    if (name < copy.size()) {
        copy[name] = copy[name] == '~' ? '_' : '~';
    }
    return copy;
}
