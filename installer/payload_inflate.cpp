#include "installer/payload_inflate.h"

#include "runtime/system/files.h"

#include <zlib.h>

namespace {

struct Room {
    unsigned char* bytes;
    int32_t size;
};

// One zlib stream, inflated piece by piece into the caller's room; its end checks the
// Adler-32 of all that came out.
class Inflater {
  public:
    explicit Inflater(const PackedBlock& block) {
        stream_.next_in = const_cast<Bytef*>(block.bytes);
        stream_.avail_in = static_cast<uInt>(block.storedSize > 0 ? block.storedSize : 0);
        ready_ = inflateInit(&stream_) == Z_OK;
    }
    ~Inflater() {
        if (ready_) {
            inflateEnd(&stream_);
        }
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Fills up to `room` bytes at `out`; the count, or -1 when the stream is damaged or ends
    // early. A stream that has ended gives 0.
    int32_t Next(unsigned char* out, int32_t room) {
        if (!ready_ || finished_) {
            return ready_ ? 0 : -1;
        }
        stream_.next_out = out;
        stream_.avail_out = static_cast<uInt>(room);
        const int status = inflate(&stream_, Z_NO_FLUSH);
        // Z_OK always means progress; anything but that or the end is damage or a cut stream.
        if (status != Z_OK && status != Z_STREAM_END) {
            return -1;
        }
        finished_ = status == Z_STREAM_END;
        return room - static_cast<int32_t>(stream_.avail_out);
    }

    // Ended, with no stored byte left over.
    bool EndedCleanly() const { return finished_ && stream_.avail_in == 0; }

  private:
    z_stream stream_{};
    bool ready_ = false;
    bool finished_ = false;
};

// Runs the block's stream into the rooms that `roomAt` gives (it is told how many bytes came
// before) and hands each piece to `take`. False on a damaged stream, one that ends before or
// after the block's size or leaves stored bytes over, and when `take` refuses a piece.
template <typename RoomAt, typename Take>
bool Inflate(const PackedBlock& block, RoomAt roomAt, Take take) {
    Inflater inflater(block);
    int64_t total = 0;
    while (!inflater.EndedCleanly()) {
        const Room room = roomAt(total);
        const int32_t produced = room.size > 0 ? inflater.Next(room.bytes, room.size) : -1;
        if (produced < 0 || (produced == 0 && !inflater.EndedCleanly())) {
            return false;
        }
        total += produced;
        if (total > block.size || !take(produced)) {
            return false;
        }
    }
    return total == block.size;
}

} // namespace

bool InflateIntoFile(const PackedBlock& block, int32_t fileNumber) {
    return Inflate(
        block,
        [&](int64_t) {
            const FileWriteRoom room = FileWriteRoomOf(fileNumber);
            return Room{room.bytes, room.size};
        },
        [&](int32_t count) { return FileWriteTaken(fileNumber, count) == 1; });
}

std::vector<unsigned char> InflateIntoMemory(const PackedBlock& block) {
    if (block.size <= 0) {
        return {};
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(block.size));
    // Once the size is reached only the stream's end may follow; a byte more is damage.
    unsigned char spare = 0;
    const auto roomAt = [&](int64_t done) {
        return done < block.size
                   ? Room{bytes.data() + done, static_cast<int32_t>(block.size - done)}
                   : Room{&spare, 1};
    };
    if (!Inflate(block, roomAt, [](int32_t) { return true; })) {
        return {};
    }
    return bytes;
}
