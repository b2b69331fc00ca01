// How instances of the bound classes come to hold a value, and which instances may be used.
//
// Every bound class converts through one caster, specialised below, so these rules hold at
// every entry point at once: self and arguments of every method, property and function, and
// the value a ray-cast callable returns.
//
// - pybind11 hands any instance's storage to a method, constructed or not: an instance made by
//   __new__ alone gets raw, never-constructed storage on first use. Only instances whose value
//   was registered (by a constructor, or as an owner or view made by the bindings) are let in;
//   any other gets a TypeError naming its class.
// - New owning instances are made in an order that an allocation failure cannot break: the
//   value is built, then registered, then handed to the holder. pybind11's own path registers
//   constructed values outside its error handling (a failure there ends the process), and
//   frees a half-made value without its destructor.
// - Views (reference_internal) keep their owner alive through the same registry as pybind11's
//   keep_alive, but record the owner before marking the view, so a failure leaves no mark that
//   deallocation would trip over.
//
// This header must be seen by every file that converts these types, so bindings.hpp includes it.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "timeline.hpp"
#include "values.hpp"

namespace quillary::spatial::bindings {

namespace pyd = pybind11::detail;

// Registers `value` as the value of `v_h`'s instance and gives it to the instance's
// unique_ptr holder: all of it, or, when registering fails, none of it (the value is freed).
template <class T>
void adopt(pyd::value_and_holder& v_h, std::unique_ptr<T> value) {
    pyd::register_instance(v_h.inst, value.get(), v_h.type);
    v_h.value_ptr() = value.get();
    v_h.set_instance_registered();
    ::new (static_cast<void*>(std::addressof(v_h.holder<std::unique_ptr<T>>())))
        std::unique_ptr<T>(std::move(value));
    v_h.set_holder_constructed();
    v_h.inst->owned = true;
}

// Adds `owner` to the objects that `view` keeps alive.
void keep_alive(pybind11::handle view, pybind11::handle owner);

// Whether the instance behind `src` holds a value that was constructed and registered.
// `src` must be an instance of `type`'s class or of a subclass of it.
bool is_constructed(pybind11::handle src, const pyd::type_info* type);

[[noreturn]] void throw_not_constructed(const pyd::type_info* type);

// Whether `src` is an instance of a class registered with this interpreter's pybind11 state
// (not a foreign module's local class, which pybind11 must still get a chance to convert).
bool is_other_bound_class(pybind11::handle src);

template <class T>
class checked_caster : public pyd::type_caster_base<T> {
    using base = pyd::type_caster_base<T>;

public:
    bool load(pybind11::handle src, bool convert) {
        if (src && this->typeinfo != nullptr) {
            if (PyObject_TypeCheck(src.ptr(), this->typeinfo->type)) {
                if (!is_constructed(src, this->typeinfo)) {
                    throw_not_constructed(this->typeinfo);
                }
            } else if (is_other_bound_class(src)) {
                // An instance of another of this module's classes (an event offered to the
                // frame overload of to_jsonl, say) is no T, whatever the pass: refused here
                // rather than after pybind11 has looked for foreign module-local types by
                // attribute lookups that raise and clear an AttributeError each time.
                return false;
            }
        }
        return base::load(src, convert);
    }

    static pybind11::handle cast(const T& src, pybind11::return_value_policy policy,
                                 pybind11::handle parent) {
        using pybind11::return_value_policy;
        // An enumeration attribute reads as a new object equal to the stored value, never a view.
        if constexpr (std::is_enum_v<T>) {
            policy = return_value_policy::copy;
        }
        switch (policy) {
            case return_value_policy::automatic:
            case return_value_policy::automatic_reference:
            case return_value_policy::copy:
            case return_value_policy::move:
                return new_owner(std::make_unique<T>(src));
            case return_value_policy::reference_internal: {
                // An existing view already keeps its owner alive.
                const auto* type = pyd::get_type_info(typeid(T), /*throw_if_missing=*/true);
                if (auto existing = pyd::find_registered_python_instance(const_cast<T*>(&src), type)) {
                    return existing;
                }
                auto view = pybind11::reinterpret_steal<pybind11::object>(
                    base::cast(&src, return_value_policy::reference, parent));
                keep_alive(view, parent);
                return view.release();
            }
            default:
                return base::cast(&src, policy, parent);
        }
    }

    static pybind11::handle cast(T&& src, pybind11::return_value_policy, pybind11::handle) {
        return new_owner(std::make_unique<T>(std::move(src)));
    }

    static pybind11::handle cast(const T* src, pybind11::return_value_policy policy,
                                 pybind11::handle parent) {
        if (src == nullptr) {
            return pybind11::none().release();
        }
        return cast(*src, policy, parent);
    }

private:
    static pybind11::handle new_owner(std::unique_ptr<T> value) {
        const auto* type = pyd::get_type_info(typeid(T), /*throw_if_missing=*/true);
        auto instance =
            pybind11::reinterpret_steal<pybind11::object>(pyd::make_new_instance(type->type));
        auto v_h = reinterpret_cast<pyd::instance*>(instance.ptr())->get_value_and_holder(type);
        adopt(v_h, std::move(value));
        return instance.release();
    }
};

// __init__ (or __setstate__) for `Class` from a factory that returns the new value (or a
// unique_ptr to it), with the
// same rendered signature as pybind11's py::init.
template <class T, class... Args, class Factory, class Class, class... Extra>
Class& def_constructor(Class& cls, const char* name, Factory make, const Extra&... extra) {
    cls.attr(name) = pybind11::cpp_function(
        [make](pyd::value_and_holder& v_h, Args... args) {
            auto made = make(std::forward<Args>(args)...);
            if constexpr (std::is_same_v<decltype(made), std::unique_ptr<T>>) {
                adopt(v_h, std::move(made));
            } else {
                adopt(v_h, std::make_unique<T>(std::move(made)));
            }
        },
        pyd::is_new_style_constructor(), pybind11::name(name), pybind11::is_method(cls),
        pybind11::sibling(pybind11::getattr(cls, name, pybind11::none())), extra...);
    return cls;
}

// The common case: a constructor that passes its arguments to T's own.
template <class T, class... Args, class Class>
Class& def_init(Class& cls) {
    return def_constructor<T, Args...>(
        cls, "__init__", [](Args... args) { return T{std::forward<Args>(args)...}; });
}

}  // namespace quillary::spatial::bindings

namespace pybind11::detail {

#define QUILLARY_CHECKED_CASTER(T) \
    template <>                    \
    class type_caster<T> : public quillary::spatial::bindings::checked_caster<T> {}

QUILLARY_CHECKED_CASTER(quillary::spatial::Vec3);
QUILLARY_CHECKED_CASTER(quillary::spatial::Quaternion);
QUILLARY_CHECKED_CASTER(quillary::spatial::Pose);
QUILLARY_CHECKED_CASTER(quillary::spatial::Ray);
QUILLARY_CHECKED_CASTER(quillary::spatial::TrackingConfidence);
QUILLARY_CHECKED_CASTER(quillary::spatial::PointingSource);
QUILLARY_CHECKED_CASTER(quillary::spatial::PointingIntent);
QUILLARY_CHECKED_CASTER(quillary::spatial::SelectState);
QUILLARY_CHECKED_CASTER(quillary::spatial::SpatialHit);
QUILLARY_CHECKED_CASTER(quillary::spatial::ReferenceSpace);
QUILLARY_CHECKED_CASTER(quillary::spatial::CapabilitySnapshot);
QUILLARY_CHECKED_CASTER(quillary::spatial::SpatialIntentFrame);
QUILLARY_CHECKED_CASTER(quillary::spatial::ContextualIntentEvent);
QUILLARY_CHECKED_CASTER(quillary::spatial::IntentTimeline);

#undef QUILLARY_CHECKED_CASTER

}  // namespace pybind11::detail
