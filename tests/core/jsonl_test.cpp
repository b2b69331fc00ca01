#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "example_frames.hpp"
#include "json_writers.hpp"
#include "jsonl.hpp"

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

constexpr std::string_view default_frame_line =
    R"({"schema":"quillary.spatial-intent","version":1,"timestamp_ns":0,"timestamp_domain":"",)"
    R"("reference_space":{"type":"","id":"","generation":0},)"
    R"("head":{"position":[0,0,0],"orientation":[0,0,0,1]},"head_tracking":"unavailable",)"
    R"("capabilities":{"head_pose":false,"action_input":false,"hand_tracking":false,)"
    R"("hand_interaction":false,"eye_gaze":false,"enabled_extensions":[]}})";

constexpr std::string_view full_frame_line =
    R"({"schema":"quillary.spatial-intent","version":1,"timestamp_ns":1700000000123456789,)"
    R"("timestamp_domain":"monotonic","reference_space":{"type":"stage","id":"room-1","generation":3},)"
    R"("head":{"position":[0,1.6,0],"orientation":[0,0,0,1]},"head_tracking":"position_and_orientation",)"
    R"("pointing":{"source":"hand","confidence":"orientation_only","origin":[0.1,1.2,-0.3],"direction":[0,0,-1]},)"
    R"("primary_select":{"pressed":true,"changed":true,"last_change_time_ns":1700000000100000000},)"
    R"("left_hand":{"position":[-0.2,1.1,-0.4],"orientation":[0,0,0,1]},)"
    R"("gaze":{"origin":[0,1.6,0],"direction":[0,-0.5,-0.866025404]},)"
    R"("target":{"position":[0.1,0.75,-1.5],"normal":[0,1,0],"host_id":"table-7"},)"
    R"("capabilities":{"head_pose":true,"action_input":true,"hand_tracking":true,)"
    R"("hand_interaction":false,"eye_gaze":false,"enabled_extensions":["ext.hands","ext.gaze"]}})";

using qs::examples::full_frame;

// Events come from the timeline in the library; tests of the writer build them directly.
qs::ContextualIntentEvent event_with(qs::SpatialIntentFrame frame) {
    qs::ContextualIntentEvent event;
    event.timestamp_ns = nanoseconds{1700000000200000000};
    event.text = "put it \"there\"\n";
    event.spatial_age_ns = nanoseconds{76543211};
    event.spatial_context = std::move(frame);
    return event;
}

}  // namespace

TEST(FrameLine, DefaultFrame) {
    const auto line = qs::to_jsonl(qs::SpatialIntentFrame{});
    EXPECT_EQ(line, default_frame_line);
    EXPECT_EQ(line.size(), 366u);
}

TEST(FrameLine, FullExampleFrame) { EXPECT_EQ(qs::to_jsonl(full_frame()), full_frame_line); }

TEST(FrameLine, HostIdAbsentOrEmpty) {
    auto frame = full_frame();
    frame.target->host_id.reset();
    EXPECT_NE(qs::to_jsonl(frame).find(R"("target":{"position":[0.1,0.75,-1.5],"normal":[0,1,0]},)"),
              std::string::npos);
    frame.target->host_id = "";
    EXPECT_NE(qs::to_jsonl(frame).find(R"("normal":[0,1,0],"host_id":""},)"), std::string::npos);
}

TEST(FrameLine, OnlyRightHandFollowsHeadTracking) {
    qs::SpatialIntentFrame frame;
    frame.right_hand_pose.emplace();
    EXPECT_NE(qs::to_jsonl(frame).find(
                  R"("head_tracking":"unavailable","right_hand":{"position":[0,0,0],"orientation":[0,0,0,1]},"capabilities")"),
              std::string::npos);
}

TEST(FrameLine, IntegerExtremesAndFallbackNames) {
    qs::SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{std::numeric_limits<std::int64_t>::min()};
    frame.reference_space.generation = std::numeric_limits<std::uint64_t>::max();
    frame.head_tracking = static_cast<qs::TrackingConfidence>(7);
    frame.pointing.emplace().source = static_cast<qs::PointingSource>(-1);
    const auto line = qs::to_jsonl(frame);
    EXPECT_NE(line.find(R"("timestamp_ns":-9223372036854775808,)"), std::string::npos);
    EXPECT_NE(line.find(R"("generation":18446744073709551615})"), std::string::npos);
    EXPECT_NE(line.find(R"("head_tracking":"unavailable")"), std::string::npos);
    EXPECT_NE(line.find(R"("pointing":{"source":"head","confidence":"unavailable")"), std::string::npos);
}

TEST(FrameLine, ControlCharactersNeverAppearRaw) {
    auto frame = full_frame();
    frame.timestamp_domain = "mono\ntonic\r";
    frame.capabilities.enabled_extensions.push_back(std::string("a\0\x1f", 3));
    const auto line = qs::to_jsonl(frame);
    for (const char c : line) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20);
    }
    EXPECT_NE(line.find(R"("timestamp_domain":"mono\ntonic\r")"), std::string::npos);
    EXPECT_NE(line.find(R"("ext.gaze","a\u0000\u001f"])"), std::string::npos);
}

TEST(FrameLine, NonFiniteComponentsKeepTheLineStrictJson) {
    auto frame = full_frame();
    frame.head_pose.position.x = std::numeric_limits<double>::quiet_NaN();
    frame.gaze_ray->direction.z = -std::numeric_limits<double>::infinity();
    const auto line = qs::to_jsonl(frame);
    EXPECT_NE(line.find(R"("head":{"position":[null,1.6,0])"), std::string::npos);
    const auto parsed = nlohmann::json::parse(line);
    EXPECT_TRUE(parsed["gaze"]["direction"][2].is_null());
}

TEST(FrameLine, SameFrameSameBytes) {
    const auto frame = full_frame();
    EXPECT_EQ(qs::to_jsonl(frame), qs::to_jsonl(frame));
}

TEST(EventLine, ExampleEventWithDefaultFrame) {
    const auto line = qs::to_jsonl(event_with({}));
    EXPECT_EQ(line,
              std::string(R"({"schema":"quillary.contextual-intent","version":1,"timestamp_ns":1700000000200000000,)"
                          R"("text":"put it \"there\"\n","spatial_age_ns":76543211,"spatial_context":)") +
                  std::string(default_frame_line) + "}");
    EXPECT_EQ(line.size(), 525u);
    EXPECT_TRUE(line.ends_with("}}"));
}

TEST(EventLine, EmbedsTheFrameLineUnchangedAndWritesWhatIsStored) {
    auto event = event_with(full_frame());
    event.text.clear();
    event.spatial_age_ns = nanoseconds{-5};
    const auto line = qs::to_jsonl(event);
    EXPECT_NE(line.find(R"("text":"","spatial_age_ns":-5,"spatial_context":)"), std::string::npos);
    EXPECT_TRUE(line.ends_with(std::string(full_frame_line) + "}"));
}

TEST(Lines, AppendedAfterWhatTheBufferHolds) {
    std::string buffer = "earlier\n";
    qs::append_jsonl(buffer, full_frame());
    buffer += '\n';
    qs::append_jsonl(buffer, event_with({}));
    EXPECT_EQ(buffer, "earlier\n" + std::string(full_frame_line) + "\n" + qs::to_jsonl(event_with({})));
}

// Every member present and every value at its longest, with every string byte escaped to six.
qs::SpatialIntentFrame longest_frame(const std::string& text) {
    constexpr double longest = -1.23456789e-308;  // "-1.23456789e-308", as long as a number gets
    constexpr auto longest_integer = std::numeric_limits<std::int64_t>::min();
    const qs::Vec3 v{longest, longest, longest};
    const qs::Pose pose{v, {longest, longest, longest, longest}};
    qs::SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{longest_integer};
    frame.timestamp_domain = frame.reference_space.type = frame.reference_space.id = text;
    frame.reference_space.generation = std::numeric_limits<std::uint64_t>::max();
    frame.head_pose = pose;
    frame.head_tracking = qs::TrackingConfidence::POSITION_AND_ORIENTATION;
    frame.pointing = qs::PointingIntent{{v, v}, qs::PointingSource::CONTROLLER,
                                        qs::TrackingConfidence::POSITION_AND_ORIENTATION};
    frame.primary_select = qs::SelectState{false, false, nanoseconds{longest_integer}};
    frame.left_hand_pose = frame.right_hand_pose = pose;
    frame.gaze_ray = qs::Ray{v, v};
    frame.target = qs::SpatialHit{v, v, text};
    frame.capabilities.enabled_extensions = {text, text, text};
    return frame;
}

class LongestLines : public testing::TestWithParam<std::size_t> {};

// Lines are written into the room worked out before writing, with nothing checked on the way:
// the longest lines must fit it, with the scratch a number may use past its end. An exact
// buffer on the heap also lets the address sanitizer see a byte written past the room.
TEST_P(LongestLines, FitTheRoomWorkedOutForThem) {
    const std::string text(GetParam(), '\x01');
    auto event = event_with(longest_frame(text));
    event.timestamp_ns = event.spatial_age_ns = nanoseconds{std::numeric_limits<std::int64_t>::min()};
    event.text = text;
    const auto fits = [](const auto& record) {
        const auto room = qs::jsonl_room(record);
        const auto buffer = std::make_unique_for_overwrite<char[]>(room);
        const std::string line(buffer.get(), qs::write_jsonl(buffer.get(), record));
        EXPECT_EQ(line, qs::to_jsonl(record));
        EXPECT_LE(line.size() + qs::json::number_room, room);
    };
    fits(event.spatial_context);
    fits(event);
}

INSTANTIATE_TEST_SUITE_P(StringLengths, LongestLines, testing::Values(0u, 1u, 700u));

TEST(Lines, ParseAsStrictJsonWithMembersInOrder) {
    const auto parsed = nlohmann::ordered_json::parse(qs::to_jsonl(event_with(full_frame())));
    std::vector<std::string> keys;
    for (const auto& [key, value] : parsed.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"schema", "version", "timestamp_ns", "text",
                                              "spatial_age_ns", "spatial_context"}));
    EXPECT_EQ(parsed["spatial_context"]["schema"], "quillary.spatial-intent");
    EXPECT_EQ(parsed["spatial_context"]["target"]["host_id"], "table-7");
    EXPECT_EQ(parsed["text"], "put it \"there\"\n");
}

// A host may switch the process to a locale with a decimal comma; the wire format must not.
TEST(Lines, IgnoreTheProcessLocale) {
    const auto previous_global = std::locale::global(std::locale("de_DE.UTF-8"));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const auto line = qs::to_jsonl(full_frame());
    std::locale::global(previous_global);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(line, full_frame_line);
}
