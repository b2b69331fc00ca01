#include "jsonl.hpp"

#include <string_view>

#include "json_writers.hpp"

namespace quillary::spatial {
namespace {

using namespace json;
// Keys as string_view literals: their lengths are known when compiling, not counted per line.
using namespace std::string_view_literals;

// A full frame line is about 700 bytes; one reservation covers nearly every line.
constexpr std::size_t typical_line_size = 1024;

void write_name(std::string& out, std::string_view name) {
    // Wire names need no escaping.
    out += '"';
    out += name;
    out += '"';
}

void write_ray_members(std::string& out, const Ray& ray) {
    out += R"("origin":)"sv;
    write_vec3(out, ray.origin);
    out += R"(,"direction":)"sv;
    write_vec3(out, ray.direction);
}

// Every member after the first carries its leading comma in its key text, so leaving out an
// optional member never leaves a stray comma.
void append_frame_line(std::string& out, const SpatialIntentFrame& frame) {
    out += R"({"schema":"quillary.spatial-intent","version":1,"timestamp_ns":)"sv;
    write_integer(out, frame.timestamp_ns.count());
    out += R"(,"timestamp_domain":)"sv;
    write_json_string(out, frame.timestamp_domain);

    out += R"(,"reference_space":{"type":)"sv;
    write_json_string(out, frame.reference_space.type);
    out += R"(,"id":)"sv;
    write_json_string(out, frame.reference_space.id);
    out += R"(,"generation":)"sv;
    write_unsigned(out, frame.reference_space.generation);

    out += R"(},"head":)"sv;
    write_pose(out, frame.head_pose);
    out += R"(,"head_tracking":)"sv;
    write_name(out, tracking_confidence_name(frame.head_tracking));

    if (const auto& pointing = frame.pointing) {
        out += R"(,"pointing":{"source":)"sv;
        write_name(out, pointing_source_name(pointing->source));
        out += R"(,"confidence":)"sv;
        write_name(out, tracking_confidence_name(pointing->confidence));
        out += ',';
        write_ray_members(out, pointing->ray);
        out += '}';
    }
    if (const auto& select = frame.primary_select) {
        out += R"(,"primary_select":{"pressed":)"sv;
        write_bool(out, select->pressed);
        out += R"(,"changed":)"sv;
        write_bool(out, select->changed);
        out += R"(,"last_change_time_ns":)"sv;
        write_integer(out, select->last_change_time_ns.count());
        out += '}';
    }
    if (frame.left_hand_pose) {
        out += R"(,"left_hand":)"sv;
        write_pose(out, *frame.left_hand_pose);
    }
    if (frame.right_hand_pose) {
        out += R"(,"right_hand":)"sv;
        write_pose(out, *frame.right_hand_pose);
    }
    if (frame.gaze_ray) {
        out += R"(,"gaze":{)"sv;
        write_ray_members(out, *frame.gaze_ray);
        out += '}';
    }
    if (const auto& target = frame.target) {
        out += R"(,"target":{"position":)"sv;
        write_vec3(out, target->position);
        out += R"(,"normal":)"sv;
        write_vec3(out, target->normal);
        if (target->host_id) {
            out += R"(,"host_id":)"sv;
            write_json_string(out, *target->host_id);
        }
        out += '}';
    }

    const auto& caps = frame.capabilities;
    out += R"(,"capabilities":{"head_pose":)"sv;
    write_bool(out, caps.head_pose);
    out += R"(,"action_input":)"sv;
    write_bool(out, caps.action_input);
    out += R"(,"hand_tracking":)"sv;
    write_bool(out, caps.hand_tracking);
    out += R"(,"hand_interaction":)"sv;
    write_bool(out, caps.hand_interaction);
    out += R"(,"eye_gaze":)"sv;
    write_bool(out, caps.eye_gaze);
    out += R"(,"enabled_extensions":[)"sv;
    for (std::size_t i = 0; i < caps.enabled_extensions.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        write_json_string(out, caps.enabled_extensions[i]);
    }
    out += "]}}";
}

}  // namespace

void append_jsonl(std::string& out, const SpatialIntentFrame& frame) {
    append_frame_line(out, frame);
}

void append_jsonl(std::string& out, const ContextualIntentEvent& event) {
    out += R"({"schema":"quillary.contextual-intent","version":1,"timestamp_ns":)";
    write_integer(out, event.timestamp_ns.count());
    out += R"(,"text":)";
    write_json_string(out, event.text);
    out += R"(,"spatial_age_ns":)";
    write_integer(out, event.spatial_age_ns.count());
    // The frame is written into the same buffer by the frame line's own writer, so the
    // embedded object is byte for byte the frame's line.
    out += R"(,"spatial_context":)";
    append_frame_line(out, event.spatial_context);
    out += '}';
}

std::string to_jsonl(const SpatialIntentFrame& frame) {
    std::string line;
    line.reserve(typical_line_size);
    append_jsonl(line, frame);
    return line;
}

std::string to_jsonl(const ContextualIntentEvent& event) {
    std::string line;
    line.reserve(typical_line_size + event.text.size());
    append_jsonl(line, event);
    return line;
}

}  // namespace quillary::spatial
