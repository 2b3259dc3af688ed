#include "ConfigTestSupport.h"

#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"

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

Json writtenDocument(const Config& config) {
    Json document;
    writeConfig(config, document);
    return document;
}

Config readOverStale(const Json& document) {
    Config config = distinctConfig(1);
    readConfig(document, config);
    return config;
}

std::string readError(const Json& document) {
    return errorText([&] { readOverStale(document); });
}
