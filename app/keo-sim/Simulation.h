#pragma once

#include "BlankReport.h"
#include "EnvelopeMonitor.h"
#include "EnvelopeReport.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "RecordCsvWriter.h"
#include "RecordObserver.h"
#include "config/Config.h"
#include "engine/drive/Drive.h"

#include <functional>
#include <memory>

// Runs `config` along `drive` once at `stepRate`, feeding every record to an envelope monitor and
// the writer (may be null); `progress` (may be empty) hears the fraction done now and then. The
// platform's own rate limits, when known, join the report's verdict. `observer` (may be null)
// sees every record too.
EnvelopeReport simulate(const Config& config, KEOParamSet::Enum paramSet,
                        const WorkEnvelopeLimits& envelope, double stepRate,
                        std::shared_ptr<const engine::drive::Drive> drive, RecordCsvWriter* writer,
                        const std::function<void(double)>& progress,
                        const PlatformRateLimits& platform = {},
                        RecordObserver* observer = nullptr);
