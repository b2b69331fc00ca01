// The value model every other part of the library shares: geometry, enumerations and the
// intent records. Plain structs with defaults; nothing here validates or derives anything.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace quillary::spatial {

// Every *_ns field: a signed 64-bit count of nanoseconds on the host's clock.
using Nanoseconds = std::chrono::nanoseconds;
static_assert(sizeof(Nanoseconds::rep) == 8 && std::is_signed_v<Nanoseconds::rep>);

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Vector part first, scalar part last; the default is the identity rotation.
struct Quaternion {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};

struct Pose {
    Vec3 position;
    Quaternion orientation;
};

// The direction is never normalised: it stays whatever the host put there.
struct Ray {
    Vec3 origin;
    Vec3 direction;
};

static_assert(std::is_trivially_copyable_v<Pose> && std::is_trivially_copyable_v<Ray>);

// Fields of these types may hold unlisted values (Python can build them); they are kept as is.
enum class TrackingConfidence : std::int32_t {
    UNAVAILABLE = 0,
    ORIENTATION_ONLY = 1,
    POSITION_AND_ORIENTATION = 2,
};
// How many values the enumeration names (0 to this, exclusive): readers and writers loop over them.
inline constexpr int tracking_confidence_count = 3;

enum class PointingSource : std::int32_t {
    CONTROLLER = 0,
    HAND = 1,
    EYE_GAZE = 2,
    HEAD = 3,
};
inline constexpr int pointing_source_count = 4;

struct PointingIntent {
    Ray ray;
    PointingSource source = PointingSource::HEAD;
    TrackingConfidence confidence = TrackingConfidence::UNAVAILABLE;
};

struct SelectState {
    bool pressed = false;
    bool changed = false;
    Nanoseconds last_change_time_ns{0};
};

struct SpatialHit {
    Vec3 position;
    Vec3 normal;
    // Absent and empty are different answers from the host, and stay different.
    std::optional<std::string> host_id;
};

struct ReferenceSpace {
    std::string type;
    std::string id;
    std::uint64_t generation = 0;
};

struct CapabilitySnapshot {
    bool head_pose = false;
    bool action_input = false;
    bool hand_tracking = false;
    bool hand_interaction = false;
    bool eye_gaze = false;
    std::vector<std::string> enabled_extensions;
};

struct SpatialIntentFrame {
    Nanoseconds timestamp_ns{0};
    std::string timestamp_domain;
    ReferenceSpace reference_space;
    Pose head_pose;
    TrackingConfidence head_tracking = TrackingConfidence::UNAVAILABLE;
    std::optional<PointingIntent> pointing;
    std::optional<SelectState> primary_select;
    std::optional<Pose> left_hand_pose;
    std::optional<Pose> right_hand_pose;
    std::optional<Ray> gaze_ray;
    std::optional<SpatialHit> target;
    CapabilitySnapshot capabilities;
};

// Only IntentTimeline::submit_text makes these in the library.
struct ContextualIntentEvent {
    Nanoseconds timestamp_ns{0};
    std::string text;
    SpatialIntentFrame spatial_context;
    Nanoseconds spatial_age_ns{0};
};

}  // namespace quillary::spatial
