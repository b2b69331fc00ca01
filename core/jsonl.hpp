// The two versioned JSON Lines records: "quillary.spatial-intent" for a frame and
// "quillary.contextual-intent" for an event, which embeds its frame's line unchanged.
// Lines are compact, hold no byte below 0x20 and carry no trailing newline.
#pragma once

#include <string>

#include "values.hpp"

namespace quillary::spatial {

// A complete line or an exception (std::bad_alloc): never a shortened line.
[[nodiscard]] std::string to_jsonl(const SpatialIntentFrame& frame);
[[nodiscard]] std::string to_jsonl(const ContextualIntentEvent& event);

// The same lines, appended to `out`: for a writer that reuses one buffer, whose capacity then
// spares an allocation per line. After an exception `out` may end in part of a line.
void append_jsonl(std::string& out, const SpatialIntentFrame& frame);
void append_jsonl(std::string& out, const ContextualIntentEvent& event);

}  // namespace quillary::spatial
