#pragma once

#include <QObject>
#include <QTimer>

namespace JVX {
class GraphWidgetRepainter;
}

// Keeps the editor's graphs current: about 30 times a second, on the GUI thread, it repaints
// every registered graph and passes a changed frozen state on to all of them.
class RepaintScheduler : public QObject {
    Q_OBJECT

public:
    explicit RepaintScheduler(JVX::GraphWidgetRepainter& repainter, QObject* parent = nullptr);

    static constexpr int intervalMs = 33;

private:
    void tick();

    JVX::GraphWidgetRepainter& m_repainter;
    QTimer m_timer;
    bool m_frozen = false;
};
