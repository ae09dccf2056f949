// The control libraries that are not in the import table: loaded from the system directory at
// run time, so a planted copy beside the program is never used.
#pragma once

// Loads comctl32 and registers its control classes (InitCommonControlsEx with the classes
// 0x0B08, then InitCommonControls), once: later calls return what the first one did. False when
// the library or its entry points are missing. Not part of the runtime's start: loading the
// library takes a noticeable part of the time to the first window and a few MiB of memory, and
// only tooltips need it, which show only once the pointer rests on their gadget. The first
// event wait with nothing to do after the pointer moved over such a gadget starts them
// (AttachTooltipsWhenWanted, gadgets.h).
bool StartCommonControls();
// Whether StartCommonControls has run.
bool CommonControlsStartTried();

// The rich-text class to create editor fields with: "RichEdit20A" of RICHED20.DLL, else
// "RichEdit" of RICHED32.DLL; nullptr when neither library loads.
const char* RichEditClassName();

// Frees the rich-text library once no editor field is left.
void ReleaseRichEditLibrary();
