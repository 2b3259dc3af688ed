#pragma once

#include "OutputRecord.h"

// Receives the algorithm's outputs, one call per step, on any thread of the host. The records are
// valid only during the call: a receiver copies what it needs.
class IKEOOutputDataRetriever {
public:
    virtual ~IKEOOutputDataRetriever() = default;
    virtual void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                           bool flag) = 0;
};
