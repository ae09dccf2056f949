#include "setup/version_number.h"

int32_t VersionNumberFromText(const Text& text) {
    const Text head = TextLeft(text, 1);
    const Text tail = TextPadLeft(TextMid(text, 3, 2), 3, "0");
    return TextToInt(head + tail);
}

Text VersionDisplayText(int32_t versionNumber) {
    const Text digits = TextPadLeft(IntToText(versionNumber), 9, "0");
    return TextMid(digits, 1, 3) + "." + TextMid(digits, 4, 3) + "." + TextMid(digits, 7, 3);
}
