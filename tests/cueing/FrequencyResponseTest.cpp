// The frequency response computed from a tuning against a black-box measurement of the engine:
// the engine driven by a small sum of sines at the twelve test frequencies, its platform words
// turned into the specific force and angular rate at the point of sense, each sine's amplitude and
// phase fitted by least squares once the washouts have settled.
#include "cueing/FrequencyResponse.h"

#include "config/ConfigReader.h"
#include "cueing/Cues.h"
#include "engine/Engine.h"
#include "engine/Words.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

using Complex = std::complex<double>;
using cueing::testFrequencyCount;

constexpr double g = 9.80665, pi = 3.14159265358979323846;
constexpr double stepRate = 200.0, dt = 1.0 / stepRate;
constexpr WorkEnvelopeLimits envelope{0.38f, 0.38f, 0.44f, 0.18f, 0.22f, 0.24f, 1};
constexpr double settleSeconds = 40.0, fitSeconds = 130.0; // two periods of 0.1 rad/s

// Least squares of each channel's y = c0 + sum_k (a_k cos w_k t + b_k sin w_k t) by the normal
// equations, which all channels share.
class SineFit {
public:
    static constexpr int n = 1 + 2 * testFrequencyCount;
    using Basis = std::array<double, n>;
    using Amplitudes = std::array<Complex, testFrequencyCount>;

    void add(const Basis& basis, const std::array<double, cueing::channelCount>& y) {
        for (int i = 0; i < n; ++i) {
            for (int c = 0; c < cueing::channelCount; ++c)
                m_rhs[c][i] += basis[i] * y[c];
            for (int j = i; j < n; ++j)
                m_normal[i][j] += basis[i] * basis[j];
        }
    }
    // Each channel's sines as the complex amplitudes Y with y = Re(Y e^{jwt}).
    std::array<Amplitudes, cueing::channelCount> amplitudes() {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < i; ++j)
                m_normal[i][j] = m_normal[j][i];
        solve();
        std::array<Amplitudes, cueing::channelCount> out;
        for (int c = 0; c < cueing::channelCount; ++c)
            for (int k = 0; k < testFrequencyCount; ++k)
                out[c][k] = Complex(m_rhs[c][1 + 2 * k], -m_rhs[c][2 + 2 * k]);
        return out;
    }

private:
    void solve() { // Gaussian elimination; the matrix is symmetric positive definite
        for (int col = 0; col < n; ++col)
            for (int r = col + 1; r < n; ++r) {
                const double f = m_normal[r][col] / m_normal[col][col];
                for (int j = col; j < n; ++j)
                    m_normal[r][j] -= f * m_normal[col][j];
                for (auto& rhs : m_rhs)
                    rhs[r] -= f * rhs[col];
            }
        for (auto& rhs : m_rhs)
            for (int r = n - 1; r >= 0; --r) {
                for (int j = r + 1; j < n; ++j)
                    rhs[r] -= m_normal[r][j] * rhs[j];
                rhs[r] /= m_normal[r][r];
            }
    }
    std::array<std::array<double, n>, n> m_normal{};
    std::array<Basis, cueing::channelCount> m_rhs{};
};

// The test's own account of the cue at the point of sense from three consecutive platform poses
// (small angles are not assumed for gravity), in the order of the channels: specific force along
// surge, sway and heave (less 1 g), then the roll, pitch and yaw rates in the record's senses.
std::array<double, 6> cueFrom(const std::array<std::array<double, 6>, 3>& p, engine::Vec3 r) {
    enum { Roll, Pitch, Yaw, Sway, Heave, Surge };
    const auto rate = [&](int i) {
        return (p[2][i] - p[0][i]) / (2 * dt);
    };
    const auto accel = [&](int i) {
        return (p[2][i] - 2 * p[1][i] + p[0][i]) / (dt * dt);
    };
    const double roll = -p[1][Roll], pitch = p[1][Pitch]; // right-handed
    // Gravity in the seat for a rotation of yaw, pitch, roll; travel accelerations small.
    double fx = accel(Surge) - g * std::sin(pitch);
    double fy = accel(Sway) + g * std::sin(roll) * std::cos(pitch);
    double fz = accel(Heave) + g * (std::cos(roll) * std::cos(pitch) - 1.0);
    const double ax = -accel(Roll), ay = accel(Pitch), az = accel(Yaw); // angular, right-handed
    fx += ay * r.z - az * r.y;
    fy += az * r.x - ax * r.z;
    fz += ax * r.y - ay * r.x;
    return {fx, fy, fz, rate(Roll), rate(Pitch), rate(Yaw)};
}

using Measured = std::array<SineFit::Amplitudes, cueing::channelCount>;

// Drives `input` (a Channel) with the sum of sines and fits every channel of the platform's cue.
Measured measure(const Config& config, KEOParamSet::Enum set, int input, double amplitude,
                 engine::Vec3 head) {
    engine::Engine engine;
    engine.configure(config, set, envelope, stepRate);
    std::array<double, testFrequencyCount> omega, phase;
    for (int k = 0; k < testFrequencyCount; ++k) {
        omega[k] = cueing::testFrequency(k);
        phase[k] = -pi * k * (k - 1) / testFrequencyCount; // Schroeder phases: a low crest
    }
    const engine::Vec3 at = cueing::pointOfSenseFor(config.algorithm, {head.x, head.y, head.z});
    SineFit fit;
    std::array<std::array<double, 6>, 3> poses{};
    KEOOutputRecord record{};
    const long settle = std::lround(settleSeconds * stepRate);
    const long total = settle + std::lround(fitSeconds * stepRate) + 1;
    for (long n = 0; n < total; ++n) {
        const double t = n * dt;
        double u = 0.0;
        for (int k = 0; k < testFrequencyCount; ++k)
            u += amplitude * std::cos(omega[k] * t + phase[k]);
        engine::VehicleInput in;
        in.verticalAcceleration = config.algorithm.removeVerticalComponent ? 0.0 : g;
        double* inputs[6] = {&in.longitudinalAcceleration,
                             &in.lateralAcceleration,
                             &in.verticalAcceleration,
                             &in.rollRate,
                             &in.pitchRate,
                             &in.yawRate};
        *inputs[input] += u;
        in.pointOfSense[0] = head.x, in.pointOfSense[1] = head.y, in.pointOfSense[2] = head.z;
        engine.step(in, dt, record);
        poses[0] = poses[1], poses[1] = poses[2];
        for (int i = 0; i < 6; ++i)
            poses[2][i] = record.signal(engine::words::platform.roll + i);
        const double centre = t - dt; // the cue belongs to the middle pose
        if (n <= settle)
            continue;
        const auto cue = cueFrom(poses, at);
        SineFit::Basis basis;
        basis[0] = 1.0;
        for (int k = 0; k < testFrequencyCount; ++k) {
            basis[1 + 2 * k] = std::cos(omega[k] * centre);
            basis[2 + 2 * k] = std::sin(omega[k] * centre);
        }
        fit.add(basis, cue);
    }
    auto out = fit.amplitudes();
    for (int c = 0; c < cueing::channelCount; ++c) {
        for (int k = 0; k < testFrequencyCount; ++k)
            out[c][k] /= std::polar(amplitude, phase[k]);
    }
    return out;
}

Config example() {
    std::ifstream file(std::string(KEO_EXAMPLES_DIR) + "/config_v1.json");
    Config config = zeroConfig();
    readConfig(Json::parse(file), config);
    return config;
}

// Only the roll rate's path on: integration, a gain of 0.7 and, if given, a velocity high-pass.
Config rollPath(double highPassHz) {
    Config c = zeroConfig();
    AngularVelocityConfig& roll = c.lateral.angularVelocity;
    roll.enabled = true;
    roll.velocityFilter.cutoff = FloatPair::both(float(highPassHz));
    roll.outputFilter.type = KEOFilterType::None;
    roll.outputLimit.type = KEOLimitationType::Gain;
    roll.outputLimit.limitationFactor = FloatPair::both(0.7f);
    roll.outputLimit.maxValueFactor = FloatPair::both(100.0f);
    c.multiplexer.roll.maxValueFactor = FloatPair::both(100.0f);
    return c;
}

double phaseDifferenceDegrees(Complex a, Complex b) {
    return std::arg(a / b) * 180.0 / pi;
}

struct Case {
    const char* name;
    Config config;
    KEOParamSet::Enum set;
    int response;
    engine::Vec3 head;
    // What the response is known to be, where it is (a pure gain, a single filter).
    std::function<Complex(double omega)> known;
};

TEST(FrequencyResponse, ComputedAgreesWithTheEngineDrivenBySmallSines) {
    const auto highPass = [](double omega) { // s² / (s + w)², the design at 0.3 Hz
        const Complex s(0.0, omega);
        const double w = 2 * pi * 0.3;
        return 0.7 * s * s / ((s + w) * (s + w));
    };
    const auto pureGain = [](double) {
        return Complex(0.7);
    };
    const KEOParamSet::Enum first = KEOParamSet::First, second = KEOParamSet::Second;
    std::vector<Case> cases{
        {"a pure gain", rollPath(0.0), first, cueing::RollResponse, {}, pureGain},
        {"a single high-pass", rollPath(0.3), first, cueing::RollResponse, {}, highPass}};
    Config atTheHead = example();
    atTheHead.algorithm.enableAccMatrixTranslationAfter = true;
    const engine::Vec3 head{0.3, 0.0, 0.8};
    for (int r = 0; r < cueing::responseCount; ++r) {
        cases.push_back({"the example", example(), second, r, {}, nullptr});
        if (cueing::responses[r].input >= cueing::Roll)
            cases.push_back({"the example, head 0.3 m ahead, 0.8 m up, T2 and T3", atTheHead, first,
                             r, head, nullptr});
    }
    std::map<std::pair<std::string, int>, Measured> runs;
    for (const Case& c : cases) {
        const cueing::ResponseKind& kind = cueing::responses[c.response];
        SCOPED_TRACE(std::string(c.name) + ": " + kind.name);
        const engine::Tuning tuning = engine::Engine::tune(c.config, c.set, envelope, stepRate);
        const double amplitude = kind.input >= cueing::Roll ? 0.002 : 0.01; // rad/s, m/s²
        // One run per configuration and input serves every output.
        const auto key = std::make_pair(std::string(c.name), kind.input);
        if (!runs.count(key))
            runs[key] = measure(c.config, c.set, kind.input, amplitude, c.head);
        const SineFit::Amplitudes& measured = runs[key][kind.output];
        double largest = 0.0;
        for (int k = 0; k < testFrequencyCount; ++k)
            largest = std::max(largest, std::abs(measured[k]));
        for (int k = 0; k < testFrequencyCount; ++k) {
            const double omega = cueing::testFrequency(k);
            SCOPED_TRACE("at " + std::to_string(omega) + " rad/s");
            const Complex computed = cueing::responseAt(tuning, c.response, omega, c.head);
            // Far below a response's largest gain 1 % of it is lost in the words' rounding and
            // the products of small signals; there the two need only agree to 0.1 % of the peak.
            if (std::abs(computed) < 0.05 * largest) {
                EXPECT_LT(std::abs(measured[k] - computed), 1e-3 * largest);
                continue;
            }
            EXPECT_NEAR(std::abs(measured[k]) / std::abs(computed), 1.0, 0.01);
            EXPECT_NEAR(phaseDifferenceDegrees(measured[k], computed), 0.0, 1.0);
            if (c.known) {
                EXPECT_NEAR(std::abs(computed) / std::abs(c.known(omega)), 1.0, 0.01);
                EXPECT_NEAR(phaseDifferenceDegrees(computed, c.known(omega)), 0.0, 1.0);
            }
        }
    }
}

} // namespace
