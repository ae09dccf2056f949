// Where the installer starts, in place of the C runtime's start-up code (crt2.o), which the program
// links without (cmake/startfiles-without-crt2.specs). That code prepares what the installer never
// uses: arguments split into argv, runtime pseudo-relocations (the link refuses to need any),
// thread-local storage and its callbacks, and an exception filter that turns faults into signals
// for which no handler is ever set. What it does that the program relies on is done here, in the
// same order: the floating-point unit set as the runtime sets it, the static constructors, WinMain,
// and the C library's exit, which runs what they registered with atexit.
#include <windows.h>

#include <cstdlib>

extern "C" {

// As the start-up code defines it: the static destructors register through the C library's table
// of exit functions.
int atexit(void (*function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

// From the runtime library: the floating-point unit reset (64-bit precision on x87), and the
// static constructors run once.
void _fpreset();
void __main();

// The entry point that a GUI program is linked with by default.
[[noreturn]] void WinMainCRTStartup() {
    _fpreset();
    __main();
    std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWDEFAULT));
}

} // extern "C"
