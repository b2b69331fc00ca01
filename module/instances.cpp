#include "instances.hpp"

#include <string>

namespace py = pybind11;

namespace quillary::spatial::bindings {

void keep_alive(py::handle view, py::handle owner) {
    if (!view || !owner || owner.is_none()) {
        return;
    }
    // pybind11's own add_patient marks the view first and allocates after; a failure there
    // leaves a mark that makes the view's deallocation abort. Allocate first, mark last.
    pyd::with_internals([&](pyd::internals& internals) {
        auto& patients = internals.patients[view.ptr()];
        try {
            patients.push_back(owner.ptr());
        } catch (...) {
            if (patients.empty()) {
                internals.patients.erase(view.ptr());
            }
            throw;
        }
    });
    owner.inc_ref();
    reinterpret_cast<pyd::instance*>(view.ptr())->has_patients = true;
}

bool is_constructed(py::handle src, const pyd::type_info* type) {
    auto v_h = reinterpret_cast<pyd::instance*>(src.ptr())->get_value_and_holder(type, false);
    return v_h && v_h.instance_registered();
}

bool is_other_bound_class(py::handle src) {
    const auto* type = pyd::get_type_info(Py_TYPE(src.ptr()));
    return type != nullptr && !type->module_local;
}

void throw_not_constructed(const pyd::type_info* type) {
    throw py::type_error(std::string(type->type->tp_name) +
                         ".__init__() was not called on this instance");
}

}  // namespace quillary::spatial::bindings
