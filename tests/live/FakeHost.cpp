#include "FakeHost.h"

#include "KEOUI64/OutputRecord.h"

#include <ostream>

namespace fakehost {

std::ostream& operator<<(std::ostream& out, const HostCall& call) {
    if (call.kind == HostCall::Destroyed)
        return out << "destroyed";
    return out << "setReceiver(" << static_cast<const void*>(call.receiver) << ")";
}

HostCall setReceiverCall(IKEOOutputDataRetriever* receiver) {
    return {HostCall::SetReceiver, receiver};
}

HostCall destroyedCall() {
    return {HostCall::Destroyed, nullptr};
}

void HostLog::record(const HostCall& call) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_calls.push_back(call);
}

std::vector<HostCall> HostLog::calls() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

RecordingSource::RecordingSource(std::shared_ptr<HostLog> log)
    : m_log(std::move(log)) {}

RecordingSource::~RecordingSource() {
    m_log->record(destroyedCall());
}

void RecordingSource::setReceiver(IKEOOutputDataRetriever* receiver) {
    m_log->record(setReceiverCall(receiver));
}

DeliveringSource::DeliveringSource(std::shared_ptr<HostLog> log)
    : m_log(std::move(log)) {}

DeliveringSource::~DeliveringSource() {
    stopDelivering();
    m_log->record(destroyedCall());
}

void DeliveringSource::setReceiver(IKEOOutputDataRetriever* receiver) {
    m_log->record(setReceiverCall(receiver));
    stopDelivering();
    if (receiver)
        startDelivering(receiver);
}

void DeliveringSource::startDelivering(IKEOOutputDataRetriever* receiver) {
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

void DeliveringSource::stopDelivering() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace fakehost
