#include "LiveScores.h"

#include "engine/Engine.h"

#include <QVariantMap>
#include <algorithm>
#include <cmath>

namespace {

constexpr int refreshMs = 100;

// NaN and infinities (no perceivable vehicle cue, a delay beyond the search) reach the view as
// undefined, which it shows as a dash.
QVariant number(double value) {
    return std::isfinite(value) ? QVariant(value) : QVariant();
}

} // namespace

void LiveScores::Snapshot::enqueue(const cueing::Perceived& now) {
    if (queuedCount == queuedSamples) {
        std::move(queued.begin() + 1, queued.end(), queued.begin());
        --queuedCount;
    }
    queued[std::size_t(queuedCount++)] = {now.seconds, now.vehiclePerceived, now.platformPerceived};
}

LiveScores::LiveScores(QObject* parent)
    : QObject(parent) {
    m_timer.setInterval(refreshMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveScores::refresh);
    m_timer.start();
}

LiveScores::~LiveScores() = default;

cueing::ScorerSettings LiveScores::settingsFor(const Config& config, KEOParamSet::Enum set,
                                               const WorkEnvelopeLimits& envelope) {
    constexpr double recordRate = 1000.0;
    const double head[3] = {0.0, 0.0, 0.0};
    const engine::Tuning tuning = engine::Engine::tune(config, set, envelope, recordRate);
    return cueing::ScorerSettings::of(config, tuning, recordRate, head);
}

void LiveScores::setSettings(const cueing::ScorerSettings& settings) {
    m_settings = settings;
    auto scorer = std::make_unique<cueing::CueingScorer>(settings);
    {
        const std::lock_guard<std::mutex> lock(m_scorerMutex);
        m_pending = std::move(scorer); // frees a replaced one here, on the GUI thread
    }
    m_generation.fetch_add(1, std::memory_order_release);
    m_history.clear();
    const std::lock_guard<std::mutex> lock(m_snapshotMutex);
    m_snapshot = Snapshot{};
    m_fresh = true;
}

void LiveScores::setCluster(int cluster) {
    m_cluster.store(cluster == 1 ? 1 : 0, std::memory_order_relaxed);
}

void LiveScores::onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool) {
    const int generation = m_generation.load(std::memory_order_acquire);
    if (generation != m_appliedGeneration && m_scorerMutex.try_lock()) {
        std::swap(m_active, m_pending);
        m_scorerMutex.unlock();
        m_appliedGeneration = generation;
        m_sinceSnapshot = 0;
    }
    const KEOOutputRecord* record = m_cluster.load(std::memory_order_relaxed) == 1 ? second : first;
    if (!m_active || !record || generation != m_appliedGeneration)
        return;
    m_active->add(*record);
    if (++m_sinceSnapshot < snapshotRecords || !m_snapshotMutex.try_lock())
        return;
    if (m_generation.load(std::memory_order_acquire) == m_appliedGeneration)
        takeSnapshot();
    m_snapshotMutex.unlock();
}

void LiveScores::takeSnapshot() {
    m_snapshot.scores = m_active->window();
    m_snapshot.latest = m_active->latest();
    m_snapshot.enqueue(m_snapshot.latest);
    m_fresh = true;
    m_sinceSnapshot = 0;
}

void LiveScores::refresh() {
    {
        const std::lock_guard<std::mutex> lock(m_snapshotMutex);
        if (!m_fresh)
            return;
        m_shown = m_snapshot;
        m_snapshot.queuedCount = 0;
        m_fresh = false;
    }
    for (int i = 0; i < m_shown.queuedCount; ++i)
        m_history.push(m_shown.queued[std::size_t(i)]);
    emit changed();
}

QVariantList LiveScores::channels() const {
    QVariantList list;
    for (int c = 0; c < cueing::channelCount; ++c) {
        const cueing::ChannelScores& s = m_shown.scores.channels[c];
        list.append(QVariantMap{{QStringLiteral("vehicle"), m_shown.latest.vehiclePerceived[c]},
                                {QStringLiteral("platform"), m_shown.latest.platformPerceived[c]},
                                {QStringLiteral("errorRatio"), number(s.errorRatio)},
                                {QStringLiteral("correlation"), number(s.correlation)},
                                {QStringLiteral("delay"), number(s.delaySeconds)},
                                {QStringLiteral("falseCueSeconds"), s.falseCues.seconds},
                                {QStringLiteral("missingCueSeconds"), s.missingCues.seconds}});
    }
    return list;
}
