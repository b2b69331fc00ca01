#include "frame_line.hpp"

#include <yyjson.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "json_writers.hpp"

namespace quillary::spatial::native {

namespace {

// Any step that is not the plain case returns this: the full checker decides.
struct Unusual {};

struct FreeDocument {
    void operator()(yyjson_doc* document) const { yyjson_doc_free(document); }
};

// An object's members by name: each known, each at most once (JSON readers disagree on
// which of two wins, so the checker refuses them). Absent ones are nullptr.
template <std::size_t N>
std::array<yyjson_val*, N> members(yyjson_val* object, const std::array<std::string_view, N>& names) {
    if (!yyjson_is_obj(object)) {
        throw Unusual{};
    }
    std::array<yyjson_val*, N> found{};
    yyjson_obj_iter it = yyjson_obj_iter_with(object);
    while (yyjson_val* key = yyjson_obj_iter_next(&it)) {
        const std::string_view name{yyjson_get_str(key), yyjson_get_len(key)};
        std::size_t i = 0;
        while (i < N && names[i] != name) {
            ++i;
        }
        if (i == N || found[i] != nullptr) {
            throw Unusual{};
        }
        found[i] = yyjson_obj_iter_get_val(key);
    }
    return found;
}

yyjson_val* required(yyjson_val* value) {
    if (value == nullptr) {
        throw Unusual{};
    }
    return value;
}

std::int64_t int64(yyjson_val* value) {
    if (yyjson_is_sint(value)) {
        return yyjson_get_sint(value);
    }
    if (yyjson_is_uint(value) && yyjson_get_uint(value) <= static_cast<std::uint64_t>(INT64_MAX)) {
        return static_cast<std::int64_t>(yyjson_get_uint(value));
    }
    throw Unusual{};  // a real (1.0 is refused), a bool, out of range
}

std::uint64_t uint64(yyjson_val* value) {
    if (yyjson_is_uint(value)) {
        return yyjson_get_uint(value);
    }
    throw Unusual{};
}

bool boolean(yyjson_val* value) {
    if (!yyjson_is_bool(value)) {
        throw Unusual{};
    }
    return yyjson_get_bool(value);
}

std::string string(yyjson_val* value) {
    if (!yyjson_is_str(value)) {
        throw Unusual{};
    }
    return {yyjson_get_str(value), yyjson_get_len(value)};
}

// null is how the writer writes a non-finite number; an integer is taken as the float it is.
double number(yyjson_val* value) {
    if (yyjson_is_null(value)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double found = 0;
    if (yyjson_is_real(value)) {
        found = yyjson_get_real(value);
    } else if (yyjson_is_uint(value)) {
        found = static_cast<double>(yyjson_get_uint(value));
    } else if (yyjson_is_sint(value)) {
        found = static_cast<double>(yyjson_get_sint(value));
    } else {
        throw Unusual{};
    }
    if (!std::isfinite(found)) {
        throw Unusual{};
    }
    return found;
}

template <std::size_t N>
std::array<double, N> numbers(yyjson_val* value) {
    if (!yyjson_is_arr(value) || yyjson_arr_size(value) != N) {
        throw Unusual{};
    }
    std::array<double, N> out{};
    std::size_t i = 0;
    yyjson_arr_iter it = yyjson_arr_iter_with(value);
    while (yyjson_val* item = yyjson_arr_iter_next(&it)) {
        out[i++] = number(item);
    }
    return out;
}

Vec3 vec3(yyjson_val* value) {
    const auto v = numbers<3>(required(value));
    return {v[0], v[1], v[2]};
}

Pose pose(yyjson_val* value) {
    const auto m = members(value, std::array<std::string_view, 2>{"position", "orientation"});
    const auto q = numbers<4>(required(m[1]));
    return {vec3(m[0]), {q[0], q[1], q[2], q[3]}};
}

Ray ray(yyjson_val* value) {
    const auto m = members(value, std::array<std::string_view, 2>{"origin", "direction"});
    return {vec3(m[0]), vec3(m[1])};
}

// An enumeration by the name the writer writes for it.
template <class Enum>
Enum named(yyjson_val* value, std::string_view (*name_of)(Enum), int count) {
    const std::string name = string(value);
    for (int i = 0; i < count; ++i) {
        if (name_of(static_cast<Enum>(i)) == name) {
            return static_cast<Enum>(i);
        }
    }
    throw Unusual{};
}

TrackingConfidence confidence(yyjson_val* value) { return named(value, json::tracking_confidence_name, tracking_confidence_count); }
PointingSource source(yyjson_val* value) { return named(value, json::pointing_source_name, pointing_source_count); }

// What the checker reads differently from a plain JSON reader: an escape (\u, which may hold
// a lone surrogate the checker refuses), a surrogate's own UTF-8 bytes, and a negative zero
// (which it keeps as -0.0).
bool needs_the_checker(std::string_view line) {
    for (std::size_t at = line.find('\xED'); at != std::string_view::npos; at = line.find('\xED', at + 1)) {
        if (at + 1 < line.size() && static_cast<unsigned char>(line[at + 1]) >= 0xA0) {
            return true;
        }
    }
    for (std::size_t at = line.find('\\'); at != std::string_view::npos; at = line.find('\\', at + 2)) {
        if (at + 1 < line.size() && line[at + 1] == 'u') {
            return true;
        }
    }
    for (std::size_t at = line.find("-0"); at != std::string_view::npos; at = line.find("-0", at + 1)) {
        const char next = at + 2 < line.size() ? line[at + 2] : '\0';
        if (next != '.' && next != 'e' && next != 'E' && (next < '0' || next > '9')) {
            return true;
        }
    }
    return false;
}

constexpr std::array<std::string_view, 14> frame_members{
    "schema", "version", "timestamp_ns", "timestamp_domain", "reference_space", "head", "head_tracking",
    "capabilities", "pointing", "primary_select", "left_hand", "right_hand", "gaze", "target"};
enum FrameMember : std::size_t {
    SCHEMA, VERSION, TIMESTAMP_NS, TIMESTAMP_DOMAIN, REFERENCE_SPACE, HEAD, HEAD_TRACKING, CAPABILITIES,
    POINTING, PRIMARY_SELECT, LEFT_HAND, RIGHT_HAND, GAZE, TARGET
};

SpatialIntentFrame build(yyjson_val* root) {
    const auto m = members(root, frame_members);
    for (std::size_t i = SCHEMA; i <= CAPABILITIES; ++i) {
        required(m[i]);
    }
    if (string(m[SCHEMA]) != "quillary.spatial-intent" || uint64(m[VERSION]) != 1) {
        throw Unusual{};
    }
    SpatialIntentFrame frame;
    frame.timestamp_ns = Nanoseconds{int64(m[TIMESTAMP_NS])};
    frame.timestamp_domain = string(m[TIMESTAMP_DOMAIN]);
    const auto space = members(m[REFERENCE_SPACE], std::array<std::string_view, 3>{"type", "id", "generation"});
    frame.reference_space = {string(required(space[0])), string(required(space[1])), uint64(required(space[2]))};
    frame.head_pose = pose(m[HEAD]);
    frame.head_tracking = confidence(m[HEAD_TRACKING]);
    if (m[POINTING] != nullptr) {
        const auto p = members(m[POINTING], std::array<std::string_view, 4>{"source", "confidence", "origin", "direction"});
        frame.pointing = PointingIntent{{vec3(p[2]), vec3(p[3])}, source(required(p[0])), confidence(required(p[1]))};
    }
    if (m[PRIMARY_SELECT] != nullptr) {
        const auto s = members(m[PRIMARY_SELECT], std::array<std::string_view, 3>{"pressed", "changed", "last_change_time_ns"});
        frame.primary_select = SelectState{boolean(required(s[0])), boolean(required(s[1])),
                                           Nanoseconds{int64(required(s[2]))}};
    }
    if (m[LEFT_HAND] != nullptr) {
        frame.left_hand_pose = pose(m[LEFT_HAND]);
    }
    if (m[RIGHT_HAND] != nullptr) {
        frame.right_hand_pose = pose(m[RIGHT_HAND]);
    }
    if (m[GAZE] != nullptr) {
        frame.gaze_ray = ray(m[GAZE]);
    }
    if (m[TARGET] != nullptr) {
        const auto t = members(m[TARGET], std::array<std::string_view, 3>{"position", "normal", "host_id"});
        SpatialHit hit{vec3(t[0]), vec3(t[1]), std::nullopt};
        if (t[2] != nullptr) {
            hit.host_id = string(t[2]);
        }
        frame.target = std::move(hit);
    }
    const auto c = members(m[CAPABILITIES], std::array<std::string_view, 6>{
        "head_pose", "action_input", "hand_tracking", "hand_interaction", "eye_gaze", "enabled_extensions"});
    frame.capabilities.head_pose = boolean(required(c[0]));
    frame.capabilities.action_input = boolean(required(c[1]));
    frame.capabilities.hand_tracking = boolean(required(c[2]));
    frame.capabilities.hand_interaction = boolean(required(c[3]));
    frame.capabilities.eye_gaze = boolean(required(c[4]));
    if (!yyjson_is_arr(required(c[5]))) {
        throw Unusual{};
    }
    yyjson_arr_iter it = yyjson_arr_iter_with(c[5]);
    while (yyjson_val* extension = yyjson_arr_iter_next(&it)) {
        frame.capabilities.enabled_extensions.push_back(string(extension));
    }
    return frame;
}

}  // namespace

std::optional<SpatialIntentFrame> frame_from_line(std::string_view line) {
    if (needs_the_checker(line)) {
        return std::nullopt;
    }
    // Strict RFC 8259 (no comments, trailing commas, NaN or Infinity; UTF-8 checked), and the
    // input is not modified.
    const std::unique_ptr<yyjson_doc, FreeDocument> document{
        yyjson_read(line.data(), line.size(), YYJSON_READ_NOFLAG)};
    if (document == nullptr) {
        return std::nullopt;
    }
    try {
        return build(yyjson_doc_get_root(document.get()));
    } catch (const Unusual&) {
        return std::nullopt;
    }
}

}  // namespace quillary::spatial::native
