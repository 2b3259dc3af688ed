#include "GraphsDataProvider.h"

#include "KEOUI64/GraphWidgetRepainter.h"
#include "graph/QuickGraphView.h"
#include "platform/Clock.h"

#include <QQuickItem>
#include <QQuickView>
#include <algorithm>
#include <vector>

namespace {

// The views give these graphs no captions of their own: each series is one contribution to the
// degree of freedom's sum. The items keep six captions, so the pitch graph's seventh series is
// known by its colour alone.
struct SumCaptions {
    std::size_t route;
    QStringList captions;
};

std::vector<SumCaptions> sumCaptions() {
    using namespace routing;
    return {
        {pitchSumRoute,
         {QStringLiteral("Tilt: Surge to Pitch"), QStringLiteral("Angular Velocity: Pitch"),
          QStringLiteral("Tilt: Heave to Pitch"), QStringLiteral("Absolute Pitch"),
          QStringLiteral("Mixer: Heave to Pitch"), QStringLiteral("Mixer: Surge to Pitch"),
          QStringLiteral("Mixer: Road harshness to Pitch")}},
        {rollSumRoute,
         {QStringLiteral("Tilt: Sway to Roll"), QStringLiteral("Angular Velocity: Roll"),
          QStringLiteral("Absolute Roll"), QStringLiteral("Mixer: Sway to Roll"),
          QStringLiteral("Mixer: Yaw to Roll"), QStringLiteral("Enhancer: Sideslip To Roll")}},
        {yawSumRoute,
         {QStringLiteral("AngularVelocity: Yaw"), QStringLiteral("Enhancer: Sideslip to Yaw")}},
        {surgeSumRoute,
         {QStringLiteral("Surge"), QStringLiteral("Mixer: Road harshness to Surge")}},
        {swaySumRoute, {QStringLiteral("Sway"), QStringLiteral("Enhancer: Sideslip to Sway")}},
        {heaveSumRoute,
         {QStringLiteral("Heave"), QStringLiteral("Enhancer: Road Harshness to Heave")}},
    };
}

// The first item of that name in Qt's recursive child search, the root itself included.
JVX::QuickGraphView* findGraph(QQuickItem* root, const QString& name) {
    auto* rootGraph = qobject_cast<JVX::QuickGraphView*>(root);
    if (rootGraph && rootGraph->objectName() == name)
        return rootGraph;
    return root->findChild<JVX::QuickGraphView*>(name);
}

} // namespace

GraphsDataProvider::GraphsDataProvider(JVX::GraphWidgetRepainter* repainter, QObject* parent)
    : QObject(parent)
    , m_repainter(repainter) {}

GraphsDataProvider::~GraphsDataProvider() {
    detachGraphs();
}

void GraphsDataProvider::attachGraphs(QQuickView* view) {
    attachGraphs(view ? view->rootObject() : nullptr);
}

void GraphsDataProvider::attachGraphs(QQuickItem* root) {
    detachGraphs();
    if (!root)
        return;
    const GraphSlots graphs = findGraphs(root);
    setSumCaptions(graphs);
    registerWithRepainter(graphs);
    {
        const std::lock_guard<std::mutex> lock(m_graphsMutex);
        m_graphs = graphs;
    }
    // Direct: the root emits destroyed() inside its destructor, before its children are deleted.
    m_rootDestroyed = connect(root, &QObject::destroyed, this, &GraphsDataProvider::detachGraphs,
                              Qt::DirectConnection);
}

void GraphsDataProvider::detachGraphs() {
    disconnect(m_rootDestroyed);
    const std::lock_guard<std::mutex> lock(m_graphsMutex);
    m_graphs.fill(nullptr);
}

void GraphsDataProvider::setCluster(int cluster) {
    m_cluster.store(cluster, std::memory_order_relaxed);
}

JVX::QuickGraphView* GraphsDataProvider::graph(std::size_t route) const {
    const std::lock_guard<std::mutex> lock(m_graphsMutex);
    return route < m_graphs.size() ? m_graphs[route] : nullptr;
}

int GraphsDataProvider::attachedGraphCount() const {
    const std::lock_guard<std::mutex> lock(m_graphsMutex);
    return int(std::count_if(m_graphs.begin(), m_graphs.end(),
                             [](const JVX::QuickGraphView* graph) { return graph != nullptr; }));
}

// The flag carries nothing the graphs show.
void GraphsDataProvider::onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                                   bool /*flag*/) {
    const KEOOutputRecord* record = cluster() == 1 ? second : first;
    if (record)
        feed(*record);
}

// Milliseconds; a step stamped below 1 ms gets 0, which lets each graph use its own clock. The
// graphs read their clocks at every step (for the stamp or the spectrum's rate): one counter
// reading serves the whole delivery.
void GraphsDataProvider::feed(const KEOOutputRecord& record) {
    const std::uint64_t timestampMs = record.timestampUs() / 1000;
    float values[routing::maxSeriesPerGraph];
    const std::lock_guard<std::mutex> lock(m_graphsMutex);
    const HeldClockReading deliveryTime;
    for (std::size_t route = 0; route < routing::graphCount; ++route) {
        JVX::QuickGraphView* graph = m_graphs[route];
        if (!graph)
            continue;
        const int count = routing::routeValues(routing::graphRoutes[route], record, values);
        graph->deliverSamples(count, values, timestampMs);
    }
}

GraphsDataProvider::GraphSlots GraphsDataProvider::findGraphs(QQuickItem* root) {
    GraphSlots graphs{};
    for (std::size_t route = 0; route < routing::graphCount; ++route)
        graphs[route] =
            findGraph(root, QString::fromLatin1(routing::graphRoutes[route].objectName));
    return graphs;
}

// Only with the pitch graph in place: the six belong to one page.
void GraphsDataProvider::setSumCaptions(const GraphSlots& graphs) {
    if (!graphs[routing::pitchSumRoute])
        return;
    for (const SumCaptions& sum : sumCaptions())
        if (JVX::QuickGraphView* graph = graphs[sum.route])
            graph->setCaptions(sum.captions);
}

void GraphsDataProvider::registerWithRepainter(const GraphSlots& graphs) const {
    if (!m_repainter)
        return;
    for (JVX::QuickGraphView* graph : graphs)
        if (graph)
            JVX::registerWithRepainter(m_repainter, graph);
}
