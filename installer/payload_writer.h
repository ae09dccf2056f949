// Writes one carried file into the install directory.
#pragma once

#include "installer/payload.h"
#include "runtime/base/text.h"

#include <cstdint>

// The installer's one file number: the carried file being written, or the version marker being
// read at start-up. Never two at once.
constexpr int32_t kPayloadFileNumber = 1;

// 1 when the file was created and every byte reached the disk (writes, final flush and close
// all succeeded) and it replaced what stood at the target; 0 otherwise, and for an item without
// a target. A failure leaves the target as it was and no copy beside it.
int32_t WritePayloadItem(const PayloadItem& item, const Text& installDirectory);
