#pragma once

#include "BenchSupport.h"
#include "CreateTiming.h"

#include <QEventLoop>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QSize>
#include <QTimer>
#include <filesystem>

// Runs the event loop until the window's next frame is on screen (at most five seconds).
inline void waitForNextFrame(QQuickWindow& window) {
    QEventLoop frame;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &frame, &QEventLoop::quit);
    QTimer::singleShot(5000, &frame, &QEventLoop::quit);
    window.update();
    frame.exec();
}

// One editor with a scratch copy of the two-cluster example loaded and cluster 1 chosen, for the
// interaction benchmarks. `size`, when valid, is the window's size.
class LoadedEditor {
public:
    // `outputs`, when given, is the host's source of live records; the editor owns it.
    explicit LoadedEditor(QSize size = QSize(), HostOutputSource* outputs = nullptr)
        : m_script(scratchCopyOfExample("two_clusters.cpp")) {
        m_view.rootContext()->setContextProperty(QStringLiteral("qt_scale"), 1.0);
        if (size.isValid())
            m_view.resize(size);
        Create(&m_view, QString::fromStdString(m_script.string()), false, &m_notifier, &m_repainter,
               outputs, benchEnvelopes);
        QMetaObject::invokeMethod(manager(), "setConfigFromUi", Q_ARG(int, 0));
        waitForFrame();
    }
    ~LoadedEditor() { std::filesystem::remove_all(m_script.parent_path()); }
    LoadedEditor(const LoadedEditor&) = delete;
    LoadedEditor& operator=(const LoadedEditor&) = delete;

    // An object the editor publishes to its views, such as "cpp_configManager".
    QObject* published(const char* name) const {
        return m_view.rootContext()->contextProperty(QLatin1String(name)).value<QObject*>();
    }
    QObject* manager() const { return published("cpp_configManager"); }
    // A property of the configuration manager holding an object, such as "configModel".
    QObject* managed(const char* name) const { return manager()->property(name).value<QObject*>(); }
    QObject* item(const char* name) const {
        return m_view.rootObject()->findChild<QObject*>(QString::fromLatin1(name));
    }
    void waitForFrame() { waitForNextFrame(m_view); }

private:
    std::filesystem::path m_script;
    DestructionNotifier m_notifier;
    JVX::GraphWidgetRepainter m_repainter;
    QQuickView m_view;
};
