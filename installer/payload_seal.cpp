#include "installer/payload_seal.h"

#include <zlib.h>

bool BlockIntact(const PackedBlock& block) {
    if (block.bytes == nullptr || block.storedSize <= 0) {
        return false;
    }
    return crc32(0, block.bytes, static_cast<uInt>(block.storedSize)) == block.storedCrc;
}

bool CarriedBlocksIntact() {
    for (int32_t i = 0; i < kPayloadItemCount; ++i) {
        if (!BlockIntact(PayloadItemAt(static_cast<PayloadIndex>(i)).block)) {
            return false;
        }
    }
    return true;
}
