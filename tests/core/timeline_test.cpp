#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "timeline.hpp"

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

qs::SpatialIntentFrame frame_at(std::int64_t t, std::string domain = "monotonic") {
    qs::SpatialIntentFrame frame;
    frame.timestamp_ns = nanoseconds{t};
    frame.timestamp_domain = std::move(domain);
    return frame;
}

// The timeline is used in place and never moved, so tests get it on the heap.
std::unique_ptr<qs::IntentTimeline> timeline_with(std::initializer_list<std::int64_t> times,
                                                  std::uint64_t capacity = 240,
                                                  std::int64_t max_age = 1000) {
    auto timeline = std::make_unique<qs::IntentTimeline>(capacity, nanoseconds{max_age});
    for (const auto t : times) {
        timeline->push(frame_at(t));
    }
    return timeline;
}

// The timestamps a timeline holds, oldest first, read back through submit_text: a probe at
// each candidate time tells which stored frame answers it.
std::vector<std::int64_t> stored_times(const qs::IntentTimeline& timeline,
                                       std::initializer_list<std::int64_t> candidates) {
    std::vector<std::int64_t> found;
    for (const auto t : candidates) {
        const auto event = timeline.submit_text("probe", nanoseconds{t});
        if (event && event->spatial_age_ns.count() == 0) {
            found.push_back(t);
        }
    }
    return found;
}

}  // namespace

struct Selection {
    std::int64_t submit_at;
    std::optional<std::int64_t> chosen;  // timestamp of the frame paired, or none
    std::int64_t age;
};

void PrintTo(const Selection& s, std::ostream* os) { *os << "submit at " << s.submit_at; }

class SubmitSelection : public testing::TestWithParam<Selection> {};

TEST_P(SubmitSelection, PicksNewestFrameAtOrBeforeWithinMaxAge) {
    const auto& expected = GetParam();
    const auto held = timeline_with({100, 200, 300});
    const auto& timeline = *held;
    const auto event = timeline.submit_text("put it there", nanoseconds{expected.submit_at});
    if (!expected.chosen) {
        EXPECT_FALSE(event.has_value());
        return;
    }
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->spatial_context.timestamp_ns.count(), *expected.chosen);
    EXPECT_EQ(event->spatial_age_ns.count(), expected.age);
    EXPECT_EQ(event->timestamp_ns.count(), expected.submit_at);
    EXPECT_EQ(event->text, "put it there");
}

INSTANTIATE_TEST_SUITE_P(FramesAt100To300MaxAge1000, SubmitSelection,
                         testing::Values(Selection{250, 200, 50},     // between frames
                                         Selection{300, 300, 0},      // exactly the newest
                                         Selection{100, 100, 0},      // exactly the oldest
                                         Selection{99, std::nullopt, 0},    // before all
                                         Selection{1300, 300, 1000},  // age equal to max
                                         Selection{1301, std::nullopt, 0},  // too old
                                         Selection{199, 100, 99}),
                         [](const testing::TestParamInfo<Selection>& info) {
                             return "SubmitAt" + std::to_string(info.param.submit_at);
                         });

TEST(Timeline, EmptyTimelineHasNothing) {
    const qs::IntentTimeline timeline(240, nanoseconds{2'000'000'000});
    EXPECT_FALSE(timeline.latest());
    EXPECT_FALSE(timeline.submit_text("anything", nanoseconds{0}));
    EXPECT_FALSE(timeline.submit_text("anything", nanoseconds{std::numeric_limits<std::int64_t>::max()}));
}

TEST(Timeline, EmptyTextNeverYieldsAnEvent) {
    const auto held = timeline_with({100});
    const auto& timeline = *held;
    EXPECT_FALSE(timeline.submit_text("", nanoseconds{100}));
    // Whitespace is text like any other.
    EXPECT_TRUE(timeline.submit_text(" ", nanoseconds{100}));
}

TEST(Timeline, TextIsCopiedByteForByte) {
    const auto held = timeline_with({100});
    const auto& timeline = *held;
    const std::string text("a\0b\xff\n", 5);
    const auto event = timeline.submit_text(text, nanoseconds{100});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->text, text);
}

TEST(Timeline, CapacityZeroKeepsOneFrame) {
    const auto held = timeline_with({10, 20, 30}, 0);
    const auto& timeline = *held;
    ASSERT_TRUE(timeline.latest());
    EXPECT_EQ(timeline.latest()->timestamp_ns.count(), 30);
    EXPECT_EQ(stored_times(timeline, {10, 20, 30}), (std::vector<std::int64_t>{30}));
}

TEST(Timeline, CapacityEvictsOldest) {
    const auto held = timeline_with({10, 20, 30, 40}, 3);
    const auto& timeline = *held;
    EXPECT_EQ(stored_times(timeline, {10, 20, 30, 40}), (std::vector<std::int64_t>{20, 30, 40}));
    EXPECT_FALSE(timeline.submit_text("x", nanoseconds{15}));
}

TEST(Timeline, NegativeMaxAgeActsAsZero) {
    const auto held = timeline_with({100, 200}, 240, -5);
    const auto& timeline = *held;
    const auto event = timeline.submit_text("x", nanoseconds{200});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->spatial_age_ns.count(), 0);
    EXPECT_FALSE(timeline.submit_text("x", nanoseconds{201}));
}

TEST(Timeline, OlderFrameResetsHistoryEqualOneDoesNot) {
    qs::IntentTimeline timeline(240, nanoseconds{1000});
    timeline.push(frame_at(100));
    timeline.push(frame_at(200));
    timeline.push(frame_at(150));
    EXPECT_EQ(timeline.latest()->timestamp_ns.count(), 150);
    EXPECT_FALSE(timeline.submit_text("x", nanoseconds{120}));  // 100 is gone

    timeline.push(frame_at(150, "second"));
    EXPECT_EQ(timeline.latest()->timestamp_domain, "second");
    timeline.push(frame_at(160));
    timeline.push(frame_at(160, "third"));  // the same time keeps what came before it
    EXPECT_EQ(stored_times(timeline, {150, 160}), (std::vector<std::int64_t>{150, 160}));
    timeline.push(frame_at(149));
    EXPECT_EQ(stored_times(timeline, {100, 149, 150, 200}), (std::vector<std::int64_t>{149}));
}

TEST(Timeline, EqualTimesPickTheLastPushed) {
    qs::IntentTimeline timeline(240, nanoseconds{1000});
    timeline.push(frame_at(100, "A"));
    timeline.push(frame_at(100, "B"));
    const auto event = timeline.submit_text("x", nanoseconds{100});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->spatial_context.timestamp_domain, "B");
}

TEST(Timeline, NegativeTimesOrderAsSigned) {
    const auto held = timeline_with({-50, -10});
    const auto& timeline = *held;
    const auto event = timeline.submit_text("x", nanoseconds{-20});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->spatial_context.timestamp_ns.count(), -50);
    EXPECT_EQ(event->spatial_age_ns.count(), 30);
}

TEST(Timeline, AgeBeyondSixtyFourBitsIsTooOld) {
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    const auto held = timeline_with({lowest}, 240, highest);
    const auto& timeline = *held;
    EXPECT_FALSE(timeline.submit_text("x", nanoseconds{highest}));
    // The largest age that fits is still accepted.
    const auto event = timeline.submit_text("x", nanoseconds{-1});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->spatial_age_ns.count(), highest);
}

TEST(Timeline, HandsOutIndependentCopies) {
    qs::IntentTimeline timeline(240, nanoseconds{1000});
    auto frame = frame_at(100);
    frame.capabilities.enabled_extensions = {"ext.hands"};
    timeline.push(frame);
    frame.capabilities.enabled_extensions.clear();

    auto first = timeline.latest();
    first->timestamp_domain = "changed";
    const auto event = timeline.submit_text("x", nanoseconds{100});
    ASSERT_TRUE(event);
    EXPECT_EQ(event->spatial_context.timestamp_domain, "monotonic");
    EXPECT_EQ(event->spatial_context.capabilities.enabled_extensions,
              (std::vector<std::string>{"ext.hands"}));
}

// One thread pushes while another reads and submits: every answer must respect the invariants.
TEST(TimelineConcurrency, PushWhileSubmitting) {
    constexpr std::uint64_t capacity = 16;
    constexpr std::int64_t max_age = 50;
    constexpr std::int64_t pushes = 20000;
    qs::IntentTimeline timeline(capacity, nanoseconds{max_age});
    std::atomic<bool> done{false};
    std::atomic<std::int64_t> newest_pushed{-1};
    std::atomic<std::int64_t> reads{0};

    std::thread writer([&] {
        for (std::int64_t i = 0; i < pushes; ++i) {
            // Keep the two threads overlapping: the reader gets a turn every 100 pushes.
            while (i % 100 == 0 && reads.load() < i / 100) {
                std::this_thread::yield();
            }
            // Now and then the clock jumps back, to exercise the reset path under load.
            const std::int64_t t = (i % 1000 == 500) ? i - 300 : i;
            timeline.push(frame_at(t));
            newest_pushed.store(t);
        }
        done.store(true);
    });

    std::int64_t last_latest = std::numeric_limits<std::int64_t>::min();
    int events = 0;
    int backward_steps = 0;
    while (!done.load()) {
        const auto latest = timeline.latest();
        if (!latest) {
            continue;
        }
        if (latest->timestamp_ns.count() < last_latest) {
            ++backward_steps;
        }
        last_latest = latest->timestamp_ns.count();
        const auto probe = newest_pushed.load() + 10;
        if (const auto event = timeline.submit_text("x", nanoseconds{probe})) {
            ++events;
            EXPECT_GE(event->spatial_age_ns.count(), 0);
            EXPECT_LE(event->spatial_age_ns.count(), max_age);
            EXPECT_LE(event->spatial_context.timestamp_ns.count(), probe);
        }
        reads.fetch_add(1);
    }
    writer.join();

    EXPECT_GT(events, 0);
    // Only the jumps back in time can make `latest` go backwards.
    EXPECT_LE(backward_steps, pushes / 1000);
    // After the last jump (to 19200) came 19501..19999: exactly the newest `capacity` remain.
    std::vector<std::int64_t> expected;
    for (std::int64_t t = pushes - static_cast<std::int64_t>(capacity); t < pushes; ++t) {
        expected.push_back(t);
    }
    std::vector<std::int64_t> found;
    for (std::int64_t t = 19000; t < pushes; ++t) {
        const auto event = timeline.submit_text("x", nanoseconds{t});
        if (event && event->spatial_age_ns.count() == 0) {
            found.push_back(t);
        }
    }
    EXPECT_EQ(found, expected);
}

// The decision for one time, worked out by hand from the pushes and the rules.
struct Decision {
    const char* name;
    std::vector<std::int64_t> pushes;
    std::uint64_t capacity;
    std::int64_t max_age;
    std::int64_t at;
    bool empty_text;
    qs::Pairing expected;
};

void PrintTo(const Decision& d, std::ostream* os) { *os << d.name; }

class PairingTable : public testing::TestWithParam<Decision> {};

TEST_P(PairingTable, SaysWhatItDecidedAndWhatBoundsTheHistory) {
    const auto& d = GetParam();
    qs::IntentTimeline timeline(d.capacity, nanoseconds{d.max_age});
    for (std::uint64_t i = 0; i < d.pushes.size(); ++i) {
        EXPECT_EQ(timeline.push(frame_at(d.pushes[i])), i);
    }
    const auto got = timeline.pair(nanoseconds{d.at}, d.empty_text);
    const auto& want = d.expected;
    EXPECT_EQ(got.outcome, want.outcome);
    EXPECT_EQ(got.frame, want.frame);
    EXPECT_EQ(got.age_ns, want.age_ns);
    EXPECT_EQ(got.history_start_ns, want.history_start_ns);
    EXPECT_EQ(got.history_start, want.history_start);
    EXPECT_EQ(got.reset_at_ns, want.reset_at_ns);
    // submit_text decides the same way: an event exactly when the pairing is one, of that age.
    const auto event = timeline.submit_text(d.empty_text ? "" : "that", nanoseconds{d.at});
    ASSERT_EQ(event.has_value(), want.outcome == qs::PairingOutcome::EVENT);
    if (event) {
        EXPECT_EQ(static_cast<std::uint64_t>(event->spatial_age_ns.count()), want.age_ns);
        EXPECT_EQ(event->spatial_context.timestamp_ns.count(), d.pushes[want.frame]);
    }
}

constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
using enum qs::PairingOutcome;
using enum qs::HistoryStart;

INSTANTIATE_TEST_SUITE_P(
    EveryOutcomeAndBound, PairingTable,
    testing::Values(
        Decision{"nothing pushed", {}, 240, 1000, 5, false, {.outcome = NO_FRAME}},
        Decision{"empty text", {100}, 240, 1000, 100, true, {.outcome = EMPTY_TEXT}},
        Decision{"fresh", {100, 200, 300}, 240, 1000, 250, false,
                 {EVENT, 1, 50, nanoseconds{100}, FIRST_FRAME, nanoseconds{0}}},
        Decision{"too old", {100, 200, 300}, 240, 1000, 1301, false,
                 {TOO_OLD, 2, 1001, nanoseconds{100}, FIRST_FRAME, nanoseconds{0}}},
        Decision{"before the first frame", {100, 200, 300}, 240, 1000, 99, false,
                 {BEFORE_HISTORY, 0, 0, nanoseconds{100}, FIRST_FRAME, nanoseconds{0}}},
        Decision{"before what capacity kept", {100, 200, 300}, 2, 1000, 150, false,
                 {BEFORE_HISTORY, 0, 0, nanoseconds{200}, CAPACITY, nanoseconds{0}}},
        Decision{"numbers go on past eviction", {10, 20, 30}, 1, 1000, 30, false,
                 {EVENT, 2, 0, nanoseconds{30}, CAPACITY, nanoseconds{0}}},
        Decision{"after a reset", {100, 200, 50, 60}, 240, 1000, 55, false,
                 {EVENT, 2, 5, nanoseconds{50}, RESET, nanoseconds{50}}},
        Decision{"before a reset", {100, 200, 50, 60}, 240, 1000, 40, false,
                 {BEFORE_HISTORY, 0, 0, nanoseconds{50}, RESET, nanoseconds{50}}},
        Decision{"capacity after a reset", {100, 50, 60, 70}, 2, 1000, 55, false,
                 {BEFORE_HISTORY, 0, 0, nanoseconds{60}, CAPACITY, nanoseconds{0}}},
        Decision{"equal times: the last pushed", {100, 100}, 240, 1000, 100, false,
                 {EVENT, 1, 0, nanoseconds{100}, FIRST_FRAME, nanoseconds{0}}},
        Decision{"an age beyond any signed count", {kMin}, 240, kMax, kMax, false,
                 {TOO_OLD, 0, std::numeric_limits<std::uint64_t>::max(), nanoseconds{kMin}, FIRST_FRAME,
                  nanoseconds{0}}},
        Decision{"negative age acts as zero", {100}, 240, -5, 101, false,
                 {TOO_OLD, 0, 1, nanoseconds{100}, FIRST_FRAME, nanoseconds{0}}}),
    [](const testing::TestParamInfo<Decision>& info) {
        std::string name = info.param.name;
        for (auto& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

// The window around a word: bounds inclusive, numbered as push numbered them, after eviction
// and after a reset alike.
TEST(Timeline, FramesBetweenCopiesTheHeldFramesInTheRangeWithTheirNumbers) {
    const auto held = timeline_with({10, 20, 20, 30, 40}, 4);  // 10 (number 0) evicted
    const auto window = held->frames_between(nanoseconds{20}, nanoseconds{30});
    std::vector<std::pair<std::uint64_t, std::int64_t>> got;
    for (const auto& f : window) {
        got.emplace_back(f.number, f.frame.timestamp_ns.count());
    }
    EXPECT_EQ(got, (std::vector<std::pair<std::uint64_t, std::int64_t>>{{1, 20}, {2, 20}, {3, 30}}));
    EXPECT_TRUE(held->frames_between(nanoseconds{41}, nanoseconds{100}).empty());
    EXPECT_TRUE(held->frames_between(nanoseconds{30}, nanoseconds{25}).empty());
    held->push(frame_at(5));  // a reset: only the new history is held, numbered on
    const auto after = held->frames_between(nanoseconds{0}, nanoseconds{100});
    ASSERT_EQ(after.size(), 1U);
    EXPECT_EQ(after[0].number, 5U);
}
