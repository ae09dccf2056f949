// The control libraries that are not in the import table: loaded from the system directory at
// run time, so a planted copy beside the program is never used.
#pragma once

// Loads comctl32 and registers its control classes (InitCommonControlsEx with the classes
// 0x0B08, then InitCommonControls). False when the library or its entry points are missing.
bool StartCommonControls();

// The rich-text class to create editor fields with: "RichEdit20A" of RICHED20.DLL, else
// "RichEdit" of RICHED32.DLL; nullptr when neither library loads.
const char* RichEditClassName();

// Frees the rich-text library once no editor field is left.
void ReleaseRichEditLibrary();
