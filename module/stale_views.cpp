#include "stale_views.hpp"

#include <pybind11/pybind11.h>

#include <algorithm>
#include <memory>
#include <new>
#include <typeinfo>
#include <vector>

namespace detail = pybind11::detail;

namespace quillary::spatial::bindings {
namespace {

// pybind11 files every instance in its registry under the address of the value it wraps, so
// the views into a value are the non-owning instances filed under the addresses of the value
// and of its nested records.
std::vector<detail::instance*> views_at(std::vector<const void*> addresses) {
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    std::vector<detail::instance*> views;
    for (const void* address : addresses) {
        detail::with_instance_map(address, [&](detail::instance_map& instances) {
            const auto [first, last] = instances.equal_range(address);
            for (auto it = first; it != last; ++it) {
                if (!it->second->owned) {
                    views.push_back(it->second);
                }
            }
        });
    }
    return views;
}

// Turns a view into the owner of a copy, the way pybind11 itself sets up an owning instance:
// value pointer, unique_ptr holder, registry entry.
template <class T>
void own_a_copy(detail::instance* view, const detail::type_info* type) {
    auto v_h = view->get_value_and_holder(type);
    auto* old = static_cast<T*>(v_h.value_ptr());
    auto copy = std::make_unique<T>(*old);
    detail::deregister_instance(view, old, type);
    v_h.value_ptr() = copy.get();
    ::new (static_cast<void*>(std::addressof(v_h.template holder<std::unique_ptr<T>>())))
        std::unique_ptr<T>(std::move(copy));
    v_h.set_holder_constructed();
    view->owned = true;
    detail::register_instance(view, v_h.value_ptr(), type);
}

template <class... Records>
void detach_as_one_of(detail::instance* view) {
    const auto* type = detail::get_type_info(Py_TYPE(reinterpret_cast<PyObject*>(view)));
    if (type == nullptr) {
        return;
    }
    // Only these records can be nested in an optional member, so the view is one of them.
    (void)((*type->cpptype == typeid(Records) ? (own_a_copy<Records>(view, type), true) : false) ||
           ...);
}

void detach(std::vector<const void*> addresses) {
    for (auto* view : views_at(std::move(addresses))) {
        detach_as_one_of<Vec3, Quaternion, Pose, Ray, PointingIntent, SelectState, SpatialHit>(view);
    }
}

std::vector<const void*> addresses_in(const Ray& ray) {
    return {&ray, &ray.origin, &ray.direction};
}

}  // namespace

void detach_views_into(const PointingIntent& value) {
    auto addresses = addresses_in(value.ray);
    addresses.push_back(&value);
    detach(std::move(addresses));
}

void detach_views_into(const SelectState& value) { detach({&value}); }

void detach_views_into(const Pose& value) {
    detach({&value, &value.position, &value.orientation});
}

void detach_views_into(const Ray& value) { detach(addresses_in(value)); }

void detach_views_into(const SpatialHit& value) {
    detach({&value, &value.position, &value.normal});
}

}  // namespace quillary::spatial::bindings
