#pragma once

#include "KEOUI64/OutputRecord.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "config/Config.h"
#include "engine/Tuning.h"
#include "engine/drive/Drive.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

// How much of the work envelope one degree of freedom used during a drive.
struct DofUse {
    const char* name;
    bool angular;          // radians, shown in degrees; else metres
    double envelope = 0.0; // the platform's range
    double limit = 0.0;    // the configuration's final limit, a share of the envelope
    double peak = 0.0;     // largest excursion
    double secondsAtLimit = 0.0;

    double percentOfEnvelope() const;
    bool beyondEnvelope() const;
    bool atLimit() const { return secondsAtLimit > 0.0; }
};

// The fastest a tilt-coordination angle turned, against its configured rate limit.
struct TiltUse {
    const char* name;
    bool enabled = false;
    double rateLimit = 0.0; // rad/s
    double peakRate = 0.0;  // rad/s

    bool beyondLimit() const;
};

struct EnvelopeReport {
    std::array<DofUse, 6> dofs{};
    std::array<TiltUse, 3> tilts{};
    std::uint64_t steps = 0;
    double seconds = 0.0;

    // Within the envelope: no degree of freedom went beyond its envelope or pressed against its
    // final limit, and no tilt turned faster than its limit.
    bool withinEnvelope() const;
};

// Gathers the report step by step from the engine's output records.
class EnvelopeMonitor {
public:
    EnvelopeMonitor(const engine::Tuning& tuning, const WorkEnvelopeLimits& envelope);

    void add(const KEOOutputRecord& record);
    const EnvelopeReport& report() const { return m_report; }

private:
    EnvelopeReport m_report;
    double m_stepSeconds;
    std::array<double, 3> m_previousTilt{};
};

void printReport(std::FILE* out, const EnvelopeReport& report);

// Writes one CSV row per step: the time and the six degrees of freedom, or every word.
class RecordCsvWriter {
public:
    // Throws std::runtime_error when the file cannot be created.
    RecordCsvWriter(const std::string& path, bool allWords);
    ~RecordCsvWriter();
    RecordCsvWriter(const RecordCsvWriter&) = delete;
    RecordCsvWriter& operator=(const RecordCsvWriter&) = delete;

    void write(double seconds, const KEOOutputRecord& record);
    // Throws std::runtime_error when the data did not reach the disk.
    void finish();

private:
    void flush();

    std::FILE* m_file;
    std::string m_path;
    bool m_allWords;
    std::string m_buffer;
};

// Runs `config` along `drive` once at `stepRate`, feeding every record to the monitor and the
// writer (may be null); `progress` (may be empty) hears the fraction done now and then.
EnvelopeReport simulate(const Config& config, KEOParamSet::Enum paramSet,
                        const WorkEnvelopeLimits& envelope, double stepRate,
                        std::shared_ptr<const engine::drive::Drive> drive, RecordCsvWriter* writer,
                        const std::function<void(double)>& progress);
