#pragma once

#include "engine/Peak.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

// What a drive gave the rider on the motion platform, and which limits it kept: a plain value,
// built step by step by EnvelopeMonitor and read by the report's text and by later analyses.
// Angles are in radians, travel in metres, times in seconds from the start of the drive.

using engine::Peak;

// The platform's own limits beyond its envelope, when known: per degree of freedom (roll, pitch,
// yaw, heave, sway, surge) the fastest it may move (rad/s, m/s) and accelerate (rad/s², m/s²).
struct PlatformRateLimits {
    std::array<std::optional<double>, 6> velocity;
    std::array<std::optional<double>, 6> acceleration;
};

// One degree of freedom of the platform, from its final position word step by step.
struct DofUse {
    const char* name = "";
    bool angular = false;  // radians, shown in degrees; else metres
    double envelope = 0.0; // the platform's range
    double limit = 0.0;    // the configuration's final limit, at most the envelope
    // From this share of `limit` on, the final limit has taken away 90 % of its small-signal gain:
    // the degree of freedom is pressed against it (cueing::pressedShare()).
    double atLimitShare = 1.0;
    std::optional<double> velocityLimit, accelerationLimit;

    Peak excursion, velocity, acceleration;
    double secondsAtLimit = 0.0;
    double secondsBeyondEnvelope = 0.0;
    double secondsBeyondVelocityLimit = 0.0;
    double secondsBeyondAccelerationLimit = 0.0;

    double percentOfEnvelope() const;
    bool outside() const;
};

// The rotation of a tilting axis (roll or pitch) the rider is not meant to feel as rotation: the
// tilt coordination that renders sustained acceleration as gravity, plus the mixer's cross-feeds
// from travel (sway to roll; surge and heave to pitch). The axis' tilt rate limit says how fast
// such a rotation may go unnoticed; rotation that reproduces the vehicle's own (angular paths,
// absolute angles, the enhancers) is meant to be felt and is not held to it.
struct TiltRotation {
    const char* name = "";
    std::optional<double> rateLimit; // rad/s; none when no tilt of the axis is on
    Peak tiltRate;                   // the tilt channels alone
    Peak rate;                       // with the cross-feeds
    double secondsBeyondLimit = 0.0;

    bool beyondLimit() const { return secondsBeyondLimit > 0.0; }
};

struct EnvelopeReport {
    std::array<DofUse, 6> dofs{};                // roll, pitch, yaw, heave, sway, surge
    std::array<TiltRotation, 2> tiltRotations{}; // roll, pitch
    std::uint64_t steps = 0;
    double seconds = 0.0;        // the drive's length
    double secondsOutside = 0.0; // any of the conditions below, each step counted once

    // Within the envelope: no degree of freedom went beyond its envelope, pressed against its
    // final limit or moved beyond a given platform limit, and no tilting axis turned faster than
    // its tilt rate limit.
    bool withinEnvelope() const;
};

// Indices of `EnvelopeReport::dofs`; Roll and Pitch also index `tiltRotations`.
enum DofIndex : int { Roll, Pitch, Yaw, Heave, Sway, Surge };
