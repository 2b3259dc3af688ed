// The whole editor, built by the exported Create, under a host delivering 5000 records per second
// on its own thread while the GUI thread switches clusters, opens and closes bigger views,
// freezes and repaints, and finally destroys the view in the middle of the deliveries. Meant to
// run under AddressSanitizer (and ThreadSanitizer): a report there is the failure it looks for.
#include "EditorHost.h"
#include "EditorOptions.h"
#include "EngineOutputSource.h"
#include "RepaintScheduler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr int recordsPerSecond = 5000;
constexpr int runMs = 2500;

// Counts deliveries next to the editor, to see them run and stop.
class CountingSource : public HostOutputSource {
public:
    CountingSource(std::atomic<long>& deliveries)
        : m_deliveries(deliveries) {}
    // The delivering thread reads the counter's target, so it is only changed while no
    // delivery runs: the source is stopped first and restarted after.
    void setReceiver(IKEOOutputDataRetriever* receiver) override {
        m_source.setReceiver(nullptr);
        m_counter.setTarget(receiver);
        if (receiver)
            m_source.setReceiver(&m_counter);
    }

private:
    class Counter : public IKEOOutputDataRetriever {
    public:
        explicit Counter(std::atomic<long>& deliveries)
            : m_deliveries(deliveries) {}
        void setTarget(IKEOOutputDataRetriever* target) { m_target = target; }
        void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                       bool flag) override {
            m_deliveries.fetch_add(1, std::memory_order_relaxed);
            m_target->onOutputs(first, second, flag);
        }

    private:
        std::atomic<long>& m_deliveries;
        IKEOOutputDataRetriever* m_target = nullptr;
    };

    std::atomic<long>& m_deliveries;
    Counter m_counter{m_deliveries};
    EngineOutputSource m_source{engine::drive::makeManoeuvre("mix"), recordsPerSecond,
                                defaultWorkEnvelopes()};
};

QList<QObject*> graphItems(const QQuickView& view) {
    QList<QObject*> graphs;
    for (QObject* object : view.rootObject()->findChildren<QObject*>())
        if (object->objectName().startsWith(QStringLiteral("__")))
            graphs << object;
    return graphs;
}

void closeSomeBiggerViews(int step) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && step % 3 != 0)
            window->close();
}

TEST(EditorStress, DeliveriesDuringUseAndTeardown) {
    EditorHost host;
    const auto script = host.copyOfExample("two_clusters.cpp");
    std::atomic<long> deliveries{0};
    RepaintScheduler scheduler(host.repainter);
    auto view = makeView();
    ASSERT_EQ(host.create(view.get(), qPath(script), new CountingSource(deliveries)), 0);
    QObject* manager =
        view->rootContext()->contextProperty(QStringLiteral("cpp_configManager")).value<QObject*>();
    const QList<QObject*> graphs = graphItems(*view);
    ASSERT_EQ(graphs.size(), 114);

    QElapsedTimer elapsed;
    elapsed.start();
    for (int step = 0; elapsed.elapsed() < runMs; ++step) {
        switch (step % 4) {
        case 0:
            QMetaObject::invokeMethod(manager, "setConfigFromUi", Q_ARG(int, (step / 4) % 2));
            break;
        case 1:
            QMetaObject::invokeMethod(graphs[(step * 37) % graphs.size()], "showBiggerView");
            break;
        case 2:
            closeSomeBiggerViews(step);
            break;
        case 3:
            host.repainter.toggleFreeze();
            break;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    const long beforeTeardown = deliveries.load();
    view.reset(); // with bigger views still open and deliveries running
    const long afterTeardown = deliveries.load();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    EXPECT_GT(beforeTeardown, recordsPerSecond / 10);
    EXPECT_EQ(deliveries.load(), afterTeardown);
}

} // namespace
