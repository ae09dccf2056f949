// The one process-wide error text of the registry toolkit and the backdrop helpers. Every
// operation clears it first and leaves a message beginning "ERROR, " when it fails; callers
// judge success by results, so it is for diagnosis only. Not thread-safe (one thread).
#pragma once

#include "runtime/base/text.h"

const Text& LastErrorText();
void SetLastErrorText(const Text& message);
inline void ClearLastErrorText() {
    SetLastErrorText(Text());
}
