// The bounded, time-ordered store of frames that pairs submitted text with spatial context.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "values.hpp"

namespace quillary::spatial {

// What pairing a text with the timeline came to.
enum class PairingOutcome : std::int32_t {
    EVENT = 0,           // paired with a frame fresh enough
    EMPTY_TEXT = 1,      // empty text never pairs
    NO_FRAME = 2,        // nothing held: no frame pushed yet
    BEFORE_HISTORY = 3,  // the time is before the oldest frame held
    TOO_OLD = 4,         // the newest frame at or before the time is older than the maximum age
};

// Why the oldest frame held is the oldest.
enum class HistoryStart : std::int32_t {
    FIRST_FRAME = 0,  // nothing older was ever pushed
    CAPACITY = 1,     // older frames were dropped to stay within the capacity
    RESET = 2,        // a frame older than the newest cleared what came before it
};

// The timeline's decision for a time, and what it rests on: the one place the pairing rule
// is applied, so that nothing outside has to work it out again.
struct Pairing {
    PairingOutcome outcome = PairingOutcome::NO_FRAME;
    // EVENT: the frame paired with; TOO_OLD: the newest frame at or before the time. Frames
    // are numbered by push, from 0 (see IntentTimeline::push).
    std::uint64_t frame = 0;
    // EVENT and TOO_OLD: the time minus that frame's, exactly (it can exceed any signed count).
    std::uint64_t age_ns = 0;
    // Whenever frames are held: the oldest one's time and why it is the oldest.
    Nanoseconds history_start_ns{0};
    HistoryStart history_start = HistoryStart::FIRST_FRAME;
    // RESET: the time of the frame that began the history.
    Nanoseconds reset_at_ns{0};
};

// A copy of a held frame with the number push returned for it.
struct NumberedFrame {
    std::uint64_t number = 0;
    SpatialIntentFrame frame;
};

// Thread-safe: one thread may push while another submits. Callers only ever get copies.
class IntentTimeline {
public:
    // A capacity of 0 is kept as 1 and a negative age as 0, so both are always usable.
    IntentTimeline(std::uint64_t capacity, Nanoseconds max_context_age);

    IntentTimeline(const IntentTimeline&) = delete;
    IntentTimeline& operator=(const IntentTimeline&) = delete;

    // A frame older than the newest stored one starts a new history with that frame.
    // Returns the frame's number: 0 for the first frame ever pushed, then one more each push,
    // which is how a host recognises the frame a Pairing names.
    std::uint64_t push(SpatialIntentFrame frame);

    [[nodiscard]] std::optional<SpatialIntentFrame> latest() const;

    // Pairs `text` with the newest frame at or before `timestamp`, if that frame is no older
    // than the maximum context age. Empty text never yields an event.
    [[nodiscard]] std::optional<ContextualIntentEvent> submit_text(std::string_view text,
                                                                   Nanoseconds timestamp) const;

    // The settings in use: the capacity and maximum age as given, after the floors above.
    [[nodiscard]] std::uint64_t capacity() const { return capacity_; }
    [[nodiscard]] Nanoseconds max_context_age() const { return max_context_age_; }

    // What submit_text would decide for a text at `timestamp`, and why; nothing is copied.
    [[nodiscard]] Pairing pair(Nanoseconds timestamp, bool text_empty) const;

    // The decision for a text at `timestamp` and, when it is EVENT, a copy of the frame it
    // pairs with: what submit_text decides, without a text to pair.
    [[nodiscard]] std::pair<Pairing, std::optional<SpatialIntentFrame>> context_at(Nanoseconds timestamp) const;

    // Copies of the frames held with times in [from, to], oldest first: the evidence around
    // a spoken word, taken in one lock so that a concurrent push cannot tear it.
    [[nodiscard]] std::vector<NumberedFrame> frames_between(Nanoseconds from, Nanoseconds to) const;

private:
    using Store = std::deque<SpatialIntentFrame>;

    // The decision for a non-empty text and, for EVENT, its frame; the caller holds the mutex.
    [[nodiscard]] std::pair<Pairing, Store::const_iterator> decide(Nanoseconds timestamp) const;

    std::uint64_t capacity_;
    Nanoseconds max_context_age_;
    mutable std::mutex mutex_;
    Store frames_;
    std::uint64_t pushed_ = 0;  // frames ever pushed: the next frame's number
    HistoryStart history_start_ = HistoryStart::FIRST_FRAME;
    Nanoseconds reset_at_{0};
};

}  // namespace quillary::spatial
