#include "RepaintScheduler.h"

#include <KEOUI64/GraphWidgetRepainter.h>

RepaintScheduler::RepaintScheduler(JVX::GraphWidgetRepainter& repainter, QObject* parent)
    : QObject(parent)
    , m_repainter(repainter) {
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RepaintScheduler::tick);
    m_timer.start();
}

void RepaintScheduler::tick() {
    const bool frozen = m_repainter.isFrozen();
    if (frozen != m_frozen) {
        m_frozen = frozen;
        m_repainter.forEachGraph([frozen](JVX::IRepaintable& graph) { graph.setFrozen(frozen); });
    }
    m_repainter.forEachGraph([](JVX::IRepaintable& graph) { graph.repaint(); });
}
