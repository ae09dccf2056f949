#include "runtime/base/text.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t ClampCount(int32_t n) {
    return n < 0 ? 0 : n;
}

unsigned char UpperByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || c >= 0xE0 ? static_cast<unsigned char>(c - 0x20) : c;
}

unsigned char LowerByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE) ? static_cast<unsigned char>(c + 0x20)
                                                              : c;
}

} // namespace

int32_t TextLength(const Text& text) {
    return static_cast<int32_t>(text.size());
}

Text TextLeft(const Text& text, int32_t n) {
    return text.substr(0, ClampCount(n));
}

Text TextRight(const Text& text, int32_t n) {
    const size_t count = std::min<size_t>(ClampCount(n), text.size());
    return text.substr(text.size() - count);
}

Text TextMid(const Text& text, int32_t start, int32_t n) {
    const size_t from = start <= 1 ? 0 : static_cast<size_t>(start) - 1;
    if (from >= text.size()) {
        return Text();
    }
    return text.substr(from, ClampCount(n));
}

Text TextPadLeft(const Text& text, int32_t width, const Text& pad) {
    const size_t target = ClampCount(width);
    if (text.size() >= target) {
        return text.substr(0, target);
    }
    const char fill = pad.empty() ? ' ' : pad[0];
    return Text(target - text.size(), fill) + text;
}

Text TextSpaces(int32_t n) {
    return Text(ClampCount(n), ' ');
}

Text TextFromByte(int32_t byte) {
    const char c = static_cast<char>(byte & 0xFF);
    return c == 0 ? Text() : Text(1, c);
}

Text TextUpper(const Text& text) {
    Text result = text;
    for (char& c : result) {
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    }
    return result;
}

Text TextLower(const Text& text) {
    Text result = text;
    for (char& c : result) {
        c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    }
    return result;
}

int32_t TextFind(const Text& text, const Text& part, int32_t start) {
    if (text.empty() || part.empty()) {
        return 0;
    }
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
    if (from >= text.size()) {
        return 0;
    }
    const size_t at = text.find(part, from);
    return at == Text::npos ? 0 : static_cast<int32_t>(at) + 1;
}

Text TextRemove(const Text& text, const Text& part, int32_t flags) {
    if (part.empty()) {
        return text;
    }
    const bool ignoreCase = (flags & kIgnoreCase) != 0;
    const Text haystack = ignoreCase ? TextLower(text) : text;
    const Text needle = ignoreCase ? TextLower(part) : part;
    Text result;
    size_t from = 0;
    for (size_t at = haystack.find(needle); at != Text::npos; at = haystack.find(needle, from)) {
        result.append(text, from, at - from);
        from = at + needle.size();
    }
    result.append(text, from, Text::npos);
    return result;
}

int32_t TextEquals(const Text& a, const Text& b) {
    return a == b ? 1 : 0;
}

int32_t TextToInt(const Text& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps in 32 bits, as the stored values expect, without overflow.
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

Text IntToText(int32_t value) {
    return std::to_string(value);
}

Text DirectoryPart(const Text& path) {
    const size_t from = !path.empty() && path[0] == '"' ? 1 : 0;
    const size_t bar = path.find('|', from);
    const size_t end = bar == Text::npos ? path.size() : bar;
    for (size_t i = end; i > from; --i) {
        if (path[i - 1] == '\\' || path[i - 1] == '/') {
            return path.substr(from, i - from);
        }
    }
    return Text();
}

Text TextFromMemory(const void* address) {
    return address == nullptr ? Text() : Text(static_cast<const char*>(address));
}

int32_t ByteAt(const void* address) {
    return *static_cast<const signed char*>(address);
}
