#pragma once

#include "DriveWindow.h"

#include <QAction>
#include <QObject>
#include <functional>
#include <memory>

class EngineOutputSource;
class QKeyEvent;
class QQuickView;
namespace JVX {
class GraphWidgetRepainter;
}

// The host's side of the editor's window: the drive window beside it, brought back by the
// "Drive window" button the editor's header shows for the host and by Ctrl+Shift+D; Ctrl+Shift+F
// freezing and thawing the graphs; the question before unsaved edits are closed away (Save,
// Discard, Cancel); and, once the editor's window closes, every other window with it.
class HostWindows : public QObject {
    Q_OBJECT

public:
    // Before Create, which shows the host's button.
    HostWindows(QQuickView& view, JVX::GraphWidgetRepainter& repainter);
    ~HostWindows() override;

    // After Create: the drive window of the engines the editor's graphs show, beside the editor.
    void openDriveWindow(EngineOutputSource& engines, const QString& driveName);
    void showDriveWindow();
    DriveWindow* driveWindow() const { return m_driveWindow.get(); }
    QAction& driveWindowAction() { return m_showDriveWindow; }

signals:
    // The editor's window closed, and the other windows with it: the program is over.
    void editorClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool runShortcut(const QKeyEvent& key);
    bool mayClose();
    void closeOtherWindows();
    void placeDriveWindow();
    void afterEditorFramed(const std::function<void()>& then);

    QQuickView& m_view;
    JVX::GraphWidgetRepainter& m_repainter;
    QAction m_showDriveWindow;
    std::unique_ptr<DriveWindow> m_driveWindow;
};
