// A static object whose destructor never runs. The runtime's tables live in these, so the
// runtime's end releases them in the order it states, instead of static destructors running in
// whatever order the linker chose, after the windows they would message are gone.
#pragma once

#include <new>

template <typename T> class NeverDestroyed {
  public:
    NeverDestroyed() { new (storage_) T(); }
    NeverDestroyed(const NeverDestroyed&) = delete;
    NeverDestroyed& operator=(const NeverDestroyed&) = delete;

    T& operator*() { return *std::launder(reinterpret_cast<T*>(storage_)); }
    T* operator->() { return &**this; }

  private:
    alignas(T) unsigned char storage_[sizeof(T)];
};
