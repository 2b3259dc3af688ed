#pragma once

#include "config/Config.h"
#include "config/ConfigFields.h"

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

// Records with a distinct value in every field, and their values as comparable lists.

// Every float of both parameter sets differs from every other one (start, start + 0.25, ...), no
// maxValueFactor is near 100 or 0, switches alternate and types cycle through their valid values;
// `phase` 1 flips every switch and moves every type on by one.
inline Config distinctConfig(int phase, float start = 1000.0f) {
    struct Filler {
        int phase;
        float start;
        int count = 0;
        void operator()(FloatPair& pair) { pair = FloatPair{{next(), next()}}; }
        void operator()(bool& flag) { flag = (count++ + phase) % 2 == 1; }
        void operator()(KEOFilterType::Enum& type) {
            type = static_cast<KEOFilterType::Enum>((count++ + phase) % 4 - 1);
        }
        void operator()(KEOLimitationType::Enum& type) {
            type = static_cast<KEOLimitationType::Enum>((count++ + phase) % 4);
        }
        float next() { return start + 0.25f * static_cast<float>(count++); }
    };
    Config config = zeroConfig();
    Filler filler{phase, start};
    configFields::visit(config, filler);
    return config;
}

// Every value of a record as text, in record order with its ordinal, so that two records compare
// with a readable difference. Floats are shown in hexadecimal to compare them bit for bit.
inline std::vector<std::string> describe(Config config) {
    struct Describer {
        std::vector<std::string> lines;
        void add(const char* kind, const std::string& value) {
            lines.push_back("#" + std::to_string(lines.size()) + " " + kind + " " + value);
        }
        void operator()(const FloatPair& pair) {
            for (const float value : pair.values) {
                char text[32];
                std::snprintf(text, sizeof text, "%a", static_cast<double>(value));
                add("float", text);
            }
        }
        void operator()(bool flag) { add("switch", flag ? "true" : "false"); }
        void operator()(KEOFilterType::Enum type) { add("filter", std::to_string(type)); }
        void operator()(KEOLimitationType::Enum type) { add("limitation", std::to_string(type)); }
    };
    Describer describer;
    configFields::visit(config, describer);
    return describer.lines;
}

// The floats of a record, each pair as First then Second.
inline std::vector<float> floatValues(Config config) {
    std::vector<float> values;
    auto collect = [&values](auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, FloatPair>)
            values.insert(values.end(), {value[0], value[1]});
    };
    configFields::visit(config, collect);
    return values;
}
