// Splitting a stream of bytes into lines, as numbered files read them. Nothing here includes
// <windows.h>.
#pragma once

#include "runtime/base/text.h"

// Where the bytes of a line come from.
class ByteSource {
  public:
    // The next byte (0 to 255), or -1 at the end.
    virtual int NextByte() = 0;
    // Hands the byte NextByte just returned out once more on the next call.
    virtual void GiveBackByte() = 0;

  protected:
    ~ByteSource() = default;
};

struct LineRead {
    Text line;
    bool reachedEnd = false; // the source ended while this line was read
};

// Collects bytes up to CR LF, LF, a lone CR, a zero byte or the end, none of which belongs to
// the line. A byte that follows a lone CR is given back: it starts the next line.
LineRead ReadLine(ByteSource& source);
