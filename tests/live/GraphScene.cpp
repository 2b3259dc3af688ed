#include "GraphScene.h"

#include "graph/QuickGraphView.h"

#include <QQuickItem>

GraphScene::GraphScene(const std::vector<std::size_t>& routes)
    : m_view(std::make_unique<QQuickView>())
    , m_graphs(routing::graphCount, nullptr) {
    auto* root = new QQuickItem; // the view's from here on
    root->setSize(QSizeF(1420, 840));
    m_view->setContent(QUrl(), nullptr, root);
    // Nested one level, as the views place their graphs inside pages.
    auto* page = new QQuickItem(root);
    for (const std::size_t route : routes) {
        auto* graph = new JVX::QuickGraphView(page);
        graph->setObjectName(QString::fromLatin1(routing::graphRoutes[route].objectName));
        graph->setSize(QSizeF(120, 60));
        m_graphs[route] = graph;
    }
}

GraphScene::~GraphScene() = default;

std::vector<std::size_t> GraphScene::allRoutes() {
    std::vector<std::size_t> routes;
    for (std::size_t route = 0; route < routing::graphCount; ++route)
        routes.push_back(route);
    return routes;
}

QQuickItem* GraphScene::root() const {
    return m_view ? m_view->rootObject() : nullptr;
}

JVX::QuickGraphView* GraphScene::graph(std::size_t route) const {
    return m_view ? m_graphs[route] : nullptr;
}
