// The one owner of every handle: move-only, so a copy can never release twice, and every path
// that takes something gives it back exactly once. Traits say what a handle is and how it goes:
//   using Handle = ...;  static Handle Invalid();  static bool IsValid(Handle);
//   static bool Close(Handle);  // true when the release worked
#pragma once

#include <utility>

template <typename Traits> class Owned {
  public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~Owned() { Close(); }

    Handle Get() const { return handle_; }
    bool Valid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return Valid(); }

    // Address for out-parameters; closes what was held first.
    Handle* Out() {
        Close();
        return &handle_;
    }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) {
        Close();
        handle_ = handle;
    }
    // Returns whether the close succeeded (true when nothing was held).
    bool Close() {
        if (!Valid()) {
            return true;
        }
        return Traits::Close(std::exchange(handle_, Traits::Invalid()));
    }

  private:
    Handle handle_ = Traits::Invalid();
};

// Traits for handles whose empty value is a null pointer.
template <typename H> struct NullableHandle {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
};
