#include "timeline.hpp"

#include <algorithm>
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
    // Newest first: text usually arrives after the newest frame, so the walk stops at once.
    const auto chosen = std::find_if(frames_.rbegin(), frames_.rend(), [&](const auto& frame) {
        return frame.timestamp_ns <= timestamp;
    });
    if (chosen == frames_.rend()) {
        return std::nullopt;
    }
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
