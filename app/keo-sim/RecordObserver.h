#pragma once

#include "KEOUI64/OutputRecord.h"

// Looks at every record the engine writes along keo-sim's drive, beside the envelope monitor.
class RecordObserver {
public:
    virtual ~RecordObserver() = default;
    virtual void add(const KEOOutputRecord& record) = 0;
};
