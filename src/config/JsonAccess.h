#pragma once

#include "Json.h"

#include <string_view>

// Member access rules shared by the readers. All of them report faults through the JSON
// library's own exceptions, so the texts users see are the library's.
namespace jsonAccess {

// A member that must exist: type error 304 when the parent is not an object, out-of-range 403
// when the key is missing.
inline const Json& required(const Json& parent, std::string_view key) {
    return parent.at(key);
}

// A presence test that never fails: false for a non-object parent or a missing key.
inline bool has(const Json& parent, std::string_view key) {
    return parent.contains(key);
}

// Access without a presence test. A non-object parent is type error 305, as the library's
// subscript reports it; a missing key is reported like a missing required key, because the
// library's read-only subscript would have undefined behaviour there.
inline const Json& plain(const Json& parent, std::string_view key) {
    return parent.is_object() ? parent.at(key) : parent[key];
}

// Switches accept only JSON booleans (type error 302 otherwise, numbers included).
inline bool readSwitch(const Json& value) {
    return value.get<bool>();
}

inline bool readRequiredSwitch(const Json& parent, std::string_view key) {
    return readSwitch(required(parent, key));
}

} // namespace jsonAccess
