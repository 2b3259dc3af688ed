#pragma once

#include <QWidget>
#include <rig/Rig.h>
#include <vector>

// The rig's actuators beside the drive: one bar per actuator, its track spanning the travel from
// the short end stop (bottom) to the long one (top), both stops marked in red, a tick at the
// neutral length, and a fill up to the actuator's present length, red while it stands at a stop.
class ActuatorBars : public QWidget {
    Q_OBJECT

public:
    explicit ActuatorBars(rig::Rig rig, QWidget* parent = nullptr);

    // The actuators' lengths for the platform at `pose`; repaints.
    void showPose(const rig::Pose& pose);

    // Per actuator, where its length lies in its travel: 0 at the short stop, 1 at the long one,
    // beyond them when the pose asks for more than the actuator has.
    const std::vector<double>& positions() const { return m_positions; }
    bool atStop(std::size_t actuator) const;
    const rig::Rig& rig() const { return m_rig; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> positionsOf(const std::vector<double>& lengths) const;

    rig::Rig m_rig;
    std::vector<double> m_lengths; // kept to save allocations
    std::vector<double> m_positions;
    std::vector<double> m_neutral;
};
