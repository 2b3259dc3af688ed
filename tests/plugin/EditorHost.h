#pragma once

#include "KEOUI64/KEOUI64.h"
#include "support/TempDir.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>
#include <array>
#include <memory>

// What a host hands to Create besides the view and the script, and a scratch folder for the
// copies of the example scripts that the tests open and save.
struct EditorHost {
    std::filesystem::path copyOfExample(const std::string& name) const {
        return temp.copyOfExample(name);
    }

    int create(QQuickView* view, const QString& script, HostOutputSource* source = nullptr,
               bool attached = false) {
        return Create(view, script, attached, &notifier, &repainter, source, envelopes.data());
    }

    TempDir temp;
    DestructionNotifier notifier;
    JVX::GraphWidgetRepainter repainter;
    std::array<WorkEnvelopeLimits, 2> envelopes = {
        {{0.4f, 0.4f, 0.4f, 0.2f, 0.2f, 0.2f, 1}, {0.5f, 0.5f, 0.5f, 0.3f, 0.3f, 0.3f, 1}}};
};

// A view with the display scale set, as Create expects it.
inline std::unique_ptr<QQuickView> makeView(double scale = 1.0) {
    auto view = std::make_unique<QQuickView>();
    view->rootContext()->setContextProperty(QStringLiteral("qt_scale"), scale);
    return view;
}

inline QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

inline QQuickItem* findItem(const QObject& scope, const char* name) {
    return scope.findChild<QQuickItem*>(QString::fromLatin1(name));
}

inline void clickCentre(QQuickView& view, const QQuickItem& item) {
    const QPointF centre(item.width() / 2, item.height() / 2);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, item.mapToScene(centre).toPoint());
}
