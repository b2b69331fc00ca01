// to_jsonl and to_dict: each one function object, frame overload first. to_dict parses the
// line with the interpreter's own json module, so a dict always says exactly what the line
// says (same rounding, same omitted members).
#include <pybind11/pybind11.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bindings.hpp"
#include "jsonl.hpp"

namespace py = pybind11;

namespace quillary::spatial::bindings {
namespace {

// A line as a new str, decoded strictly as UTF-8: string fields set from invalid bytes surface
// as UnicodeDecodeError. Lines are nearly always ASCII, which decodes to itself: checked a word
// at a time, such a line is copied straight into a new one-byte str.
py::str python_line(const char* line, std::size_t size) {
    std::uint64_t high_bits = 0;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, line + i, 8);
        high_bits |= word;
    }
    for (; i < size; ++i) {
        high_bits |= static_cast<unsigned char>(line[i]);
    }
    if ((high_bits & 0x8080808080808080ULL) == 0) {
        auto text = py::reinterpret_steal<py::str>(PyUnicode_New(static_cast<Py_ssize_t>(size), 127));
        if (!text) {
            throw py::error_already_set();
        }
        std::memcpy(PyUnicode_1BYTE_DATA(text.ptr()), line, size);
        return text;
    }
    auto text = py::reinterpret_steal<py::str>(PyUnicode_DecodeUTF8(line, static_cast<Py_ssize_t>(size), "strict"));
    if (!text) {
        throw py::error_already_set();
    }
    return text;
}

// Each thread writes its lines into one buffer that keeps its size, so a line costs neither
// an allocation nor clearing memory before its str; a buffer grown by an unusually long line
// is given back, also when the line fails to decode.
template <class Record>
py::str line_of(const Record& record) {
    constexpr std::size_t kept_size = 64 * 1024;
    thread_local std::vector<char> buffer;
    struct GiveBackIfLarge {
        std::vector<char>& buffer;
        ~GiveBackIfLarge() {
            if (buffer.size() > kept_size) {
                std::vector<char>().swap(buffer);
            }
        }
    } give_back{buffer};
    if (const auto room = jsonl_room(record); buffer.size() < room) {
        buffer.resize(room);
    }
    const char* end = write_jsonl(buffer.data(), record);
    return python_line(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

// json and json.loads are looked up on every call: a host that replaces json.loads, or
// sys.modules["json"], is honoured. The import goes through the import machinery as an import
// statement does (sys.modules first, waiting for a module another thread is still importing).
// Both names are interned once, as the interpreter's own constants are: a name made afresh on
// every call must be allocated and hashed, and misses the attribute cache, which cost as much
// as the import and the call together.
struct JsonNames {
    py::str module = intern("json");
    py::str loads = intern("loads");

    static py::str intern(const char* name) {
        auto text = py::reinterpret_steal<py::str>(PyUnicode_InternFromString(name));
        if (!text) {
            throw py::error_already_set();
        }
        return text;
    }
};

template <class Record>
py::object dict_of(const Record& record, const JsonNames& names) {
    auto json = py::reinterpret_steal<py::object>(
        PyImport_ImportModuleLevelObject(names.module.ptr(), nullptr, nullptr, nullptr, 0));
    if (!json) {
        throw py::error_already_set();
    }
    const py::str line = line_of(record);
    auto loads = py::reinterpret_steal<py::object>(PyObject_GetAttr(json.ptr(), names.loads.ptr()));
    if (!loads) {
        throw py::error_already_set();
    }
    // One positional argument through the vectorcall protocol, without building a tuple.
    auto result = py::reinterpret_steal<py::object>(PyObject_CallOneArg(loads.ptr(), line.ptr()));
    if (!result) {
        throw py::error_already_set();
    }
    return result;
}

}  // namespace

void register_serialisation(py::module_& m) {
    // The argument stays unnamed (positional only, rendered arg0). No conversion is asked for:
    // only instances of the class are taken, and a frame overload offered an event then fails
    // at once instead of queueing a converting retry, which costs an event's to_jsonl as much
    // as a fifth of the line itself.
    const auto record = py::arg().noconvert();
    m.def("to_jsonl", &line_of<SpatialIntentFrame>, record);
    m.def("to_jsonl", &line_of<ContextualIntentEvent>, record);
    // The functions own the names, so they live exactly as long as the module's functions.
    m.def("to_dict", [names = JsonNames{}](const SpatialIntentFrame& frame) { return dict_of(frame, names); }, record,
          "Return a JSON-compatible realtime frame.");
    m.def("to_dict", [names = JsonNames{}](const ContextualIntentEvent& event) { return dict_of(event, names); }, record,
          "Return JSON-compatible agent/tool input.");
}

}  // namespace quillary::spatial::bindings
