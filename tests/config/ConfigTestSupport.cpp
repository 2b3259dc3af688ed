#include "ConfigTestSupport.h"

#include "config/ConfigFields.h"

#include <cstdio>

namespace {

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

struct DistinctFiller {
    int phase;
    int count = 0;

    void operator()(FloatPair& pair) { pair = FloatPair{{next(), next()}}; }
    void operator()(bool& flag) { flag = (count++ + phase) % 2 == 1; }
    void operator()(KEOFilterType::Enum& type) {
        static const KEOFilterType::Enum types[] = {KEOFilterType::None, KEOFilterType::HighPass,
                                                    KEOFilterType::LowPass,
                                                    KEOFilterType::HighPassDelta};
        type = types[(count++ + phase) % 4];
    }
    void operator()(KEOLimitationType::Enum& type) {
        type = static_cast<KEOLimitationType::Enum>((count++ + phase) % 4);
    }
    float next() { return 1000.0f + 0.25f * static_cast<float>(count++); }
};

} // namespace

std::vector<std::string> describe(Config config) {
    Describer describer;
    ConfigFields::visit(config, describer);
    return describer.lines;
}

Config distinctConfig(int phase) {
    Config config = zeroConfig();
    DistinctFiller filler{phase};
    ConfigFields::visit(config, filler);
    return config;
}

Json minimalV0Document() {
    const char* const axis = R"({
        "travel": {
            "enabled": true,
            "acceleration_filter": {"cutoffFrequency": 0.1},
            "velocity_filter": {"cutoffFrequency": 0.2},
            "travel_filter": {"cutoffFrequency": 0.3},
            "output_filter": {"cutoffFrequency": 4, "name": "low_pass"},
            "output_limit": {"limitationFactor": 2, "limitation": "atan"}
        },
        "acceleration_to_angle": {
            "enabled": true,
            "maximum_rate": 0.5,
            "acceleration_filter": {"cutoffFrequency": 0.6},
            "output_filter": {"cutoffFrequency": 6, "name": "low_pass"},
            "output_limit": {"limitationFactor": 3, "limitation": "gain"}
        },
        "angular_velocity": {
            "enabled": true,
            "velocity_filter": {"cutoffFrequency": 0.7},
            "angle_filter": {"cutoffFrequency": 0.8},
            "output_filter": {"cutoffFrequency": 8, "name": "high_pass"},
            "output_limit": {"limitationFactor": 5, "limitation": "exp"}
        }
    })";
    Json document = Json::object();
    document["lateral_acceleration_and_roll_rate"] = Json::parse(axis);
    document["longitudinal_acceleration_and_pitch_rate"] = Json::parse(axis);
    document["vertical_acceleration_and_yaw_rate"] = Json::parse(axis);
    return document;
}
