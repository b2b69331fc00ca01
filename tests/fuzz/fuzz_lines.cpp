// Frames and events built from fuzz input must always give complete, strict JSON lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "check.hpp"
#include "jsonl.hpp"

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

bool valid_utf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            length = 1;
            code = c;
        } else if ((c >> 5) == 0x6) {
            length = 2;
            code = c & 0x1F;
        } else if ((c >> 4) == 0xE) {
            length = 3;
            code = c & 0x0F;
        } else if ((c >> 3) == 0x1E) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next >> 6) != 0x2) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 2 && code < 0x80) || (length == 3 && code < 0x800) ||
                              (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

struct Input {
    FuzzedDataProvider data;

    double number() {
        // Raw bits reach NaN, infinities, subnormals and negative zero as often as the rest.
        return std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
    }
    qs::Vec3 vec3() { return {number(), number(), number()}; }
    qs::Pose pose() { return {vec3(), {number(), number(), number(), number()}}; }
    qs::Ray ray() { return {vec3(), vec3()}; }
    std::string text() { return data.ConsumeRandomLengthString(64); }
    template <class Enum>
    Enum enumeration() {
        return static_cast<Enum>(data.ConsumeIntegral<std::int32_t>());
    }
    bool flag() { return data.ConsumeBool(); }
};

qs::SpatialIntentFrame frame_from(Input& in) {
    qs::SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{in.data.ConsumeIntegral<std::int64_t>()};
    frame.timestamp_domain = in.text();
    frame.reference_space = {in.text(), in.text(), in.data.ConsumeIntegral<std::uint64_t>()};
    frame.head_pose = in.pose();
    frame.head_tracking = in.enumeration<qs::TrackingConfidence>();
    if (in.flag()) {
        frame.pointing = qs::PointingIntent{in.ray(), in.enumeration<qs::PointingSource>(),
                                            in.enumeration<qs::TrackingConfidence>()};
    }
    if (in.flag()) {
        frame.primary_select = qs::SelectState{
            in.flag(), in.flag(), nanoseconds{in.data.ConsumeIntegral<std::int64_t>()}};
    }
    if (in.flag()) {
        frame.left_hand_pose = in.pose();
    }
    if (in.flag()) {
        frame.right_hand_pose = in.pose();
    }
    if (in.flag()) {
        frame.gaze_ray = in.ray();
    }
    if (in.flag()) {
        auto& target = frame.target.emplace();
        target.position = in.vec3();
        target.normal = in.vec3();
        if (in.flag()) {
            target.host_id = in.text();
        }
    }
    auto& caps = frame.capabilities;
    caps.head_pose = in.flag();
    caps.action_input = in.flag();
    caps.hand_tracking = in.flag();
    caps.hand_interaction = in.flag();
    caps.eye_gaze = in.flag();
    const auto extensions = in.data.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < extensions; ++i) {
        caps.enabled_extensions.push_back(in.text());
    }
    return frame;
}

std::vector<std::string> strings_of(const qs::SpatialIntentFrame& frame) {
    std::vector<std::string> all{frame.timestamp_domain, frame.reference_space.type,
                                 frame.reference_space.id};
    if (frame.target && frame.target->host_id) {
        all.push_back(*frame.target->host_id);
    }
    all.insert(all.end(), frame.capabilities.enabled_extensions.begin(),
               frame.capabilities.enabled_extensions.end());
    return all;
}

void check_frame_strings(const nlohmann::json& parsed, const qs::SpatialIntentFrame& frame) {
    check(parsed.at("timestamp_domain") == frame.timestamp_domain);
    check(parsed.at("reference_space").at("type") == frame.reference_space.type);
    check(parsed.at("reference_space").at("id") == frame.reference_space.id);
    check(parsed.at("reference_space").at("generation") == frame.reference_space.generation);
    check(parsed.at("timestamp_ns") == frame.timestamp_ns.count());
    check(parsed.contains("target") == frame.target.has_value());
    if (frame.target) {
        check(parsed.at("target").contains("host_id") == frame.target->host_id.has_value());
        if (frame.target->host_id) {
            check(parsed.at("target").at("host_id") == *frame.target->host_id);
        }
    }
    check(parsed.at("capabilities").at("enabled_extensions") == frame.capabilities.enabled_extensions);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    Input in{FuzzedDataProvider(bytes, size)};
    const auto frame = frame_from(in);
    qs::ContextualIntentEvent event;
    event.timestamp_ns = nanoseconds{in.data.ConsumeIntegral<std::int64_t>()};
    event.spatial_age_ns = nanoseconds{in.data.ConsumeIntegral<std::int64_t>()};
    event.text = in.data.ConsumeRemainingBytesAsString();
    event.spatial_context = frame;

    const auto frame_line = qs::to_jsonl(frame);
    const auto event_line = qs::to_jsonl(event);
    // Written into exactly the room worked out for it, on the heap, where the address
    // sanitizer sees any byte written past it; the line is the same however it is written.
    const auto written_in_room = [](const auto& record) {
        const auto room = qs::jsonl_room(record);
        const auto buffer = std::make_unique_for_overwrite<char[]>(room);
        return std::string(buffer.get(), qs::write_jsonl(buffer.get(), record));
    };
    check(written_in_room(frame) == frame_line);
    check(written_in_room(event) == event_line);
    for (const auto& line : {frame_line, event_line}) {
        for (const char c : line) {
            check(static_cast<unsigned char>(c) >= 0x20);
        }
    }
    check(event_line.ends_with(",\"spatial_context\":" + frame_line + "}"));

    auto strings = strings_of(frame);
    strings.push_back(event.text);
    bool all_utf8 = true;
    for (const auto& s : strings) {
        all_utf8 = all_utf8 && valid_utf8(s);
    }
    if (all_utf8) {
        const auto parsed_frame = nlohmann::json::parse(frame_line);
        check_frame_strings(parsed_frame, frame);
        const auto parsed_event = nlohmann::json::parse(event_line);
        check(parsed_event.at("text") == event.text);
        check(parsed_event.at("spatial_context") == parsed_frame);
    }
    return 0;
}
