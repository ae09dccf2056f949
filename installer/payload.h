// The files the installer carries inside its own image, in the order they lie there.
#pragma once

#include <cstdint>

struct PayloadItem {
    const unsigned char* bytes;
    int32_t size;
    const char* target;      // relative to the install directory; nullptr: never written
    const char* successText; // appended to the install log when written
    const char* failureText; // appended when the file cannot be written
};

enum PayloadIndex : int32_t {
    kLibraryItem,
    kHelpItem,
    kExample1Item,
    kExample2Item,
    kDialogPictureItem,
    kExamplePictureItem,
    kPayloadItemCount
};

const PayloadItem& PayloadItemAt(PayloadIndex index);
