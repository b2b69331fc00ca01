// The core's per-tick costs: writing lines and the timeline operations a host calls.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>

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

// One number of a typical full-precision tracking value, and one that is already short.
void BM_Number(benchmark::State& state) {
    const double value = state.range(0) != 0 ? -0.3941361342357 : 1.6;
    std::string out;
    for (auto _ : state) {
        out.clear();
        qs::json::write_number(out, value);
        benchmark::DoNotOptimize(out.data());
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
    const nanoseconds at{worst ? 5 : capacity * 10};
    for (auto _ : state) {
        benchmark::DoNotOptimize(timeline.submit_text("put it there", at));
    }
}

}  // namespace

BENCHMARK(BM_DefaultFrameLine);
BENCHMARK(BM_FullFrameLine);
BENCHMARK(BM_EventLine);
BENCHMARK(BM_Number)->Arg(0)->Arg(1)->ArgNames({"long"});
BENCHMARK(BM_PushFullFrame)->Arg(240)->Arg(2400)->Arg(24000);
BENCHMARK(BM_Latest);
BENCHMARK(BM_SubmitText)->ArgsProduct({{240, 2400, 24000}, {0, 1}})->ArgNames({"capacity", "worst"});
