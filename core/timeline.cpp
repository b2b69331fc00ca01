#include "timeline.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quillary::spatial {

IntentTimeline::IntentTimeline(std::uint64_t capacity, Nanoseconds max_context_age)
    : capacity_(std::max<std::uint64_t>(capacity, 1)),
      max_context_age_(std::max(max_context_age, Nanoseconds{0})) {}

void IntentTimeline::push(SpatialIntentFrame frame) {
    const std::scoped_lock lock(mutex_);
    // Going back in time means the host restarted its clock or its session: the old history
    // no longer orders against the new frames, so it is dropped rather than merged.
    if (!frames_.empty() && frame.timestamp_ns < frames_.back().timestamp_ns) {
        frames_.clear();
    }
    frames_.push_back(std::move(frame));
    // Capacity never changes and is at least 1, so one removal restores the bound and the
    // frame just pushed always stays.
    if (frames_.size() > capacity_) {
        frames_.pop_front();
    }
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
    const std::scoped_lock lock(mutex_);
    if (frames_.empty()) {
        return std::nullopt;
    }
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
        return std::nullopt;
    }
    const auto chosen = std::prev(past);
    // The true age lies in [0, 2^64 - 1]; unsigned arithmetic gives it exactly, where the
    // signed difference of two far-apart times would overflow. Older frames are not tried:
    // they would be older still.
    const auto age = static_cast<std::uint64_t>(timestamp.count()) -
                     static_cast<std::uint64_t>(chosen->timestamp_ns.count());
    if (age > static_cast<std::uint64_t>(max_context_age_.count())) {
        return std::nullopt;
    }
    return ContextualIntentEvent{
        .timestamp_ns = timestamp,
        .text = std::string(text),
        .spatial_context = *chosen,
        .spatial_age_ns = Nanoseconds{static_cast<Nanoseconds::rep>(age)},
    };
}

}  // namespace quillary::spatial
