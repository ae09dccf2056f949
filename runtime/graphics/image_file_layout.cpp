#include "runtime/graphics/image_file_layout.h"

#include <cstring>

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr int32_t kLargestSide = 32767; // sizes are kept in 16 bits
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
int32_t I32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p));
}

bool Inside(uint64_t offset, uint64_t bytes, size_t size) {
    return offset <= size && bytes <= size - offset;
}

uint64_t RowBytes(int64_t width, uint32_t bitsPerPixel) {
    return (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// The bitmap information header at `info` (within `available` bytes) with its masks and colour
// table: its size in bytes, or 0 when it is not one this program accepts.
struct InfoCheck {
    uint64_t infoBytes = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t imageBytes = 0;
};

bool CheckInfo(const uint8_t* info, size_t available, int32_t heightFactor, InfoCheck& check) {
    if (available < kInfoHeaderBytes) {
        return false;
    }
    const uint32_t headerBytes = U32(info);
    if (headerBytes < kInfoHeaderBytes || headerBytes > available) {
        return false;
    }
    check.width = I32(info + 4);
    const int32_t storedHeight = I32(info + 8);
    const uint16_t planes = U16(info + 12);
    check.bitsPerPixel = U16(info + 14);
    check.compression = U32(info + 16);
    check.imageBytes = U32(info + 20);
    const uint32_t coloursUsed = U32(info + 32);
    if (storedHeight == INT32_MIN || check.width < 1 || check.width > kLargestSide || planes != 1) {
        return false;
    }
    check.height = storedHeight / heightFactor;
    const int32_t rows = check.height < 0 ? -check.height : check.height;
    if (rows < 1 || rows > kLargestSide) {
        return false;
    }
    const uint32_t bits = check.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
    }
    switch (check.compression) {
    case kRgb:
        break;
    case kRle8:
    case kRle4:
        if (bits != (check.compression == kRle8 ? 8u : 4u) || storedHeight < 0 ||
            check.imageBytes == 0) {
            return false;
        }
        break;
    case kBitFields:
        if (bits != 16 && bits != 32) {
            return false;
        }
        break;
    default:
        return false;
    }
    const uint64_t tableLimit = bits <= 8 ? (1u << bits) : 256u;
    const uint64_t colours = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? (1u << bits) : 0);
    if (colours > tableLimit) {
        return false;
    }
    const uint64_t masks =
        (check.compression == kBitFields && headerBytes == kInfoHeaderBytes) ? 12 : 0;
    check.infoBytes = headerBytes + masks + colours * 4;
    return check.infoBytes <= available;
}

} // namespace

BitmapFileLayout ReadBitmapFileLayout(const uint8_t* data, size_t size) {
    BitmapFileLayout layout;
    if (data == nullptr || size < kFileHeaderBytes || data[0] != 'B' || data[1] != 'M') {
        return layout;
    }
    InfoCheck info;
    if (!CheckInfo(data + kFileHeaderBytes, size - kFileHeaderBytes, 1, info)) {
        return layout;
    }
    const uint64_t pixelOffset = U32(data + 10);
    const int64_t rows = info.height < 0 ? -static_cast<int64_t>(info.height) : info.height;
    const uint64_t pixelBytes = (info.compression == kRle8 || info.compression == kRle4)
                                    ? info.imageBytes
                                    : RowBytes(info.width, info.bitsPerPixel) * rows;
    if (pixelOffset < kFileHeaderBytes + U32(data + kFileHeaderBytes) ||
        !Inside(pixelOffset, pixelBytes, size)) {
        return layout;
    }
    layout.valid = true;
    layout.width = info.width;
    layout.height = info.height;
    layout.infoBytes = static_cast<size_t>(info.infoBytes);
    layout.pixelOffset = static_cast<size_t>(pixelOffset);
    layout.pixelBytes = static_cast<size_t>(pixelBytes);
    return layout;
}

IconFileLayout ReadIconFileLayout(const uint8_t* data, size_t size) {
    IconFileLayout layout;
    constexpr size_t kDirectoryBytes = 6, kEntryBytes = 16;
    if (data == nullptr || size < kDirectoryBytes + kEntryBytes || U16(data) != 0 ||
        U16(data + 2) != 1 || U16(data + 4) == 0) {
        return layout;
    }
    const uint8_t* entry = data + kDirectoryBytes;
    const uint32_t bytes = U32(entry + 8);
    const uint32_t offset = U32(entry + 12);
    if (!Inside(offset, bytes, size) || bytes < 8) {
        return layout;
    }
    const uint8_t* picture = data + offset;
    static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::memcmp(picture, kPngSignature, sizeof(kPngSignature)) != 0) {
        // A bitmap picture: colour rows and mask rows, both counted in the stored height.
        InfoCheck info;
        if (!CheckInfo(picture, bytes, 2, info) || info.compression != kRgb || info.height < 0) {
            return layout;
        }
        const uint64_t colourRows = RowBytes(info.width, info.bitsPerPixel) * info.height;
        const uint64_t maskRows = RowBytes(info.width, 1) * info.height;
        if (!Inside(info.infoBytes, colourRows + maskRows, bytes)) {
            return layout;
        }
    }
    layout.valid = true;
    layout.imageOffset = offset;
    layout.imageBytes = bytes;
    return layout;
}
