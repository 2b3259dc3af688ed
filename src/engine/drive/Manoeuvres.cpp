#include "Manoeuvres.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace engine::drive {
namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double kmh = 1.0 / 3.6;
// Step of the central differences that turn body angles into rates: far below any step period,
// far above rounding.
constexpr double differenceStep = 1e-4;

// A smooth trapezoid: rises from 0 to `height` along half a cosine, holds, falls back the same way.
// Its first derivative is continuous, so the accelerations built from it have no jumps.
struct Pulse {
    double start;
    double rise;
    double hold;
    double fall;
    double height;

    double end() const { return start + rise + hold + fall; }

    double value(double t) const {
        const double s = t - start;
        if (s <= 0.0 || t >= end())
            return 0.0;
        if (s < rise)
            return height * 0.5 * (1.0 - std::cos(pi * s / rise));
        if (s < rise + hold)
            return height;
        const double f = s - rise - hold;
        return height * 0.5 * (1.0 + std::cos(pi * f / fall));
    }

    // The integral from the start to t, in closed form.
    double integral(double t) const {
        const double s = std::min(t, end()) - start;
        if (s <= 0.0)
            return 0.0;
        if (s < rise)
            return height * 0.5 * (s - rise / pi * std::sin(pi * s / rise));
        const double afterRise = height * 0.5 * rise;
        if (s < rise + hold)
            return afterRise + height * (s - rise);
        const double f = s - rise - hold;
        return afterRise + height * hold + height * 0.5 * (f + fall / pi * std::sin(pi * f / fall));
    }

    double area() const { return height * (hold + 0.5 * (rise + fall)); }

    // The value with its first and second derivative.
    struct Derivatives {
        double value;
        double rate;
        double acceleration;
    };
    Derivatives derivatives(double t) const {
        const double s = t - start;
        if (s <= 0.0 || t >= end())
            return {0.0, 0.0, 0.0};
        if (s < rise) {
            const double k = pi / rise;
            return {value(t), height * 0.5 * k * std::sin(k * s),
                    height * 0.5 * k * k * std::cos(k * s)};
        }
        if (s < rise + hold)
            return {height, 0.0, 0.0};
        const double k = pi / fall;
        const double f = s - rise - hold;
        return {value(t), -height * 0.5 * k * std::sin(k * f),
                -height * 0.5 * k * k * std::cos(k * f)};
    }
};

// Speed as a start value plus acceleration pulses.
struct SpeedProfile {
    double initial = 0.0;
    std::vector<Pulse> pulses;

    double speed(double t) const {
        double v = initial;
        for (const Pulse& pulse : pulses)
            v += pulse.integral(t);
        return v;
    }
    double acceleration(double t) const {
        double a = 0.0;
        for (const Pulse& pulse : pulses)
            a += pulse.value(t);
        return a;
    }
};

// One sine of the road surface, the same wave under both wheel tracks but shifted in phase.
struct RoadWave {
    double amplitude; // m
    double frequency; // Hz, as the vehicle meets it
    double phaseLeft;
    double phaseRight;
    double bodyGain; // share of the wave that reaches the body through the suspension
};

// A value with its first and second derivative in time.
struct Motion3 {
    double value = 0.0;
    double rate = 0.0;
    double acceleration = 0.0;

    // The product rule, up to the second derivative.
    Motion3 operator*(const Motion3& o) const {
        return {value * o.value, rate * o.value + value * o.rate,
                acceleration * o.value + 2.0 * rate * o.rate + value * o.acceleration};
    }
};

// What the road does at one moment: the heights under both wheels and the body's heave and roll
// as the suspension passes them on (m, rad), each with its derivatives, in closed form.
struct RoadState {
    double left = 0.0;
    double right = 0.0;
    Motion3 heave;
    Motion3 roll;
};

// Road heights under both wheels and what the body does on them; `envelope` fades the waves in
// and out so that the road starts and ends flat.
struct Road {
    std::vector<RoadWave> waves;
    Pulse envelope{0, 0, 0, 0, 0};

    RoadState at(double t, double track) const {
        RoadState state;
        if (waves.empty())
            return state;
        Motion3 heave;
        Motion3 roll;
        double left = 0.0;
        double right = 0.0;
        for (const RoadWave& wave : waves) {
            const double w = 2.0 * pi * wave.frequency;
            const double sinLeft = std::sin(w * t + wave.phaseLeft);
            const double cosLeft = std::cos(w * t + wave.phaseLeft);
            const double sinRight = std::sin(w * t + wave.phaseRight);
            const double cosRight = std::cos(w * t + wave.phaseRight);
            left += wave.amplitude * sinLeft;
            right += wave.amplitude * sinRight;
            const double body = wave.bodyGain * wave.amplitude;
            const Motion3 bodyLeft{body * sinLeft, body * w * cosLeft, -body * w * w * sinLeft};
            const Motion3 bodyRight{body * sinRight, body * w * cosRight, -body * w * w * sinRight};
            heave.value += 0.5 * (bodyLeft.value + bodyRight.value);
            heave.rate += 0.5 * (bodyLeft.rate + bodyRight.rate);
            heave.acceleration += 0.5 * (bodyLeft.acceleration + bodyRight.acceleration);
            // The left side lower: positive roll.
            roll.value -= (bodyLeft.value - bodyRight.value) / track;
            roll.rate -= (bodyLeft.rate - bodyRight.rate) / track;
            roll.acceleration -= (bodyLeft.acceleration - bodyRight.acceleration) / track;
        }
        const Pulse::Derivatives d = envelope.derivatives(t);
        const Motion3 fade{d.value, d.rate, d.acceleration};
        state.left = fade.value * left;
        state.right = fade.value * right;
        state.heave = fade * heave;
        state.roll = fade * roll;
        return state;
    }
};

double centralDifference(const std::function<double(double)>& f, double t) {
    return (f(t + differenceStep) - f(t - differenceStep)) / (2.0 * differenceStep);
}

// A vehicle following a path: everything the engine needs follows from the speed, the path's
// curvature and the road.
class VehicleDrive : public Drive {
public:
    VehicleDrive(double duration, SpeedProfile speed, std::function<double(double)> curvature,
                 Road road = {}, VehicleTraits traits = {})
        : m_duration(duration)
        , m_speed(std::move(speed))
        , m_curvature(std::move(curvature))
        , m_road(std::move(road))
        , m_traits(traits) {}

    double duration() const override { return m_duration; }

    VehicleInput at(double seconds) const override {
        const double t = std::clamp(seconds, 0.0, m_duration);
        VehicleInput input;
        const double v = m_speed.speed(t);
        const double curvature = m_curvature(t);
        const double lateral = v * v * curvature;
        input.longitudinalAcceleration = m_speed.acceleration(t);
        input.lateralAcceleration = lateral;
        input.yawRate = v * curvature;
        input.speed = v;
        input.wheelbase = m_traits.wheelbase;
        input.frontWheelAngle = m_traits.wheelbase * curvature + extraSteering(lateral);
        input.sideslipAngle = -m_traits.sideslipGradient * lateral;
        const RoadState road = m_road.at(t, m_traits.track);
        input.rollAngle = corneringRoll(t) + road.roll.value;
        input.pitchAngle = bodyPitch(t);
        input.rollRate =
            centralDifference([this](double x) { return corneringRoll(x); }, t) + road.roll.rate;
        input.pitchRate = centralDifference([this](double x) { return bodyPitch(x); }, t);
        input.roadLeft = road.left;
        input.roadRight = road.right;
        input.verticalTiltAcceleration = road.heave.acceleration;
        input.verticalAcceleration = standardGravity + road.heave.acceleration;
        return input;
    }

private:
    // Understeer: the front tyres slip more than the rear ones, more so near their limit.
    double extraSteering(double lateral) const {
        const double ratio = lateral / m_traits.understeerSaturation;
        return m_traits.understeerGradient * lateral * (1.0 + ratio * ratio);
    }
    // A left turn (lateral acceleration to the left) lowers the right side: negative roll.
    double corneringRoll(double t) const {
        const double v = m_speed.speed(t);
        return -m_traits.rollGradient * v * v * m_curvature(t);
    }
    // Braking dives the nose: positive pitch.
    double bodyPitch(double t) const { return -m_traits.pitchGradient * m_speed.acceleration(t); }

    double m_duration;
    SpeedProfile m_speed;
    std::function<double(double)> m_curvature;
    Road m_road;
    VehicleTraits m_traits;
};

std::function<double(double)> straight() {
    return [](double) {
        return 0.0;
    };
}

// Braking from 100 km/h at 8 m/s² to a standstill, then standing while the platform washes out.
std::unique_ptr<Drive> braking() {
    const double initial = 100.0 * kmh;
    const double deceleration = 8.0;
    Pulse brake{1.0, 0.35, 0.0, 0.5, -deceleration};
    brake.hold = initial / deceleration - 0.5 * (brake.rise + brake.fall);
    return std::make_unique<VehicleDrive>(brake.end() + 15.0, SpeedProfile{initial, {brake}},
                                          straight());
}

// Full throttle from a standstill to 100 km/h through four gears, then cruising.
std::unique_ptr<Drive> acceleration() {
    const double target = 100.0 * kmh;
    const std::array<double, 4> gearAcceleration = {4.2, 3.2, 2.3, 1.6};
    const std::array<double, 3> gearHold = {2.2, 2.6, 3.0};
    const double shift = 0.15; // rise and fall of each gear's pull
    const double pause = 0.2;  // the clutch is open
    SpeedProfile profile;
    double start = 1.0;
    double reached = 0.0;
    for (std::size_t gear = 0; gear < gearAcceleration.size(); ++gear) {
        Pulse pull{start, shift, 0.0, shift, gearAcceleration[gear]};
        pull.hold =
            gear < gearHold.size() ? gearHold[gear] : (target - reached) / pull.height - shift;
        reached += pull.area();
        profile.pulses.push_back(pull);
        start = pull.end() + pause;
    }
    return std::make_unique<VehicleDrive>(start + 3.0, profile, straight());
}

// The curvature of a lateral offset of `offset` metres over `length` metres of path, shaped so
// that the curvature starts and ends at zero: y = offset·(s − sin(2πs)/(2π)).
double offsetCurvature(double along, double length, double offset) {
    if (along <= 0.0 || along >= length)
        return 0.0;
    return offset * 2.0 * pi * std::sin(2.0 * pi * along / length) / (length * length);
}

// A double lane change at 70 km/h: 3.5 m to the left over 40 m, 30 m in that lane, back over 40 m.
std::unique_ptr<Drive> laneChange() {
    const double speed = 70.0 * kmh;
    const double lead = 1.0 * speed;
    const double shift = 40.0;
    const double stay = 30.0;
    const double offset = 3.5;
    const auto curvature = [=](double t) {
        const double x = speed * t - lead;
        return offsetCurvature(x, shift, offset) - offsetCurvature(x - shift - stay, shift, offset);
    };
    const double length = lead + 2.0 * shift + stay;
    return std::make_unique<VehicleDrive>(length / speed + 2.0, SpeedProfile{speed, {}}, curvature);
}

// A slalom at 50 km/h through eight cones 18 m apart, 0.8 m to either side of the line.
std::unique_ptr<Drive> slalom() {
    const double speed = 50.0 * kmh;
    const double lead = 1.0 * speed;
    const double spacing = 18.0;
    const int cones = 8;
    const double amplitude = 0.8;
    const auto curvature = [=](double t) {
        const double x = speed * t - lead;
        if (x <= 0.0 || x >= cones * spacing)
            return 0.0;
        const double k = pi / spacing;
        return -amplitude * k * k * std::sin(k * x);
    };
    return std::make_unique<VehicleDrive>((lead + cones * spacing) / speed + 2.0,
                                          SpeedProfile{speed, {}}, curvature);
}

// A steady left turn on a 40 m radius while the speed rises from 30 to 65 km/h: the lateral
// acceleration grows to about 8 m/s² and the steering runs ahead of the path more and more.
std::unique_ptr<Drive> steadyTurn() {
    const double radius = 40.0;
    const double from = 30.0 * kmh;
    const double to = 65.0 * kmh;
    Pulse speedUp{5.0, 2.0, 0.0, 2.0, 0.8};
    speedUp.hold = (to - from) / speedUp.height - 0.5 * (speedUp.rise + speedUp.fall);
    const Pulse turn{1.0, 3.0, speedUp.end() + 2.0 - 4.0, 3.0, 1.0 / radius};
    return std::make_unique<VehicleDrive>(turn.end() + 1.0, SpeedProfile{from, {speedUp}},
                                          [turn](double t) { return turn.value(t); });
}

// Quarter-car transmissibility: how much of a road wave of `frequency` reaches the body.
double bodyGain(double frequency, const VehicleTraits& traits) {
    const double r = frequency / traits.suspensionFrequency;
    const double damping = 2.0 * traits.suspensionDamping * r;
    return std::sqrt((1.0 + damping * damping) /
                     ((1.0 - r * r) * (1.0 - r * r) + damping * damping));
}

// 20 s straight at 40 km/h on a rough road: eight waves between 1.1 and 12.5 Hz, the longer ones
// higher, as on real roads; left and right differ in phase, so the body also rolls.
std::unique_ptr<Drive> bumpyRoad() {
    const VehicleTraits traits;
    const std::array<double, 8> frequencies = {1.1, 1.7, 2.6, 3.9, 5.3, 7.4, 9.8, 12.5};
    Road road;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        const double f = frequencies[i];
        const double phase = 2.0 * pi * std::fmod(0.618034 * double(i + 1), 1.0);
        const double shift = 2.0 * pi * std::fmod(0.381966 * double(i + 3), 1.0);
        road.waves.push_back({0.012 / f, f, phase, phase + shift, bodyGain(f, traits)});
    }
    road.envelope = Pulse{1.0, 1.5, 15.0, 1.5, 1.0};
    return std::make_unique<VehicleDrive>(road.envelope.end() + 1.0, SpeedProfile{40.0 * kmh, {}},
                                          straight(), road, traits);
}

// Standing with the engine running: every signal at rest.
class Rest : public Drive {
public:
    explicit Rest(double duration)
        : m_duration(duration) {}
    double duration() const override { return m_duration; }
    VehicleInput at(double) const override {
        VehicleInput input;
        input.verticalAcceleration = standardGravity;
        return input;
    }

private:
    double m_duration;
};

// A logarithmic sine sweep of one input, from 0.05 to 5 Hz over 120 s, between 1 s of rest before
// and after; it fades out over its last second so that it ends at zero.
class Sweep : public Drive {
public:
    using Apply = void (*)(VehicleInput&, double value);

    Sweep(double amplitude, Apply apply)
        : m_amplitude(amplitude)
        , m_apply(apply) {}

    static constexpr double fromHz = 0.05;
    static constexpr double toHz = 5.0;
    static constexpr double sweepSeconds = 120.0;
    static constexpr double restSeconds = 1.0;

    double duration() const override { return sweepSeconds + 2.0 * restSeconds; }

    VehicleInput at(double seconds) const override {
        VehicleInput input;
        input.verticalAcceleration = standardGravity;
        const double t = seconds - restSeconds;
        if (t > 0.0 && t < sweepSeconds) {
            const double fade = std::min(1.0, (sweepSeconds - t) / 1.0);
            m_apply(input, fade * m_amplitude * std::sin(phase(t)));
        }
        return input;
    }

private:
    // The phase of a sweep whose frequency grows exponentially: the integral of 2π·f(t).
    static double phase(double t) {
        const double growth = std::log(toHz / fromHz) / sweepSeconds;
        return 2.0 * pi * fromHz * (std::exp(growth * t) - 1.0) / growth;
    }

    double m_amplitude;
    Apply m_apply;
};

using Factory = std::function<std::unique_ptr<Drive>()>;

template <class Apply> Factory sweep(double amplitude, Apply apply) {
    return [amplitude, apply] {
        return std::make_unique<Sweep>(amplitude, apply);
    };
}

std::unique_ptr<Drive> mix();

const std::vector<std::pair<std::string, Factory>>& factories() {
    static const std::vector<std::pair<std::string, Factory>> all = {
        {"mix", mix},
        {"braking", braking},
        {"acceleration", acceleration},
        {"lane-change", laneChange},
        {"slalom", slalom},
        {"steady-turn", steadyTurn},
        {"bumpy-road", bumpyRoad},
        {"sweep-surge",
         sweep(1.0, [](VehicleInput& in, double a) { in.longitudinalAcceleration = a; })},
        {"sweep-sway", sweep(1.0, [](VehicleInput& in, double a) { in.lateralAcceleration = a; })},
        {"sweep-heave", sweep(1.0,
                              [](VehicleInput& in, double a) {
                                  in.verticalAcceleration = standardGravity + a;
                                  in.verticalTiltAcceleration = a;
                              })},
        {"sweep-roll", sweep(0.1, [](VehicleInput& in, double rate) { in.rollRate = rate; })},
        {"sweep-pitch", sweep(0.1, [](VehicleInput& in, double rate) { in.pitchRate = rate; })},
        {"sweep-yaw", sweep(0.1, [](VehicleInput& in, double rate) { in.yawRate = rate; })},
        {"idle",
         [] {
             return std::make_unique<Rest>(10.0);
         }},
    };
    return all;
}

// The editor's default: the driving manoeuvres one after another, so that every path moves.
std::unique_ptr<Drive> mix() {
    std::vector<DriveSequence::Part> parts;
    parts.push_back({"rest", std::make_unique<Rest>(2.0)});
    for (const char* name :
         {"acceleration", "braking", "lane-change", "slalom", "steady-turn", "bumpy-road"})
        parts.push_back({name, makeManoeuvre(name)});
    return std::make_unique<DriveSequence>(std::move(parts));
}

} // namespace

DriveSequence::DriveSequence(std::vector<Part> parts) {
    for (Part& part : parts) {
        const double length = part.drive->duration();
        m_parts.push_back({m_duration, std::move(part)});
        m_duration += length;
    }
}

DriveSequence::DriveSequence(const std::vector<std::shared_ptr<const Drive>>& parts)
    : DriveSequence([&parts] {
        std::vector<Part> unnamed;
        for (const auto& drive : parts)
            unnamed.push_back({{}, drive});
        return unnamed;
    }()) {}

// The last part whose start is not after `seconds`.
const DriveSequence::Placed& DriveSequence::placedAt(double seconds) const {
    auto placed = std::upper_bound(m_parts.begin(), m_parts.end(), seconds,
                                   [](double t, const Placed& entry) { return t < entry.start; });
    if (placed != m_parts.begin())
        --placed;
    return *placed;
}

VehicleInput DriveSequence::at(double seconds) const {
    const Placed& placed = placedAt(seconds);
    return placed.part.drive->at(seconds - placed.start);
}

std::string DriveSequence::partAt(double seconds) const {
    return placedAt(seconds).part.name;
}

const std::vector<std::string>& manoeuvreNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& entry : factories())
            all.push_back(entry.first);
        return all;
    }();
    return names;
}

std::unique_ptr<Drive> makeManoeuvre(const std::string& name) {
    for (const auto& [known, factory] : factories())
        if (known == name)
            return factory();
    std::string known;
    for (const std::string& each : manoeuvreNames())
        known += (known.empty() ? "" : ", ") + each;
    throw DriveError("unknown drive \"" + name + "\"; the built-in drives are " + known +
                     ", or give a .csv file");
}

} // namespace engine::drive
