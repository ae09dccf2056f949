#include "runtime/base/line_split.h"

LineRead ReadLine(ByteSource& source) {
    LineRead read;
    for (;;) {
        const int byte = source.NextByte();
        if (byte < 0) {
            read.reachedEnd = true;
            return read;
        }
        if (byte == 0 || byte == '\n') {
            return read;
        }
        if (byte == '\r') {
            // CR LF is one line end; any other byte after a lone CR starts the next line.
            const int next = source.NextByte();
            if (next < 0) {
                read.reachedEnd = true;
            } else if (next != '\n') {
                source.GiveBackByte();
            }
            return read;
        }
        read.line += static_cast<char>(byte);
    }
}
