#pragma once

#include "EnvelopeReport.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "config/Config.h"
#include "engine/Tuning.h"

// The report before the first step: what each degree of freedom and each tilting axis is held to.
// Of the tuning it reads only the final limits and the tilt rate limits; of the configuration only
// the final limits' curve types.
EnvelopeReport blankReport(const engine::Tuning& tuning, const Config& config,
                           const WorkEnvelopeLimits& envelope, const PlatformRateLimits& platform);
