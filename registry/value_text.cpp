#include "registry/value_text.h"

Text TextWithoutZeroBytes(const char* bytes, size_t count) {
    Text text;
    text.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        if (bytes[i] != '\0') {
            text.push_back(bytes[i]);
        }
    }
    return text;
}
