// Views of optional members must outlive the member's value safely. Setting an optional record
// to None would destroy the value that earlier views point into; instead, each such view is
// first turned into an owner of a copy of its last value, independent of the record from then
// on.
#pragma once

#include <optional>

#include "values.hpp"

namespace quillary::spatial::bindings {

void detach_views_into(const PointingIntent& value);
void detach_views_into(const SelectState& value);
void detach_views_into(const Pose& value);
void detach_views_into(const Ray& value);
void detach_views_into(const SpatialHit& value);

// Empties `member`, detaching every Python view into its value first.
template <class T>
void reset_detaching_views(std::optional<T>& member) {
    if (member) {
        detach_views_into(*member);
        member.reset();
    }
}

}  // namespace quillary::spatial::bindings
