#pragma once

#include "EnvelopeReport.h"
#include "KEOUI64/OutputRecord.h"

#include <array>
#include <cstdint>
#include <vector>

// Fills a report step by step from the engine's output records, at a fixed step rate.
class EnvelopeMonitor {
public:
    EnvelopeMonitor(const EnvelopeReport& blank, double stepRate);

    void add(const KEOOutputRecord& record);
    // The report up to the last record added.
    EnvelopeReport report();

private:
    using Position = std::array<double, 6>;

    // The words of a step the monitor reads: the platform's six degrees of freedom and the six
    // words of the tilting axes' rotation. Steps are gathered into blocks and watched a block at
    // a time, so that the engine's step and the monitor's do not take turns in the cache.
    struct Sample {
        float platform[6];
        float tilts[6];
    };
    static constexpr std::size_t blockSteps = 256;

    // What a degree of freedom is held to (infinite: nothing), and for how many steps it was not.
    struct DofWatch {
        double beyondEnvelopeAbove, atLimitFrom, firstFlagged, velocityLimit, accelerationLimit;
        std::uint64_t stepsBeyondEnvelope = 0, stepsAtLimit = 0, stepsTooFast = 0, stepsTooHard = 0;
    };
    // A tilting axis' rate limit (infinite: none), its rotation at the last step, and for how
    // many steps it turned too fast.
    struct TiltWatch {
        double rateLimit;
        double tilt = 0.0, rotation = 0.0, magnitude = 0.0;
        std::uint64_t stepsTooFast = 0;
    };

    void watchBlock();
    void watch(const Sample& sample);
    bool watchMotion(const float (&platform)[6], std::uint64_t step);
    bool watchTilts(const float (&words)[6], bool afterAStep, double seconds);
    bool watchAccelerations(std::uint64_t centre);

    EnvelopeReport m_report;
    double m_stepSeconds;
    double m_stepRate;
    int m_span; // steps from an acceleration's centre to either of its other samples
    double m_perSpanSquared;
    std::array<DofWatch, 6> m_dofs;
    std::array<TiltWatch, 2> m_tilts;
    std::vector<Sample> m_block;
    std::size_t m_blockFill = 0;
    // The last 2 × span + 1 positions, and whether the last span + 1 steps were outside so far,
    // each in a ring whose slot for the next step is given.
    std::vector<Position> m_positions;
    std::size_t m_positionSlot = 0;
    std::vector<char> m_outside;
    std::size_t m_outsideSlot = 0;
    std::uint64_t m_stepsOutside = 0; // over the steps before those
};
