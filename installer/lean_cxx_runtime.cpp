// The parts of the C++ library the installer uses without exceptions. The standard library's own
// versions would throw, which links in the exception machinery, type information and a name
// demangler: several times the size of the installer itself. Only an exhausted heap or a
// programming error reaches these; there is no sensible way on from either, so the process stops
// at once.
#include <windows.h>

#include <cstddef>

namespace std {

[[noreturn]] void __throw_bad_alloc() {
    __builtin_trap();
}
[[noreturn]] void __throw_bad_array_new_length() {
    __builtin_trap();
}
[[noreturn]] void __throw_length_error(const char*) {
    __builtin_trap();
}
[[noreturn]] void __throw_logic_error(const char*) {
    __builtin_trap();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    __builtin_trap();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    __builtin_trap();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    __builtin_trap();
}
[[noreturn]] void __throw_bad_function_call() {
    __builtin_trap();
}

} // namespace std

void* operator new(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
    if (block == nullptr) {
        __builtin_trap();
    }
    return block;
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void* block) noexcept {
    if (block != nullptr) {
        HeapFree(GetProcessHeap(), 0, block);
    }
}

void operator delete[](void* block) noexcept {
    operator delete(block);
}
void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    operator delete(block);
}
