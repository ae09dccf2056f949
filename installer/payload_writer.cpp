#include "installer/payload_writer.h"

#include "runtime/system/files.h"

int32_t WritePayloadItem(const PayloadItem& item, const Text& installDirectory) {
    if (item.target == nullptr) {
        return 0;
    }
    if (FileCreate(kPayloadFileNumber, installDirectory + item.target) == 0) {
        return 0;
    }
    bool written = true;
    for (int32_t i = 0; i < item.size && written; ++i) {
        written = FileWriteByte(kPayloadFileNumber, item.bytes[i]) == 1;
    }
    // The close flushes the buffer, so a full disk may only show here.
    const bool closed = FileClose(kPayloadFileNumber) == 1;
    return written && closed ? 1 : 0;
}
