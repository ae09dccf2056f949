#include "installer/payload_copy_path.h"

#include <string_view>

namespace {

constexpr std::string_view kCopyMarks = "~_$#!=+-";

} // namespace

Text PayloadCopyPath(const Text& target, int32_t attempt) {
    const size_t separator = target.find_last_of("\\/");
    const size_t name = separator == Text::npos ? 0 : separator + 1;
    for (const char mark : kCopyMarks) {
        if (name < target.size() && mark != target[name] && attempt-- == 0) {
            Text copy = target;
            copy[name] = mark;
            return copy;
        }
    }
    return Text();
}
