// Events that arrive while another is being reported wait here in arrival order. A pair equal to
// the newest waiting pair is not queued again, so a repeated request is reported once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct PendingEvent {
    int32_t code;
    int32_t window;
    bool operator==(const PendingEvent&) const = default;
};

class PendingEventQueue {
  public:
    void Push(PendingEvent event) {
        if (Empty() || !(events_.back() == event)) {
            events_.push_back(event);
        }
    }
    bool Empty() const { return next_ == events_.size(); }
    // The oldest pair; call only when not empty.
    PendingEvent Pop() {
        const PendingEvent event = events_[next_++];
        if (Empty()) {
            Clear();
        }
        return event;
    }
    void Clear() {
        events_.clear();
        next_ = 0;
    }

  private:
    // Waiting pairs are events_[next_] onwards; the list starts afresh whenever it runs empty,
    // which the event wait makes happen before it reads the next message.
    std::vector<PendingEvent> events_;
    size_t next_ = 0;
};
