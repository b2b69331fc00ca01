// The two versioned JSON Lines records: "quillary.spatial-intent" for a frame and
// "quillary.contextual-intent" for an event, which embeds its frame's line unchanged.
// Lines are compact, hold no byte below 0x20 and carry no trailing newline.
#pragma once

#include <cstddef>
#include <string>

#include "values.hpp"

namespace quillary::spatial {

// A complete line or an exception (std::bad_alloc): never a shortened line.
[[nodiscard]] std::string to_jsonl(const SpatialIntentFrame& frame);
[[nodiscard]] std::string to_jsonl(const ContextualIntentEvent& event);

// The same lines, appended to `out`: for a writer that reuses one buffer, whose capacity then
// spares an allocation per line. After an exception `out` is as it was.
void append_jsonl(std::string& out, const SpatialIntentFrame& frame);
void append_jsonl(std::string& out, const ContextualIntentEvent& event);

// The same lines written into memory the caller owns, with at least jsonl_room(record) bytes
// at `out` (the room of the record's longest line, plus scratch); returns the line's end.
// Bytes between the end and the room's end are left unspecified.
[[nodiscard]] std::size_t jsonl_room(const SpatialIntentFrame& frame);
[[nodiscard]] std::size_t jsonl_room(const ContextualIntentEvent& event);
char* write_jsonl(char* out, const SpatialIntentFrame& frame);
char* write_jsonl(char* out, const ContextualIntentEvent& event);

}  // namespace quillary::spatial
