#pragma once

#include "KEOUI64/HostOutputSource.h"
#include "KEOUI64/OutputRecord.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace fakehost {

// What the library did to a host output source.
struct HostCall {
    enum Kind { SetReceiver, Destroyed } kind;
    IKEOOutputDataRetriever* receiver = nullptr;

    bool operator==(const HostCall& other) const {
        return kind == other.kind && receiver == other.receiver;
    }
    friend std::ostream& operator<<(std::ostream& out, const HostCall& call) {
        if (call.kind == Destroyed)
            return out << "destroyed";
        return out << "setReceiver(" << static_cast<const void*>(call.receiver) << ")";
    }
};

// The calls in order. Shared with the test, so it can be read after the source is gone.
class HostLog {
public:
    void record(const HostCall& call) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(call);
    }
    std::vector<HostCall> calls() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<HostCall> m_calls;
};

// A source that, like the host, delivers steps on a thread of its own as fast as it can while a
// receiver is set. setReceiver waits for the running delivery to finish, so that no call runs once
// it has returned. Step n carries the time stamp n in both records and the flag n % 2 == 1.
class DeliveringSource : public HostOutputSource {
public:
    explicit DeliveringSource(std::shared_ptr<HostLog> log)
        : m_log(std::move(log)) {}
    ~DeliveringSource() override {
        stopDelivering();
        m_log->record({HostCall::Destroyed});
    }
    void setReceiver(IKEOOutputDataRetriever* receiver) override {
        m_log->record({HostCall::SetReceiver, receiver});
        stopDelivering();
        if (receiver)
            startDelivering(receiver);
    }

private:
    void startDelivering(IKEOOutputDataRetriever* receiver) {
        m_stop = false;
        m_thread = std::thread([this, receiver] {
            KEOOutputRecord first{};
            KEOOutputRecord second{};
            for (std::uint64_t step = 0; !m_stop.load(); ++step) {
                first.setTimestampUs(step);
                second.setTimestampUs(step);
                receiver->onOutputs(&first, &second, step % 2 == 1);
            }
        });
    }
    void stopDelivering() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    std::shared_ptr<HostLog> m_log;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A delivering source for the retriever, and its log.
struct HostSetup {
    std::shared_ptr<HostLog> log = std::make_shared<HostLog>();
    std::unique_ptr<HostOutputSource> source = std::make_unique<DeliveringSource>(log);
};

} // namespace fakehost
