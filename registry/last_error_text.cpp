#include "registry/last_error_text.h"

namespace {

Text& ErrorTextStore() {
    static Text text;
    return text;
}

} // namespace

const Text& LastErrorText() {
    return ErrorTextStore();
}

void SetLastErrorText(const Text& message) {
    ErrorTextStore() = message;
}
