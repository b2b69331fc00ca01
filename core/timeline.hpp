// The bounded, time-ordered store of frames that pairs submitted text with spatial context.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string_view>

#include "values.hpp"

namespace quillary::spatial {

// Thread-safe: one thread may push while another submits. Callers only ever get copies.
class IntentTimeline {
public:
    // A capacity of 0 is kept as 1 and a negative age as 0, so both are always usable.
    IntentTimeline(std::uint64_t capacity, Nanoseconds max_context_age);

    IntentTimeline(const IntentTimeline&) = delete;
    IntentTimeline& operator=(const IntentTimeline&) = delete;

    // A frame older than the newest stored one starts a new history with that frame.
    void push(SpatialIntentFrame frame);

    [[nodiscard]] std::optional<SpatialIntentFrame> latest() const;

    // Pairs `text` with the newest frame at or before `timestamp`, if that frame is no older
    // than the maximum context age. Empty text never yields an event.
    [[nodiscard]] std::optional<ContextualIntentEvent> submit_text(std::string_view text,
                                                                   Nanoseconds timestamp) const;

private:
    std::uint64_t capacity_;
    Nanoseconds max_context_age_;
    mutable std::mutex mutex_;
    std::deque<SpatialIntentFrame> frames_;
};

}  // namespace quillary::spatial
