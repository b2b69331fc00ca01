// The core's per-tick costs: writing lines and the timeline operations a host calls.
#include <benchmark/benchmark.h>

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "example_frames.hpp"
#include "json_writers.hpp"
#include "jsonl.hpp"
#include "timeline.hpp"

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

using qs::examples::full_frame;

template <class Record>
void write_line(benchmark::State& state, const Record& record) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto line = qs::to_jsonl(record);
        bytes += line.size();
        benchmark::DoNotOptimize(line);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_DefaultFrameLine(benchmark::State& state) { write_line(state, qs::SpatialIntentFrame{}); }
void BM_FullFrameLine(benchmark::State& state) { write_line(state, full_frame()); }
void BM_EventLine(benchmark::State& state) {
    qs::IntentTimeline timeline(1, nanoseconds{0});
    timeline.push(full_frame());
    write_line(state, *timeline.submit_text("put it there", full_frame().timestamp_ns));
}

// Numbers as tracking writes them: positions within 3 m, unit-quaternion components, at full
// precision. Random, so that a branchy writer cannot be flattered by one repeated value.
std::vector<double> tracking_values() {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> position(-3.0, 3.0);
    std::normal_distribution<double> axis(0.0, 1.0);
    std::vector<double> values;
    for (int i = 0; i < 2048; ++i) {
        values.push_back(position(rng));
        std::array<double, 4> q{axis(rng), axis(rng), axis(rng), axis(rng)};
        const double norm = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
        values.push_back(q[static_cast<std::size_t>(i % 4)] / norm);
    }
    return values;
}

// The formatters compared, each writing into a buffer: ours, std::to_chars with precision 9
// and {fmt}'s "{:.9g}", which write the same bytes (checked before timing).
char* ours(char* p, double value) { return qs::json::format_number(p, value); }

char* to_chars_9(char* p, double value) {
    return std::to_chars(p, p + qs::json::number_room, value, std::chars_format::general, 9).ptr;
}

char* fmt_9g(char* p, double value) { return fmt::format_to(p, "{:.9g}", value); }

template <char* (*Format)(char*, double)>
void BM_NumberRandom(benchmark::State& state) {
    const auto values = tracking_values();
    std::array<char, qs::json::number_room> mine{}, theirs{};
    for (const double value : values) {
        const std::string_view a(mine.data(), static_cast<std::size_t>(ours(mine.data(), value) - mine.data()));
        const std::string_view b(theirs.data(), static_cast<std::size_t>(Format(theirs.data(), value) - theirs.data()));
        if (a != b) {
            std::cerr << "different bytes for " << value << ": " << a << " / " << b << '\n';
            std::abort();
        }
    }
    // One line's worth of numbers after another, as the line writers lay them out.
    std::vector<char> out(values.size() * qs::json::number_room);
    for (auto _ : state) {
        char* p = out.data();
        for (const double value : values) {
            p = Format(p, value);
        }
        benchmark::DoNotOptimize(p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
    state.counters["ns_per_number"] = benchmark::Counter(
        static_cast<double>(state.iterations() * values.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One number of a typical full-precision tracking value, and one that is already short.
void BM_Number(benchmark::State& state) {
    const double value = state.range(0) != 0 ? -0.3941361342357 : 1.6;
    std::array<char, qs::json::number_room> out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qs::json::format_number(out.data(), value));
        benchmark::ClobberMemory();
    }
}

void BM_PushFullFrame(benchmark::State& state) {
    qs::IntentTimeline timeline(static_cast<std::uint64_t>(state.range(0)), nanoseconds{2'000'000'000});
    const auto frame = full_frame();
    std::int64_t t = 0;
    for (auto _ : state) {
        auto copy = frame;  // what the module hands the core: one copy, then a move
        copy.timestamp_ns = nanoseconds{++t};
        timeline.push(std::move(copy));
    }
}

void BM_Latest(benchmark::State& state) {
    qs::IntentTimeline timeline(240, nanoseconds{2'000'000'000});
    timeline.push(full_frame());
    for (auto _ : state) {
        benchmark::DoNotOptimize(timeline.latest());
    }
}

// Usual case: text arrives after the newest frame. Worst case: before all but the oldest.
void BM_SubmitText(benchmark::State& state) {
    const auto capacity = state.range(0);
    const bool worst = state.range(1) != 0;
    qs::IntentTimeline timeline(static_cast<std::uint64_t>(capacity), nanoseconds{std::numeric_limits<std::int64_t>::max()});
    auto frame = full_frame();
    for (std::int64_t t = 0; t < capacity; ++t) {
        frame.timestamp_ns = nanoseconds{t * 10};
        timeline.push(frame);
    }
    // Worst: just after the oldest frame held, which it pairs with; usual: after the newest.
    const nanoseconds at{worst ? 5 : capacity * 10};
    const nanoseconds paired{worst ? 0 : (capacity - 1) * 10};
    const auto event = timeline.submit_text("put it there", at);
    if (!event || event->spatial_context.timestamp_ns != paired) {
        std::fprintf(stderr, "BM_SubmitText: the text does not pair with the frame it aims at\n");
        std::abort();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(timeline.submit_text("put it there", at));
    }
}

}  // namespace

BENCHMARK(BM_DefaultFrameLine);
BENCHMARK(BM_FullFrameLine);
BENCHMARK(BM_EventLine);
BENCHMARK(BM_Number)->Arg(0)->Arg(1)->ArgNames({"long"});
BENCHMARK(BM_NumberRandom<ours>)->Name("BM_NumberRandom/ours");
BENCHMARK(BM_NumberRandom<to_chars_9>)->Name("BM_NumberRandom/to_chars_general_9");
BENCHMARK(BM_NumberRandom<fmt_9g>)->Name("BM_NumberRandom/fmt_9g");
BENCHMARK(BM_PushFullFrame)->Arg(240)->Arg(2400)->Arg(24000);
BENCHMARK(BM_Latest);
BENCHMARK(BM_SubmitText)->ArgsProduct({{240, 2400, 24000}, {0, 1}})->ArgNames({"capacity", "worst"});
