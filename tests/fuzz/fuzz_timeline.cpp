// A fuzzed run of push / latest / submit_text must answer exactly as a plain model of the
// timeline's rules does.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>

#include "check.hpp"
#include "timeline.hpp"

namespace qs = quillary::spatial;
using std::chrono::nanoseconds;

namespace {

// The rules, written the obvious way: frames are (time, serial) pairs, newest at the back.
struct Model {
    std::uint64_t capacity;
    std::int64_t max_age;
    std::deque<std::pair<std::int64_t, int>> frames;

    void push(std::int64_t t, int serial) {
        if (!frames.empty() && t < frames.back().first) {
            frames.clear();
        }
        frames.emplace_back(t, serial);
        if (frames.size() > capacity) {
            frames.pop_front();
        }
    }

    std::optional<std::pair<std::int64_t, int>> context(bool empty_text, std::int64_t at) const {
        if (empty_text) {
            return std::nullopt;
        }
        for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
            if (it->first <= at) {
                // Compare ages as exact (128-bit) numbers: no overflow shortcut here.
                __extension__ const __int128 age = static_cast<__int128>(at) - it->first;
                if (age > max_age) {
                    return std::nullopt;
                }
                return *it;
            }
        }
        return std::nullopt;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto capacity = data.ConsumeIntegralInRange<std::uint64_t>(0, 8);
    const auto max_age = data.ConsumeBool() ? data.ConsumeIntegral<std::int64_t>()
                                            : data.ConsumeIntegralInRange<std::int64_t>(-5, 50);
    qs::IntentTimeline timeline(capacity, nanoseconds{max_age});
    Model model{std::max<std::uint64_t>(capacity, 1), std::max<std::int64_t>(max_age, 0), {}};
    std::int64_t clock = 0;
    int serial = 0;

    // Times are mostly small steps around a running clock, so that equal, older and newer
    // frames and fresh and stale submissions all happen; sometimes anything at all.
    auto next_time = [&] {
        if (data.ConsumeIntegralInRange<int>(0, 9) == 0) {
            return data.ConsumeIntegral<std::int64_t>();
        }
        std::int64_t t = 0;
        const auto step = data.ConsumeIntegralInRange<std::int64_t>(-20, 40);
        return __builtin_add_overflow(clock, step, &t) ? clock : t;
    };

    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange<int>(0, 2)) {
            case 0: {
                const auto t = next_time();
                clock = t;
                qs::SpatialIntentFrame frame;
                frame.timestamp_ns = nanoseconds{t};
                frame.timestamp_domain = std::to_string(++serial);
                timeline.push(std::move(frame));
                model.push(t, serial);
                break;
            }
            case 1: {
                const auto latest = timeline.latest();
                check(latest.has_value() == !model.frames.empty());
                if (latest) {
                    check(latest->timestamp_ns.count() == model.frames.back().first);
                    check(latest->timestamp_domain == std::to_string(model.frames.back().second));
                }
                break;
            }
            default: {
                const bool empty_text = data.ConsumeBool();
                const auto at = next_time();
                const auto event = timeline.submit_text(empty_text ? "" : "put it there", nanoseconds{at});
                const auto expected = model.context(empty_text, at);
                check(event.has_value() == expected.has_value());
                if (event) {
                    check(event->timestamp_ns.count() == at);
                    check(event->text == "put it there");
                    check(event->spatial_context.timestamp_ns.count() == expected->first);
                    check(event->spatial_context.timestamp_domain == std::to_string(expected->second));
                    check(event->spatial_age_ns.count() == at - expected->first);
                    check(event->spatial_age_ns.count() >= 0);
                }
                break;
            }
        }
    }
    return 0;
}
