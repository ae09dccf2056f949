// Start and end of the runtime services.
#pragma once

// Registers the common controls, loads the window icon and arrow cursor and sets the default
// gadget font. Nothing visible happens.
void StartRuntime();
// Frees fonts, then images, then the windows still open, and closes numbered files.
void EndRuntime();
