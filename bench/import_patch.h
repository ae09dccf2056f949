// Redirects calls that this program makes through its own import table.
#pragma once

// Points every import slot of dll!function in the main program at `replacement` and returns the
// address it held before, or nullptr when the program does not import that function.
void* PatchImport(const char* dll, const char* function, void* replacement);
