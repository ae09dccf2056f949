// Start and end of the runtime services: the only code that knows every layer's tables.
#pragma once

// Loads the window icon and arrow cursor and sets the default gadget font. Nothing visible
// happens. The common controls follow when a tooltip first needs them (gadgets.h).
void StartRuntime();

// Releases what the runtime's tables still hold, in this order: the drawing in progress, fonts,
// images, the windows still open with their gadgets, the event state and the rich-text library,
// and last the numbered files, whose buffers are written first. No static destructor releases
// any of it.
void EndRuntime();
