#include "jsonl.hpp"

#include <array>
#include <string_view>

#include "json_writers.hpp"

namespace quillary::spatial {
namespace {

using namespace json;

// Everything in a frame's line but its strings, at its longest: every optional member present,
// every number and integer at its longest, the longest wire names. The line tests check a
// frame written that way against it.
constexpr std::size_t longest_frame_text = 1536;
constexpr std::size_t longest_event_text = 256;

// Room for a string: for a short one six bytes a byte, since every byte may need an escape;
// a long one is counted, since six times a long text would be a surprising amount of memory
// to set aside for its line.
std::size_t string_room(std::string_view text) {
    constexpr std::size_t short_text = 256;
    return text.size() <= short_text ? 2 + 6 * text.size() : json_string_size(text);
}

char* format_name(char* p, std::string_view name) {
    // Wire names need no escaping.
    *p++ = '"';
    std::memcpy(p, name.data(), name.size());
    p += name.size();
    *p++ = '"';
    return p;
}

char* format_ray_members(char* p, const Ray& ray) {
    p = put(p, R"("origin":)");
    p = format_vec3(p, ray.origin);
    p = put(p, R"(,"direction":)");
    return format_vec3(p, ray.direction);
}

// Every member after the first carries its leading comma in its key text, so leaving out an
// optional member never leaves a stray comma.
char* format_frame_line(char* p, const SpatialIntentFrame& frame) {
    p = put(p, R"({"schema":"quillary.spatial-intent","version":1,"timestamp_ns":)");
    p = format_integer(p, frame.timestamp_ns.count());
    p = put(p, R"(,"timestamp_domain":)");
    p = format_json_string(p, frame.timestamp_domain);

    p = put(p, R"(,"reference_space":{"type":)");
    p = format_json_string(p, frame.reference_space.type);
    p = put(p, R"(,"id":)");
    p = format_json_string(p, frame.reference_space.id);
    p = put(p, R"(,"generation":)");
    p = format_unsigned(p, frame.reference_space.generation);

    p = put(p, R"(},"head":)");
    p = format_pose(p, frame.head_pose);
    p = put(p, R"(,"head_tracking":)");
    p = format_name(p, tracking_confidence_name(frame.head_tracking));

    if (const auto& pointing = frame.pointing) {
        p = put(p, R"(,"pointing":{"source":)");
        p = format_name(p, pointing_source_name(pointing->source));
        p = put(p, R"(,"confidence":)");
        p = format_name(p, tracking_confidence_name(pointing->confidence));
        *p++ = ',';
        p = format_ray_members(p, pointing->ray);
        *p++ = '}';
    }
    if (const auto& select = frame.primary_select) {
        p = put(p, R"(,"primary_select":{"pressed":)");
        p = format_bool(p, select->pressed);
        p = put(p, R"(,"changed":)");
        p = format_bool(p, select->changed);
        p = put(p, R"(,"last_change_time_ns":)");
        p = format_integer(p, select->last_change_time_ns.count());
        *p++ = '}';
    }
    if (frame.left_hand_pose) {
        p = put(p, R"(,"left_hand":)");
        p = format_pose(p, *frame.left_hand_pose);
    }
    if (frame.right_hand_pose) {
        p = put(p, R"(,"right_hand":)");
        p = format_pose(p, *frame.right_hand_pose);
    }
    if (frame.gaze_ray) {
        p = put(p, R"(,"gaze":{)");
        p = format_ray_members(p, *frame.gaze_ray);
        *p++ = '}';
    }
    if (const auto& target = frame.target) {
        p = put(p, R"(,"target":{"position":)");
        p = format_vec3(p, target->position);
        p = put(p, R"(,"normal":)");
        p = format_vec3(p, target->normal);
        if (target->host_id) {
            p = put(p, R"(,"host_id":)");
            p = format_json_string(p, *target->host_id);
        }
        *p++ = '}';
    }

    const auto& caps = frame.capabilities;
    p = put(p, R"(,"capabilities":{"head_pose":)");
    p = format_bool(p, caps.head_pose);
    p = put(p, R"(,"action_input":)");
    p = format_bool(p, caps.action_input);
    p = put(p, R"(,"hand_tracking":)");
    p = format_bool(p, caps.hand_tracking);
    p = put(p, R"(,"hand_interaction":)");
    p = format_bool(p, caps.hand_interaction);
    p = put(p, R"(,"eye_gaze":)");
    p = format_bool(p, caps.eye_gaze);
    p = put(p, R"(,"enabled_extensions":[)");
    for (std::size_t i = 0; i < caps.enabled_extensions.size(); ++i) {
        if (i > 0) {
            *p++ = ',';
        }
        p = format_json_string(p, caps.enabled_extensions[i]);
    }
    return put(p, "]}}");
}

template <class Record>
void append_line(std::string& out, const Record& record) {
    const auto start = out.size();
    out.resize(start + jsonl_room(record));
    out.resize(static_cast<std::size_t>(write_jsonl(out.data() + start, record) - out.data()));
}

// A line as a string of its own size: written on the stack when its room fits there, as
// nearly every line's does, rather than in a string left holding the whole room.
template <class Record>
std::string line_of(const Record& record) {
    std::array<char, 4096> stack;
    if (jsonl_room(record) <= stack.size()) {
        return std::string(stack.data(), write_jsonl(stack.data(), record));
    }
    std::string line;
    append_line(line, record);
    return line;
}

}  // namespace

std::size_t jsonl_room(const SpatialIntentFrame& frame) {
    std::size_t room = longest_frame_text + number_room + string_room(frame.timestamp_domain) +
                       string_room(frame.reference_space.type) +
                       string_room(frame.reference_space.id);
    if (frame.target && frame.target->host_id) {
        room += string_room(*frame.target->host_id);
    }
    for (const auto& extension : frame.capabilities.enabled_extensions) {
        room += 1 + string_room(extension);  // with its comma
    }
    return room;
}

std::size_t jsonl_room(const ContextualIntentEvent& event) {
    return longest_event_text + string_room(event.text) + jsonl_room(event.spatial_context);
}

char* write_jsonl(char* out, const SpatialIntentFrame& frame) { return format_frame_line(out, frame); }

char* write_jsonl(char* out, const ContextualIntentEvent& event) {
    char* p = put(out, R"({"schema":"quillary.contextual-intent","version":1,"timestamp_ns":)");
    p = format_integer(p, event.timestamp_ns.count());
    p = put(p, R"(,"text":)");
    p = format_json_string(p, event.text);
    p = put(p, R"(,"spatial_age_ns":)");
    p = format_integer(p, event.spatial_age_ns.count());
    // The frame is written by the frame line's own writer, so the embedded object is byte for
    // byte the frame's line.
    p = put(p, R"(,"spatial_context":)");
    p = format_frame_line(p, event.spatial_context);
    *p++ = '}';
    return p;
}

void append_jsonl(std::string& out, const SpatialIntentFrame& frame) { append_line(out, frame); }

void append_jsonl(std::string& out, const ContextualIntentEvent& event) { append_line(out, event); }

std::string to_jsonl(const SpatialIntentFrame& frame) { return line_of(frame); }

std::string to_jsonl(const ContextualIntentEvent& event) { return line_of(event); }

}  // namespace quillary::spatial
