#pragma once

#include "KEOUI64/OutputRecord.h"

// Hears every record of a simulated drive, in order (keo-sim's analyses beside the report).
class RecordObserver {
public:
    virtual ~RecordObserver() = default;
    virtual void add(const KEOOutputRecord& record) = 0;
};
