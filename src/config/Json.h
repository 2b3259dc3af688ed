#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The JSON document type of the configuration files: objects keep their members sorted by key
// (so a written document always lists them in byte order) and numbers are single precision, the
// precision of the record itself.
using Json = nlohmann::basic_json<std::map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;
