#pragma once

#include "KEOUI64/OutputRecord.h"
#include "config/Config.h"
#include "cueing/Cues.h"
#include "cueing/ScoreSums.h"
#include "engine/Tuning.h"

#include <array>
#include <cstdint>

// CueingScorer judges what the rider perceives on the platform against what the vehicle does, one
// output record at a time, from the record's words alone: the vehicle's inputs (words 3-9), the
// platform's final degrees of freedom (words 147-152) and the tilt and cross-feed outputs (50, 56,
// 62, 91, 95, 97). So it judges any algorithm that fills these words, the project's engine in
// keo-sim as well as a host's own behind the editor.
//
//   cueing::CueingScorer scorer(cueing::ScorerSettings::of(config, tuning, 1000.0, head));
//   for each record: scorer.add(record);         // fixed cost, no allocation, no lock
//   cueing::Scores drive = scorer.wholeDrive();  // or scorer.window(), the last windowSeconds
//
// Per record it differentiates the platform's pose across ±5 ms (central differences on the
// records' time stamps) into the specific force and angular velocity at the point of sense, takes
// the vehicle's at the same instant, runs both through the vestibular models (Vestibular.h) and
// adds the perceived signals to running sums. Records are judged 5 ms after they arrive: the
// first and last 5 ms of a drive are not judged.
//
// Memory is fixed at construction (about 135 KB, every buffer a member array); add(), reset() and
// latest() allocate nothing and never block. One instance belongs to one thread: to show scores
// on another, copy them out (wholeDrive() and window() return plain values).
namespace cueing {

// A final limit of the multiplexer and the share of it from which its degree of freedom counts as
// pressed against it (see pressedShare()).
struct FinalLimit {
    double maximum = 0.0; // rad or m; 0: none
    double pressedShare = 1.0;
};

// The share of its maximum from which a limitation curve has taken away 90 % of its small-signal
// gain, so that pushing harder hardly moves the platform: logistic 94.9 %, arc tangent 79.5 %, a
// clipped gain or no curve (held at the maximum) the maximum itself. keo-sim's "at the limit".
double pressedShare(KEOLimitationType::Enum curve);

struct ScorerSettings {
    double recordRate = 1000.0;      // records per second; the step when time stamps do not advance
    bool inputsCarryGravity = false; // word 5 holds the 1 g (option G2 off)
    engine::Vec3 pointOfSense{};     // from the platform's motion reference point, m
    std::array<FinalLimit, dofCount> finalLimits{}; // roll, pitch, yaw, heave, sway, surge
    double windowSeconds = 10.0;                    // the sliding window of window()

    // The settings for a configuration: the parameter set's tuning (Engine::tune, for the final
    // limits), the rate the records come at and the driver's head from the vehicle's reference
    // point (VehicleInput::pointOfSense; it counts only where the options say, pointOfSenseFor()).
    static ScorerSettings of(const Config& config, const engine::Tuning& tuning, double recordRate,
                             const double (&head)[3]);
};

// The newest judged instant: the platform's pose, the cues and their perceived signals, per
// channel.
struct Perceived {
    double seconds = 0.0; // time of the judged record, from the first record
    Pose pose;
    Cue vehicle{}, platform{};
    Cue vehiclePerceived{}, platformPerceived{};
};

class CueingScorer {
public:
    explicit CueingScorer(const ScorerSettings& settings);

    void add(const KEOOutputRecord& record) noexcept;
    // Forgets every record, as at construction (a drive that starts over).
    void reset() noexcept;

    // The scores since construction or the last reset, and over the last windowSeconds (in
    // sixteen blocks: the window covers between windowSeconds and windowSeconds plus a
    // sixteenth). Episodes count where they begin.
    Scores wholeDrive() const;
    Scores window() const;
    const Perceived& latest() const { return m_latest; }
    const ScorerSettings& settings() const { return m_settings; }

private:
    static constexpr int maxSpan = 100; // 5 ms at up to 20000 records per second
    static constexpr int ringSize = 2 * maxSpan + 1;
    static constexpr int windowBlocks = 16;

    struct Sample {
        double seconds = 0.0;
        Pose pose;
        std::array<double, 6> vehicle{}; // words 3, 4, 5, 7, 8, 9
        double tilt[2] = {0.0, 0.0};     // the rotation of the tilting axes, roll and pitch
    };
    struct Judged {
        PoseMotion motion;
        Cue vehicle, platform;
        double tiltRate[2];
        double seconds, dt;
    };

    double timeOf(const KEOOutputRecord& record);
    Sample sampleOf(const KEOOutputRecord& record, double seconds) const;
    const Sample& back(int records) const;
    Judged judge() const;
    void score(const Judged& judged);
    void scoreChannels(const Cue& vehicle, const Cue& platform, double dt);
    void scoreLags(const Cue& vehicle, const Cue& platform);
    void scoreTilts(const double (&rate)[2], double dt);
    void scoreDofs(const PoseMotion& motion, double dt);
    void closeBlockWhenFull();

    ScorerSettings m_settings;
    int m_span;       // records either side of a central difference
    int m_ringLength; // the records a difference spans: the first 2 span + 1 slots of the ring
    int m_decimation; // records per lag step
    double m_blockSeconds;

    // Arrival of the records.
    std::array<Sample, ringSize> m_ring{};
    int m_newest = -1;
    std::uint64_t m_received = 0;
    std::uint64_t m_lastStamp = 0;

    // Perception.
    std::array<SensationFilter, channelCount> m_vehicleSense, m_platformSense;
    std::array<SensationFilter, 2> m_tiltSense;
    Perceived m_latest;

    // Conditions that last, and the decimated perceived signals for the lag search.
    std::array<bool, channelCount> m_inFalseCue{}, m_inMissingCue{};
    std::array<bool, 2> m_tiltFelt{};
    std::array<bool, dofCount> m_atLimit{};
    int m_sinceDecimated = 0;
    std::uint64_t m_decimated = 0;
    std::array<std::array<double, lagsEachSide + 1>, channelCount> m_pastVehicle{},
        m_pastPlatform{};

    // Sums: the block being filled, the whole drive before it, the window's last blocks.
    ScoreBlock m_current, m_total;
    std::array<ScoreBlock, windowBlocks> m_blocks{};
    int m_nextBlock = 0, m_blocksFilled = 0;
};

} // namespace cueing
