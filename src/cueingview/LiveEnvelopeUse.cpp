#include "LiveEnvelopeUse.h"

#include <QVariantMap>
#include <cmath>

namespace {

constexpr int refreshMs = 100;
constexpr double degreesPerRadian = 57.29577951308232;
constexpr int firstAngle = 3; // roll, pitch and yaw show in degrees

} // namespace

LiveEnvelopeUse::LiveEnvelopeUse(QObject* parent)
    : QObject(parent) {
    m_timer.setInterval(refreshMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveEnvelopeUse::refresh);
    m_timer.start();
}

void LiveEnvelopeUse::setEnvelopes(const WorkEnvelopeLimits& first,
                                   const WorkEnvelopeLimits& second) {
    {
        const std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_envelopes = {first, second};
    }
    m_generation.fetch_add(1, std::memory_order_release);
}

void LiveEnvelopeUse::setCluster(int cluster) {
    m_cluster.store(cluster == 1 ? 1 : 0, std::memory_order_relaxed);
    reset();
}

// The delivery thread offers nothing more until it has started over, so the view never gets the
// old drive back.
void LiveEnvelopeUse::reset() {
    m_generation.fetch_add(1, std::memory_order_release);
    {
        const std::lock_guard<std::mutex> lock(m_snapshotMutex);
        m_snapshot.reset();
    }
    m_shown.reset();
    emit changed();
}

void LiveEnvelopeUse::onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool) {
    const int cluster = m_cluster.load(std::memory_order_relaxed);
    const int generation = m_generation.load(std::memory_order_acquire);
    if (generation != m_appliedGeneration && m_settingsMutex.try_lock()) {
        m_use.setEnvelope(m_envelopes[cluster]);
        m_settingsMutex.unlock();
        m_use.reset();
        m_appliedGeneration = generation;
    }
    const KEOOutputRecord* record = cluster == 1 ? second : first;
    if (record)
        m_use.add(*record);
    if (generation == m_appliedGeneration && m_snapshotMutex.try_lock()) {
        // A reset may have come while this thread waited for nothing: it then publishes nothing.
        if (m_generation.load(std::memory_order_acquire) == m_appliedGeneration)
            m_snapshot = m_use;
        m_snapshotMutex.unlock();
    }
}

void LiveEnvelopeUse::refresh() {
    const std::uint64_t before = m_shown.records();
    {
        const std::lock_guard<std::mutex> lock(m_snapshotMutex);
        m_shown = m_snapshot;
    }
    if (m_shown.records() != before)
        emit changed();
}

QVariantList LiveEnvelopeUse::dofs() const {
    QVariantList list;
    for (int i = 0; i < EnvelopeUse::dofCount; ++i) {
        const EnvelopeUse::Dof& d = m_shown.dof(i);
        const double unit = i >= firstAngle ? degreesPerRadian : 1.0;
        list.append(QVariantMap{{QStringLiteral("value"), d.value * unit},
                                {QStringLiteral("peak"), d.peak * unit},
                                {QStringLiteral("envelope"), d.envelope * unit},
                                {QStringLiteral("share"), d.share()},
                                {QStringLiteral("peakShare"), d.peakShare()},
                                {QStringLiteral("secondsAtEdge"), d.secondsAtEdge}});
    }
    return list;
}
