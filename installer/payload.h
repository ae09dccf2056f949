// The files the installer carries inside its own image, in the order they lie there. Each is
// linked packed, as a zlib stream sealed with a CRC-32 of its stored bytes. The list
// (enum and table) is generated from cmake/PayloadFiles.cmake.
#pragma once

#include "installer/payload_items.h"

#include <cstdint>

struct PackedBlock {
    const unsigned char* bytes; // a zlib stream: deflate data, then the Adler-32 of the file
    int32_t storedSize;
    int32_t size;       // bytes once inflated: the carried file's size
    uint32_t storedCrc; // CRC-32 of the stored bytes, as zlib computes it
};

struct PayloadItem {
    PackedBlock block;
    const char* target;      // relative to the install directory; nullptr: never written
    const char* successText; // appended to the install log when written
    const char* failureText; // appended when the file cannot be written
};

const PayloadItem& PayloadItemAt(PayloadIndex index);
