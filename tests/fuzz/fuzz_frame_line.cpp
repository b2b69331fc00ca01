// The native frame-line reader on any bytes: it never crashes or reads out of bounds (the
// build runs under ASan and UBSan), and a frame it reads writes back to a line it reads as
// the same frame, byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.hpp"
#include "frame_line.hpp"
#include "jsonl.hpp"

namespace qs = quillary::spatial;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line{reinterpret_cast<const char*>(data), size};
    const auto frame = qs::native::frame_from_line(line);
    if (!frame) {
        return 0;
    }
    const std::string written = qs::to_jsonl(*frame);
    const auto again = qs::native::frame_from_line(written);
    // The writer's line is read unless it holds what only the full checker reads (an
    // escape or a negative zero); read, it is the same frame.
    if (again) {
        check(qs::to_jsonl(*again) == written);
    } else {
        check(written.find("\\u") != std::string::npos || written.find("-0") != std::string::npos);
    }
    return 0;
}
