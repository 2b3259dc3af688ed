#pragma once

#include "KEOUI64/HostOutputSource.h"

#include <atomic>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fakehost {

// What the library did to a host output source. Shared with the test, so it can be read after the
// source is gone.
struct HostCall {
    enum Kind { SetReceiver, Destroyed };
    Kind kind;
    IKEOOutputDataRetriever* receiver;

    bool operator==(const HostCall& other) const {
        return kind == other.kind && receiver == other.receiver;
    }
};
std::ostream& operator<<(std::ostream& out, const HostCall& call);

HostCall setReceiverCall(IKEOOutputDataRetriever* receiver);
HostCall destroyedCall();

class HostLog {
public:
    void record(const HostCall& call);
    std::vector<HostCall> calls() const;

private:
    mutable std::mutex m_mutex;
    std::vector<HostCall> m_calls;
};

// A source that only records what is done to it.
class RecordingSource : public HostOutputSource {
public:
    explicit RecordingSource(std::shared_ptr<HostLog> log);
    ~RecordingSource() override;
    void setReceiver(IKEOOutputDataRetriever* receiver) override;

private:
    std::shared_ptr<HostLog> m_log;
};

// A source that, like the host, delivers steps on a thread of its own as fast as it can while a
// receiver is set. setReceiver waits for the running delivery to finish, so that no call runs once
// it has returned. Step n carries the time stamp n in both records and the flag n % 2 == 1.
class DeliveringSource : public HostOutputSource {
public:
    explicit DeliveringSource(std::shared_ptr<HostLog> log);
    ~DeliveringSource() override;
    void setReceiver(IKEOOutputDataRetriever* receiver) override;

private:
    void startDelivering(IKEOOutputDataRetriever* receiver);
    void stopDelivering();

    std::shared_ptr<HostLog> m_log;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Creates a source of type Source for the retriever and keeps its log.
template <typename Source> struct HostSetup {
    std::shared_ptr<HostLog> log = std::make_shared<HostLog>();
    std::unique_ptr<HostOutputSource> source = std::make_unique<Source>(log);
};

} // namespace fakehost
