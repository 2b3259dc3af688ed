#pragma once

#include "IKEOOutputDataRetriever.h"

// The host's source of algorithm outputs. The host hands one to Create, which owns it from then
// on and deletes it when the editor goes. After setReceiver(receiver) the host calls
// receiver->onOutputs for every algorithm step until the receiver is replaced by null; once
// setReceiver(nullptr) returns, no call may be running or start.
class HostOutputSource {
public:
    virtual ~HostOutputSource() = default;
    virtual void setReceiver(IKEOOutputDataRetriever* receiver) = 0;
};
