#include "installer/payload_writer.h"

#include "installer/payload_copy.h"
#include "installer/payload_inflate.h"
#include "runtime/system/file_replace.h"
#include "runtime/system/files.h"

int32_t WritePayloadItem(const PayloadItem& item, const Text& installDirectory) {
    if (item.target == nullptr) {
        return 0;
    }
    // The new copy is written beside the installed file and takes its place only once it is
    // whole, so a full disk or a locked file never leaves the user's file half-written.
    const Text target = installDirectory + item.target;
    const Text copy = CreatePayloadCopy(kPayloadFileNumber, target);
    if (copy.empty()) {
        return 0;
    }
    const bool written = InflateIntoFile(item.block, kPayloadFileNumber);
    // The close flushes the buffer, so a full disk may only show here.
    const bool closed = FileClose(kPayloadFileNumber) == 1;
    if (written && closed && FileReplace(copy, target) != 0) {
        return 1;
    }
    FileDelete(copy);
    return 0;
}
