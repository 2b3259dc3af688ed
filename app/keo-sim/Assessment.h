#pragma once

#include "EnvelopeReport.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "RecordObserver.h"
#include "SimOptions.h"
#include "config/Config.h"
#include "cueing/FrequencyResponse.h"
#include "cueing/Scorer.h"
#include "engine/drive/Drive.h"

#include <cstdio>
#include <memory>

// What keo-sim adds to its report when asked: what the rider perceives, scored per channel along
// the drive from the records (--assess, a table after the report), and the configuration's
// frequency response; --report writes the report with both as JSON, --frequency-response the
// table of gain and phase as CSV. None of it changes the report or the exit status.
class Assessment : public RecordObserver {
public:
    // What `options` ask for of this cluster's configuration along `drive`; null when nothing.
    static std::unique_ptr<Assessment> forOptions(const SimOptions& options, const Config& config,
                                                  const WorkEnvelopeLimits& envelope,
                                                  const engine::drive::Drive& drive);

    void add(const KEOOutputRecord& record) override;
    // After the drive: the table on `out` and the files the options name. Throws
    // std::runtime_error naming a file that cannot be written.
    void finish(const EnvelopeReport& report, std::FILE* out) const;

    bool scoresDrive() const { return m_scorer != nullptr; }
    cueing::Scores scores() const { return m_scorer->wholeDrive(); }
    const cueing::FrequencyResponse& frequencyResponse() const { return m_response; }

private:
    Assessment(const SimOptions& options, const WorkEnvelopeLimits& envelope)
        : m_options(options)
        , m_envelope(envelope) {}

    SimOptions m_options;
    WorkEnvelopeLimits m_envelope;
    std::unique_ptr<cueing::CueingScorer> m_scorer; // when scores are asked for
    cueing::FrequencyResponse m_response;
};
