// Objects named by small numbers: a fixed number chosen by the caller, or -1 for an identity
// that the table allocates. Shared by windows, gadgets, fonts and images.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

constexpr int32_t kAnyNumber = -1;

// The value a create operation hands back: the native handle for a fixed number, the allocated
// identity for -1, 0 on failure.
inline int32_t CreateResult(int32_t requested, int32_t number, const void* handle) {
    if (handle == nullptr) {
        return 0;
    }
    if (requested == kAnyNumber) {
        return number;
    }
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(handle));
}

template <typename T> class NumberedTable {
  public:
    // Allocated identities start far above the small fixed numbers programs use.
    static constexpr int32_t kFirstIdentity = 0x10000;

    T* Find(int32_t number) {
        auto it = objects_.find(number);
        return it == objects_.end() ? nullptr : &it->second;
    }

    // Makes a number ready for a new object: -1 picks a free identity; a fixed number that is
    // in use has its object freed. Returns -1 for numbers that cannot name an object.
    int32_t Claim(int32_t number) {
        if (number == kAnyNumber) {
            while (objects_.count(nextIdentity_) != 0) {
                ++nextIdentity_;
            }
            return nextIdentity_++;
        }
        if (number < 0) {
            return -1;
        }
        Remove(number);
        return number;
    }

    // Stores an object under a claimed number; an object still held there is freed first.
    T& Store(int32_t number, T&& object) {
        Remove(number);
        return objects_.emplace(number, std::move(object)).first->second;
    }

    // The object leaves the table before it is freed, so whatever its release triggers
    // (window messages, say) never sees it half gone.
    bool Remove(int32_t number) {
        auto node = objects_.extract(number);
        return !node.empty();
    }

    void Clear() {
        while (!objects_.empty()) {
            Remove(objects_.begin()->first);
        }
    }

    // The number of the first object for which the predicate holds, or -1.
    template <typename Predicate> int32_t FindNumber(Predicate predicate) {
        for (auto& [number, object] : objects_) {
            if (predicate(object)) {
                return number;
            }
        }
        return -1;
    }

    template <typename Predicate> void RemoveIf(Predicate predicate) {
        for (int32_t number = FindNumber(predicate); number != -1; number = FindNumber(predicate)) {
            Remove(number);
        }
    }

    bool Empty() const { return objects_.empty(); }

  private:
    std::map<int32_t, T> objects_;
    int32_t nextIdentity_ = kFirstIdentity;
};
