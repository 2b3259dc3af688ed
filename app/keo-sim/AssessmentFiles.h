#pragma once

#include "EnvelopeReport.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "SimOptions.h"
#include "cueing/FrequencyResponse.h"
#include "cueing/Scores.h"

#include <string>

// What was run, for the report's header.
struct RunFacts {
    const SimOptions& options;
    const WorkEnvelopeLimits& envelope;
};

// Everything keo-sim measured, machine-readable (docs/cueing.md lists the members): the run, the
// envelope report, the cueing scores and the frequency response. Angles in radians, travel in
// metres, times in seconds; a number that has no meaning (a NaN or an infinity) is null.
std::string reportJson(const RunFacts& run, const EnvelopeReport& report,
                       const cueing::Scores& scores, const cueing::FrequencyResponse& response);

// The frequency response as CSV, one row per response and test frequency:
// response,input,output,unit,frequency_rad_s,gain,phase_deg.
std::string frequencyResponseCsv(const cueing::FrequencyResponse& response);
