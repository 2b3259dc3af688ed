#pragma once

#include "live/RoutingTable.h"

#include <QQuickView>
#include <memory>
#include <vector>

class QQuickItem;
namespace JVX {
class QuickGraphView;
}

// A view shaped like the editor's for the live feed: its root item holds one graph item per
// chosen route, named as the editor's views name them. The view owns the root item, as a view
// that loaded a view file does, so it deletes the items in its destructor before its QObject
// children.
class GraphScene {
public:
    explicit GraphScene(const std::vector<std::size_t>& routes = allRoutes());
    ~GraphScene();

    static std::vector<std::size_t> allRoutes();

    QQuickView* view() const { return m_view.get(); }
    QQuickItem* root() const;
    // The item of that route, or null when the scene has none.
    JVX::QuickGraphView* graph(std::size_t route) const;

    // Destroys the view with everything parented to it.
    void destroyView() { m_view.reset(); }

private:
    std::unique_ptr<QQuickView> m_view;
    std::vector<JVX::QuickGraphView*> m_graphs;
};
