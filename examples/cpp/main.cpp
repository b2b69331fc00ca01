// A native XR host's loop on the core: every 90 Hz tick it fills a frame and pushes it; when
// the user speaks, it submits the text and hands the event line to its agent (here: stdout).
#include <quillary/spatial/jsonl.hpp>
#include <quillary/spatial/timeline.hpp>

#include <chrono>
#include <cstdint>
#include <iostream>

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

constexpr std::int64_t session_start_ns = 5'000'000'000'000;
constexpr std::int64_t tick_ns = 1'000'000'000 / 90;

qs::SpatialIntentFrame frame_at(std::int64_t tick) {
    qs::SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{session_start_ns + tick * tick_ns};
    frame.timestamp_domain = "monotonic";
    frame.reference_space = {.type = "stage", .id = "room", .generation = 1};
    frame.head_pose.position = {0.0, 1.6, 0.0};
    frame.head_tracking = qs::TrackingConfidence::POSITION_AND_ORIENTATION;
    frame.pointing = qs::PointingIntent{
        .ray = {.origin = {0.25, 1.2, -0.3}, .direction = {-0.3, -0.2, -0.93}},
        .source = qs::PointingSource::CONTROLLER,
        .confidence = qs::TrackingConfidence::POSITION_AND_ORIENTATION,
    };
    // The engine's ray cast found the lamp.
    frame.target = qs::SpatialHit{.position = {-0.3, 0.9, -1.5}, .normal = {0.0, 0.0, 1.0}, .host_id = "lamp"};
    frame.capabilities.head_pose = frame.capabilities.action_input = true;
    return frame;
}

}  // namespace

int main() {
    qs::IntentTimeline timeline(240, nanoseconds{2'000'000'000});
    for (std::int64_t tick = 0; tick < 90; ++tick) {
        timeline.push(frame_at(tick));
    }
    const auto said_at = nanoseconds{session_start_ns + 89 * tick_ns + 4'000'000};
    const auto event = timeline.submit_text("turn that on", said_at);
    if (!event) {
        std::cerr << "native host: no fresh context for the utterance\n";
        return 1;
    }
    std::cout << qs::to_jsonl(*event) << '\n';
    return 0;
}
