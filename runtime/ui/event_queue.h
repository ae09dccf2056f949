// Events that arrive while another is being reported wait here in arrival order. A pair equal to
// the newest waiting pair is not queued again, so a repeated request is reported once.
#pragma once

#include <cstdint>
#include <deque>

struct PendingEvent {
    int32_t code;
    int32_t window;
    bool operator==(const PendingEvent&) const = default;
};

class PendingEventQueue {
  public:
    void Push(PendingEvent event) {
        if (events_.empty() || !(events_.back() == event)) {
            events_.push_back(event);
        }
    }
    bool Empty() const { return events_.empty(); }
    // The oldest pair; call only when not empty.
    PendingEvent Pop() {
        const PendingEvent event = events_.front();
        events_.pop_front();
        return event;
    }
    void Clear() { events_.clear(); }

  private:
    std::deque<PendingEvent> events_;
};
