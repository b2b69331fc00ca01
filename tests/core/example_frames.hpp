// The fully populated example frame shared by the core tests and benchmarks: every optional
// but the right hand, a string in every string field.
#pragma once

#include "values.hpp"

namespace quillary::spatial::examples {

inline SpatialIntentFrame full_frame() {
    using std::chrono::nanoseconds;
    SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{1700000000123456789};
    frame.timestamp_domain = "monotonic";
    frame.reference_space = {.type = "stage", .id = "room-1", .generation = 3};
    frame.head_pose.position = {0, 1.6, 0};
    frame.head_tracking = TrackingConfidence::POSITION_AND_ORIENTATION;
    frame.pointing = PointingIntent{.ray = {{0.1, 1.2, -0.3}, {0, 0, -1}},
                                    .source = PointingSource::HAND,
                                    .confidence = TrackingConfidence::ORIENTATION_ONLY};
    frame.primary_select = SelectState{
        .pressed = true, .changed = true, .last_change_time_ns = nanoseconds{1700000000100000000}};
    frame.left_hand_pose.emplace().position = {-0.2, 1.1, -0.4};
    frame.gaze_ray = Ray{{0, 1.6, 0}, {0, -0.5, -0.8660254037844386}};
    auto& target = frame.target.emplace();
    target.position = {0.1, 0.75, -1.5};
    target.normal = {0, 1, 0};
    target.host_id = "table-7";
    frame.capabilities.head_pose = true;
    frame.capabilities.action_input = true;
    frame.capabilities.hand_tracking = true;
    frame.capabilities.enabled_extensions = {"ext.hands", "ext.gaze"};
    return frame;
}

}  // namespace quillary::spatial::examples
