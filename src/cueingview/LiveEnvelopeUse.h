#pragma once

#include "EnvelopeUse.h"
#include "KEOUI64/IKEOOutputDataRetriever.h"

#include <QObject>
#include <QTimer>
#include <QVariantList>
#include <array>
#include <atomic>
#include <mutex>

// The platform at a glance for the Cueing window: the envelope use of the selected cluster's
// records over the whole drive, since the window's object was made or the last reset.
//
// Threads: onOutputs() runs on the host's delivery thread and never waits for the GUI. It feeds its
// own EnvelopeUse and then offers a copy of it (a few hundred bytes) under a try-lock: when the
// GUI holds the snapshot at that moment, the next record offers again. The GUI copies the
// snapshot out under the same lock, ten times a second. Reset, cluster and envelope reach the
// delivery thread the other way, through atomics it reads at its next record.
class LiveEnvelopeUse : public QObject, public IKEOOutputDataRetriever {
    Q_OBJECT
    Q_PROPERTY(bool receiving READ receiving NOTIFY changed)
    Q_PROPERTY(double seconds READ seconds NOTIFY changed)
    // Per degree of freedom (surge, sway, heave, roll, pitch, yaw): {value, peak, envelope, share,
    // peakShare, secondsAtEdge}, lengths in m, angles in degrees.
    Q_PROPERTY(QVariantList dofs READ dofs NOTIFY changed)

public:
    explicit LiveEnvelopeUse(QObject* parent = nullptr);

    void setEnvelopes(const WorkEnvelopeLimits& first, const WorkEnvelopeLimits& second);
    // 1 picks the second record, anything else the first (as the graphs do); forgets the drive.
    void setCluster(int cluster);

    bool receiving() const { return m_shown.records() > 0; }
    double seconds() const { return m_shown.seconds(); }
    QVariantList dofs() const;
    const EnvelopeUse& shown() const { return m_shown; }

    Q_INVOKABLE void reset();
    // Copies the delivery thread's latest snapshot for the view (the timer's work, public for
    // tests).
    Q_INVOKABLE void refresh();

    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool flag) override;

signals:
    void changed();

private:
    // Delivery thread only.
    EnvelopeUse m_use;
    int m_appliedGeneration = 0;
    // Written by the GUI; the delivery thread applies them when the generation moves.
    std::array<WorkEnvelopeLimits, 2> m_envelopes{};
    std::mutex m_settingsMutex; // guards m_envelopes; the delivery thread only try-locks it
    std::atomic<int> m_cluster{0};
    std::atomic<int> m_generation{0};
    // The hand-over.
    std::mutex m_snapshotMutex;
    EnvelopeUse m_snapshot;
    // GUI thread only.
    EnvelopeUse m_shown;
    QTimer m_timer;
};
