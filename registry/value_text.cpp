#include "registry/value_text.h"

Text ValueText(std::string_view bytes, ValueBytes form) {
    if (form == ValueBytes::ZeroBytesLeftOut) {
        Text text(bytes);
        std::erase(text, '\0');
        return text;
    }
    if (form == ValueBytes::LastByteTerminates && !bytes.empty()) {
        bytes.remove_suffix(1);
    }
    return Text(bytes.substr(0, bytes.find('\0')));
}
