// The two checksums of a carried block: the seal's CRC-32 over its stored bytes, and the
// Adler-32 that ends every zlib stream, which inflate checks against what came out. Both are
// zlib's own entry points. Debian's static zlib is built without function sections, so taking
// them from it would link all of its table-driven checksum code (crc32.o, adler32.o: about
// 9 KB) for a few thousand bytes checked once; these small versions give the same values, and
// with them defined here the linker never pulls those members in.
#include <zlib.h>

#include <cstdint>

namespace {

// CRC-32 of the reflected polynomial 0xEDB88320, four bits at a time.
constexpr uint32_t kCrcNibbles[16] = {
    0x00000000, 0x1DB71064, 0x3B6E20C8, 0x26D930AC, 0x76DC4190, 0x6B6B51F4,
    0x4DB26158, 0x5005713C, 0xEDB88320, 0xF00F9344, 0xD6D6A3E8, 0xCB61B38C,
    0x9B64C2B0, 0x86D3D2D4, 0xA00AE278, 0xBDBDF21C,
};

// The largest count of bytes whose Adler-32 sums cannot overflow 32 bits before the modulo.
constexpr uInt kAdlerRun = 5552;
constexpr uint32_t kAdlerBase = 65521;

} // namespace

uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    if (buf == nullptr) {
        return 0;
    }
    uint32_t value = ~static_cast<uint32_t>(crc);
    for (uInt i = 0; i < len; ++i) {
        value ^= buf[i];
        value = (value >> 4) ^ kCrcNibbles[value & 15];
        value = (value >> 4) ^ kCrcNibbles[value & 15];
    }
    return ~value;
}

uLong ZEXPORT adler32(uLong adler, const Bytef* buf, uInt len) {
    if (buf == nullptr) {
        return 1;
    }
    uint32_t low = static_cast<uint32_t>(adler) & 0xFFFF;
    uint32_t high = (static_cast<uint32_t>(adler) >> 16) & 0xFFFF;
    while (len > 0) {
        const uInt run = len < kAdlerRun ? len : kAdlerRun;
        for (uInt i = 0; i < run; ++i) {
            low += buf[i];
            high += low;
        }
        low %= kAdlerBase;
        high %= kAdlerBase;
        buf += run;
        len -= run;
    }
    return (high << 16) | low;
}
