#pragma once

#include "config/ConfigReader.h"
#include "tune/Evaluation.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

// The bundled example's cluster-1 configuration, and a deliberately poor tuning of it: every travel
// and tilt-coordination filter cutoff four times as high, every tilt rate limit twice as high.
inline Config bundledExample() {
    std::ifstream file(std::string(KEO_EXAMPLES_DIR) + "/config_v1.json");
    Config config = zeroConfig();
    readConfig(Json::parse(file), config);
    return config;
}

inline Config poorlyTuned(Config config) {
    for (AxisConfig* axis : {&config.lateral, &config.longitudinal, &config.vertical}) {
        for (FilterConfig* filter :
             {&axis->travel.accelerationFilter, &axis->travel.velocityFilter,
              &axis->travel.travelFilter, &axis->tiltCoordination.accelerationFilter})
            for (int set = 0; set < 2; ++set)
                filter->cutoff[set] *= 4.0f;
        for (int set = 0; set < 2; ++set)
            axis->tiltCoordination.maximumRate[set] *= 2.0f;
    }
    return config;
}

// keo-editor's default envelope of cluster 1: 22°, 22°, 25°, 0.18 m, 0.22 m, 0.24 m.
inline WorkEnvelopeLimits clusterOneEnvelope() {
    const double degree = 3.14159265358979323846 / 180.0;
    return {float(22 * degree), float(22 * degree), float(25 * degree), 0.18f, 0.22f, 0.24f, 1};
}

// A platform rated 10 % above the velocities and accelerations the bundled tuning asks of it on
// the problem's drives: a tuned configuration must not need a stronger platform than today's.
inline tune::PlatformLimits limitsOfBundledTuning(const tune::Problem& problem) {
    const double margin = 1.1;
    const tune::Evaluation today = tune::evaluate(problem, bundledExample());
    tune::PlatformLimits limits;
    for (int dof = 0; dof < cueing::dofCount; ++dof) {
        double velocity = 0.0, acceleration = 0.0;
        for (const tune::DriveEvaluation& drive : today.drives) {
            velocity = std::max(velocity, drive.scores.dofs[dof].peakVelocity);
            acceleration = std::max(acceleration, drive.scores.dofs[dof].peakAcceleration);
        }
        if (velocity > 0.0)
            limits.velocity[dof] = margin * velocity;
        if (acceleration > 0.0)
            limits.acceleration[dof] = margin * acceleration;
    }
    return limits;
}
