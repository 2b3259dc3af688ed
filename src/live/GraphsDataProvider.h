#pragma once

#include "KEOUI64/IKEOOutputDataRetriever.h"
#include "RoutingTable.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <atomic>
#include <mutex>

class QQuickItem;
class QQuickView;

namespace JVX {
class GraphWidgetRepainter;
class QuickGraphView;
} // namespace JVX

// Turns every delivery of the algorithm's outputs into one step of each graph of the editor.
//
// After the main view is loaded, attachGraphs() finds the graph items by their object names (one
// per route of the routing table), gives the summation graphs their captions and registers every
// item with the host's repaint scheduler. Each delivery then feeds every found item the values
// its route picks from the record of the cluster being edited.
//
// Threads: onOutputs() runs on the host's delivery thread, everything else on the GUI thread.
// Deliveries and the forgetting of the items are serialised by the provider's own lock, taken
// outside each graph's data lock.
//
// Teardown: a view deletes its items before its QObject children, so the retriever may still be
// delivering while they go. The provider forgets all items, waiting for a delivery in progress,
// as soon as the root item starts its destruction (its destroyed() signal comes before any of its
// descendants is deleted); later deliveries find nothing to feed.
class GraphsDataProvider : public QObject, public IKEOOutputDataRetriever {
    Q_OBJECT

public:
    // `repainter` (the host's, may be null) must outlive the provider.
    explicit GraphsDataProvider(JVX::GraphWidgetRepainter* repainter, QObject* parent = nullptr);
    ~GraphsDataProvider() override;

    // Finds the graph items below the view's root item (or below `root` and `root` itself). Call
    // once the view file is loaded, before the provider is added as a listener.
    void attachGraphs(QQuickView* view);
    void attachGraphs(QQuickItem* root);

    // Stops feeding the items, after the delivery in progress if any; called by itself when the
    // root item goes.
    void detachGraphs();

    // The cluster whose record the graphs show: 1 picks the second record, anything else the first.
    void setCluster(int cluster);
    int cluster() const { return m_cluster.load(std::memory_order_relaxed); }

    // The item found for a route, or null.
    JVX::QuickGraphView* graph(std::size_t route) const;
    int attachedGraphCount() const;

    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool flag) override;

private:
    using GraphSlots = std::array<JVX::QuickGraphView*, routing::graphCount>;

    static GraphSlots findGraphs(QQuickItem* root);
    static void setSumCaptions(const GraphSlots& graphs);
    void registerWithRepainter(const GraphSlots& graphs) const;
    void feed(const KEOOutputRecord& record);

    JVX::GraphWidgetRepainter* m_repainter;
    std::atomic<int> m_cluster{0};
    QMetaObject::Connection m_rootDestroyed;
    // Guards m_graphs: deliveries read the slots under it, attaching and detaching write them.
    mutable std::mutex m_graphsMutex;
    GraphSlots m_graphs{};
};
