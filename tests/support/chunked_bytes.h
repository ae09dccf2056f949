// A byte source that hands out a text the way a numbered file does: through a buffer refilled
// in chunks of the given sizes, taken in turn, so a line end can straddle two refills.
// Platform-free.
#pragma once

#include "runtime/base/line_split.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ChunkedBytes final : public ByteSource {
  public:
    ChunkedBytes(std::string_view bytes, std::vector<size_t> chunkSizes)
        : bytes_(bytes), chunkSizes_(std::move(chunkSizes)) {}

    int NextByte() override {
        justRead_ = position_ < bytes_.size();
        if (justRead_ && position_ == refilledTo_) {
            const size_t size =
                chunkSizes_.empty() ? bytes_.size() : chunkSizes_[turn_++ % chunkSizes_.size()];
            refilledTo_ += size == 0 ? 1 : size;
        }
        return justRead_ ? static_cast<unsigned char>(bytes_[position_++]) : -1;
    }

    // A give-back that is not right after a byte was read would need a byte the buffer may no
    // longer hold; it is counted instead of done.
    void GiveBackByte() override {
        misplacedGiveBacks_ += justRead_ ? 0 : 1;
        position_ -= justRead_ ? 1 : 0;
        justRead_ = false;
    }

    int MisplacedGiveBacks() const { return misplacedGiveBacks_; }

  private:
    std::string_view bytes_;
    std::vector<size_t> chunkSizes_;
    size_t position_ = 0;
    size_t refilledTo_ = 0; // where the buffer's current chunk ends
    size_t turn_ = 0;
    bool justRead_ = false;
    int misplacedGiveBacks_ = 0;
};

// Every line of the bytes, read until the source ends.
inline std::vector<std::string> AllLines(ChunkedBytes& source) {
    std::vector<std::string> lines;
    LineRead read;
    do {
        read = ReadLine(source);
        lines.push_back(std::move(read.line));
    } while (!read.reachedEnd);
    return lines;
}
