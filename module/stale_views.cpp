#include "stale_views.hpp"

#include <pybind11/pybind11.h>

#include <algorithm>
#include <memory>
#include <new>
#include <typeinfo>
#include <utility>
#include <variant>
#include <vector>

namespace detail = pybind11::detail;

namespace quillary::spatial::bindings {
namespace {

// The records a view into an optional member can show: the member's own type or one nested in it.
using Copy = std::variant<std::unique_ptr<Vec3>, std::unique_ptr<Quaternion>, std::unique_ptr<Pose>,
                          std::unique_ptr<Ray>, std::unique_ptr<PointingIntent>,
                          std::unique_ptr<SelectState>, std::unique_ptr<SpatialHit>>;

// One view, with the copy of its value that it will own.
struct Detachment {
    detail::instance* view;
    const detail::type_info* type;
    Copy copy;
};

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

template <class T>
bool prepare_as(detail::instance* view, const detail::type_info* type,
                std::vector<Detachment>& detachments) {
    if (*type->cpptype != typeid(T)) {
        return false;
    }
    const auto* value = static_cast<const T*>(view->get_value_and_holder(type).value_ptr());
    detachments.push_back({view, type, std::make_unique<T>(*value)});
    return true;
}

// Moves the view's registry entry from its old value to its copy. The node is reused and the
// map's size never exceeds what it was, so nothing is allocated (in the interpreter's default
// build, with the lock held, every address shares one instance map).
void refile(detail::instance* view, const void* from, void* to) noexcept {
    detail::with_instance_map(from, [&](detail::instance_map& instances) {
        const auto [first, last] = instances.equal_range(from);
        for (auto it = first; it != last; ++it) {
            if (it->second == view) {
                auto node = instances.extract(it);
                node.key() = to;
                instances.insert(std::move(node));
                return;
            }
        }
    });
}

// Turns the view into the owner of its copy, the way pybind11 sets up an owning instance:
// registry entry, value pointer, unique_ptr holder.
void commit(Detachment& detachment) noexcept {
    std::visit(
        [&](auto& copy) {
            using Holder = std::remove_reference_t<decltype(copy)>;
            auto v_h = detachment.view->get_value_and_holder(detachment.type);
            refile(detachment.view, v_h.value_ptr(), copy.get());
            v_h.value_ptr() = copy.get();
            ::new (static_cast<void*>(std::addressof(v_h.template holder<Holder>())))
                Holder(std::move(copy));
            v_h.set_holder_constructed();
            detachment.view->owned = true;
        },
        detachment.copy);
}

// Every allocation (the lists and each copy) happens before any view changes: a failure
// leaves all views and the member as they were. The commit cannot fail.
void detach(std::vector<const void*> addresses) {
    const auto views = views_at(std::move(addresses));
    std::vector<Detachment> detachments;
    detachments.reserve(views.size());
    for (auto* view : views) {
        const auto* type = detail::get_type_info(Py_TYPE(reinterpret_cast<PyObject*>(view)));
        if (type != nullptr) {
            (void)(prepare_as<Vec3>(view, type, detachments) ||
                   prepare_as<Quaternion>(view, type, detachments) ||
                   prepare_as<Pose>(view, type, detachments) ||
                   prepare_as<Ray>(view, type, detachments) ||
                   prepare_as<PointingIntent>(view, type, detachments) ||
                   prepare_as<SelectState>(view, type, detachments) ||
                   prepare_as<SpatialHit>(view, type, detachments));
        }
    }
    for (auto& detachment : detachments) {
        commit(detachment);
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
