#include "timeline.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quillary::spatial {

IntentTimeline::IntentTimeline(std::uint64_t capacity, Nanoseconds max_context_age)
    : capacity_(std::max<std::uint64_t>(capacity, 1)),
      max_context_age_(std::max(max_context_age, Nanoseconds{0})) {}

std::uint64_t IntentTimeline::push(SpatialIntentFrame frame) {
    const std::scoped_lock lock(mutex_);
    const auto time = frame.timestamp_ns;
    // Going back in time means the host restarted its clock or its session: the old history
    // no longer orders against the new frames, so it is dropped rather than merged.
    const bool reset = !frames_.empty() && time < frames_.back().timestamp_ns;
    if (reset) {
        frames_.clear();
    }
    frames_.push_back(std::move(frame));
    // Nothing below can fail, so the store and what is said about it stay in step.
    if (reset) {
        history_start_ = HistoryStart::RESET;
        reset_at_ = time;
    }
    // Capacity never changes and is at least 1, so one removal restores the bound and the
    // frame just pushed always stays.
    if (frames_.size() > capacity_) {
        frames_.pop_front();
        history_start_ = HistoryStart::CAPACITY;
    }
    return pushed_++;
}

std::optional<SpatialIntentFrame> IntentTimeline::latest() const {
    const std::scoped_lock lock(mutex_);
    if (frames_.empty()) {
        return std::nullopt;
    }
    return frames_.back();
}

std::optional<ContextualIntentEvent> IntentTimeline::submit_text(std::string_view text,
                                                                 Nanoseconds timestamp) const {
    if (text.empty()) {
        return std::nullopt;
    }
    auto [pairing, frame] = context_at(timestamp);
    if (!frame) {
        return std::nullopt;
    }
    return ContextualIntentEvent{
        .timestamp_ns = timestamp,
        .text = std::string(text),
        .spatial_context = std::move(*frame),
        .spatial_age_ns = Nanoseconds{static_cast<Nanoseconds::rep>(pairing.age_ns)},
    };
}

std::pair<Pairing, std::optional<SpatialIntentFrame>> IntentTimeline::context_at(Nanoseconds timestamp) const {
    const std::scoped_lock lock(mutex_);
    const auto [pairing, chosen] = decide(timestamp);
    if (pairing.outcome != PairingOutcome::EVENT) {
        return {pairing, std::nullopt};
    }
    return {pairing, *chosen};
}

Pairing IntentTimeline::pair(Nanoseconds timestamp, bool text_empty) const {
    if (text_empty) {
        return Pairing{.outcome = PairingOutcome::EMPTY_TEXT};
    }
    const std::scoped_lock lock(mutex_);
    return decide(timestamp).first;
}

std::vector<NumberedFrame> IntentTimeline::frames_between(Nanoseconds from, Nanoseconds to) const {
    const std::scoped_lock lock(mutex_);
    const auto by_time = [](const SpatialIntentFrame& frame, Nanoseconds t) { return frame.timestamp_ns < t; };
    const auto first = std::lower_bound(frames_.begin(), frames_.end(), from, by_time);
    std::vector<NumberedFrame> held;
    std::uint64_t number = pushed_ - frames_.size() + static_cast<std::uint64_t>(first - frames_.begin());
    for (auto at = first; at != frames_.end() && at->timestamp_ns <= to; ++at) {
        held.push_back({number++, *at});
    }
    return held;
}

std::pair<Pairing, IntentTimeline::Store::const_iterator> IntentTimeline::decide(Nanoseconds timestamp) const {
    if (frames_.empty()) {
        return {Pairing{.outcome = PairingOutcome::NO_FRAME}, frames_.end()};
    }
    Pairing pairing{
        .history_start_ns = frames_.front().timestamp_ns,
        .history_start = history_start_,
        .reset_at_ns = history_start_ == HistoryStart::RESET ? reset_at_ : Nanoseconds{0},
    };
    // The newest frame at or before the text. Text usually arrives after the newest frame,
    // which is checked first. Otherwise a binary search finds the same frame a newest-first
    // walk would stop at: the store is ordered by time (an older frame starts a new history),
    // and among equal times the last pushed is the one before the first later frame.
    auto past = frames_.end();
    if (timestamp < frames_.back().timestamp_ns) {
        past = std::upper_bound(frames_.begin(), frames_.end(), timestamp,
                                [](Nanoseconds t, const SpatialIntentFrame& frame) { return t < frame.timestamp_ns; });
    }
    if (past == frames_.begin()) {
        pairing.outcome = PairingOutcome::BEFORE_HISTORY;
        return {pairing, frames_.end()};
    }
    const auto chosen = std::prev(past);
    // The store holds the last frames pushed, in order, so their numbers end at pushed_ - 1.
    pairing.frame = pushed_ - frames_.size() + static_cast<std::uint64_t>(chosen - frames_.begin());
    // The true age lies in [0, 2^64 - 1]; unsigned arithmetic gives it exactly, where the
    // signed difference of two far-apart times would overflow. Older frames are not tried:
    // they would be older still.
    pairing.age_ns = static_cast<std::uint64_t>(timestamp.count()) -
                     static_cast<std::uint64_t>(chosen->timestamp_ns.count());
    pairing.outcome = pairing.age_ns > static_cast<std::uint64_t>(max_context_age_.count())
                          ? PairingOutcome::TOO_OLD
                          : PairingOutcome::EVENT;
    return {pairing, chosen};
}

}  // namespace quillary::spatial
