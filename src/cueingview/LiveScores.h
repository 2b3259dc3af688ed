#pragma once

#include "KEOUI64/IKEOOutputDataRetriever.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "PerceivedHistory.h"
#include "config/Config.h"
#include "cueing/Scorer.h"

#include <QObject>
#include <QTimer>
#include <QVariantList>
#include <array>
#include <atomic>
#include <memory>
#include <mutex>

// The cueing scores of the live records for the Cueing window: per channel what the rider
// perceives now in the vehicle and on the platform, and the scores over the scorer's sliding
// window (ScorerSettings::windowSeconds).
//
// Threads: onOutputs() runs on the host's delivery thread, allocates nothing and never waits: the
// scorer is made on the GUI thread and taken over under a try-lock (the one it replaces goes back
// the same way, to be freed on the GUI thread); every `snapshotRecords` records the window's
// scores and the latest perceived cues are offered under another try-lock, and the perceived
// signals of that moment join a short queue of fixed size. The GUI copies them out ten times a
// second and keeps the queued moments in a history of the last seconds for the strip charts.
class LiveScores : public QObject, public IKEOOutputDataRetriever {
    Q_OBJECT
    Q_PROPERTY(bool receiving READ receiving NOTIFY changed)
    // Per channel (surge, sway, heave, roll, pitch, yaw): {vehicle, platform} perceived now,
    // {errorRatio, correlation, delay, falseCueSeconds, missingCueSeconds} over the window.
    Q_PROPERTY(QVariantList channels READ channels NOTIFY changed)
    Q_PROPERTY(double windowSeconds READ windowSeconds NOTIFY changed)

public:
    static constexpr int snapshotRecords = 50;
    // Moments queued between two copies by the GUI; where it falls further behind, the oldest go.
    static constexpr int queuedSamples = 32;
    // Moments the GUI keeps: 20 s of snapshots at up to 5000 records per second.
    static constexpr int historySamples = 2048;

    explicit LiveScores(QObject* parent = nullptr);
    ~LiveScores() override;

    // The settings for the host's records of `config`'s parameter set on the envelope, at 1000
    // records per second (the scorer falls back on it only where stamps do not advance), the point
    // of sense at the vehicle's reference point.
    static cueing::ScorerSettings settingsFor(const Config& config, KEOParamSet::Enum set,
                                              const WorkEnvelopeLimits& envelope);

    // Starts the scores over with these settings, at the delivery thread's next record.
    void setSettings(const cueing::ScorerSettings& settings);
    // 1 picks the second record, anything else the first; set it before the settings that start
    // the scores over for the cluster.
    void setCluster(int cluster);

    bool receiving() const { return m_shown.scores.records > 0; }
    double windowSeconds() const { return m_shown.scores.seconds; }
    QVariantList channels() const;
    const cueing::Scores& shownWindow() const { return m_shown.scores; }
    // The perceived signals at every snapshot since the scores last started over, oldest first.
    const PerceivedHistory& history() const { return m_history; }

    Q_INVOKABLE void refresh();
    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool flag) override;

signals:
    void changed();

private:
    struct Snapshot {
        cueing::Scores scores{};
        cueing::Perceived latest{};
        std::array<PerceivedSample, queuedSamples> queued{};
        int queuedCount = 0;
        // Queues a moment, dropping the oldest when the queue is full.
        void enqueue(const cueing::Perceived& now);
    };
    void takeSnapshot();

    // Delivery thread only.
    std::unique_ptr<cueing::CueingScorer> m_active;
    int m_appliedGeneration = 0;
    int m_sinceSnapshot = 0;
    // The hand-over of scorers: m_pending is the next one (GUI → delivery) or the replaced one.
    std::mutex m_scorerMutex;
    std::unique_ptr<cueing::CueingScorer> m_pending;
    std::atomic<int> m_generation{0};
    std::atomic<int> m_cluster{0};
    std::mutex m_snapshotMutex;
    Snapshot m_snapshot;
    bool m_fresh = false;
    // GUI thread only.
    cueing::ScorerSettings m_settings{};
    Snapshot m_shown;
    PerceivedHistory m_history{historySamples};
    QTimer m_timer;
};
