// to_jsonl and to_dict: each one function object, frame overload first. to_dict parses the
// line with the interpreter's own json module, so a dict always says exactly what the line
// says (same rounding, same omitted members).
#include <pybind11/pybind11.h>

#include <string>

#include "bindings.hpp"
#include "jsonl.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {
namespace {

// pybind11 decodes a returned std::string strictly as UTF-8, so string fields set from
// invalid bytes surface as UnicodeDecodeError.
template <class Record>
std::string line_of(const Record& record) {
    return to_jsonl(record);
}

// json and json.loads are looked up on every call: a host that replaces json.loads is honoured.
template <class Record>
py::object dict_of(const Record& record) {
    auto json = py::module_::import("json");
    py::str line(to_jsonl(record));
    return json.attr("loads")(line);
}

}  // namespace

void register_serialisation(py::module_& m) {
    m.def("to_jsonl", &line_of<SpatialIntentFrame>);
    m.def("to_jsonl", &line_of<ContextualIntentEvent>);
    m.def("to_dict", &dict_of<SpatialIntentFrame>, "Return a JSON-compatible realtime frame.");
    m.def("to_dict", &dict_of<ContextualIntentEvent>, "Return JSON-compatible agent/tool input.");
}

}  // namespace quillary::spatial::bindings
