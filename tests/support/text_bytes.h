// A byte source that hands out a text byte by byte and notes every give-back the file layer
// could not honour: its buffer keeps only the byte it handed out last. Platform-free.
#pragma once

#include "runtime/base/line_split.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TextBytes final : public ByteSource {
  public:
    explicit TextBytes(std::string_view bytes) : bytes_(bytes) {}

    int NextByte() override {
        justRead_ = position_ < bytes_.size();
        return justRead_ ? static_cast<unsigned char>(bytes_[position_++]) : -1;
    }

    // A give-back that is not right after a byte was read is counted instead of done.
    void GiveBackByte() override {
        misplacedGiveBacks_ += justRead_ ? 0 : 1;
        position_ -= justRead_ ? 1 : 0;
        justRead_ = false;
    }

    int MisplacedGiveBacks() const { return misplacedGiveBacks_; }

  private:
    std::string_view bytes_;
    size_t position_ = 0;
    bool justRead_ = false;
    int misplacedGiveBacks_ = 0;
};

// Every line of the bytes, read until the source ends.
inline std::vector<std::string> AllLines(TextBytes& source) {
    std::vector<std::string> lines;
    LineRead read;
    do {
        read = ReadLine(source);
        lines.push_back(std::move(read.line));
    } while (!read.reachedEnd);
    return lines;
}
