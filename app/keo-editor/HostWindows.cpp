#include "HostWindows.h"

#include "DrivePlacement.h"
#include "EngineOutputSource.h"

#include <KEOUI64/EditorSession.h>
#include <KEOUI64/GraphWidgetRepainter.h>
#include <KEOUI64/HostActions.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QQuickView>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

constexpr Qt::KeyboardModifiers controlShift = Qt::ControlModifier | Qt::ShiftModifier;

// A window of the host's without a parent widget stays above the editor's window, as a dialog of
// it would, once the editor's window is its transient parent.
void keepAbove(QWidget& window, QWindow& editor) {
    window.winId();
    window.windowHandle()->setTransientParent(&editor);
}

} // namespace

HostWindows::HostWindows(QQuickView& view, JVX::GraphWidgetRepainter& repainter)
    : m_view(view)
    , m_repainter(repainter)
    , m_showDriveWindow(tr("Drive window")) {
    m_showDriveWindow.setToolTip(tr("Show the drive window (Ctrl+Shift+D)"));
    m_showDriveWindow.setVisible(false); // until there is a drive
    connect(&m_showDriveWindow, &QAction::triggered, this, &HostWindows::showDriveWindow);
    KEOEditor::setHostActions(view, {&m_showDriveWindow});
    view.installEventFilter(this);
}

HostWindows::~HostWindows() {
    m_view.removeEventFilter(this);
}

void HostWindows::openDriveWindow(EngineOutputSource& engines, const QString& driveName) {
    m_driveWindow = std::make_unique<DriveWindow>(engines, driveName);
    m_driveWindow->setWindowFlag(Qt::Tool);
    keepAbove(*m_driveWindow, m_view);
    m_showDriveWindow.setVisible(true);
    afterEditorFramed([this] { showDriveWindow(); });
}

// The window system frames the editor's window a moment after it shows; placing the drive window
// beside it takes that frame, so this waits for it, for a second at most (some draw none).
void HostWindows::afterEditorFramed(const std::function<void()>& then) {
    auto* poll = new QTimer(this);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    connect(poll, &QTimer::timeout, this, [this, poll, waited, then] {
        if (m_view.frameMargins().isNull() && waited->elapsed() < 1000)
            return;
        poll->deleteLater();
        poll->stop();
        then();
    });
    poll->start(20);
}

void HostWindows::showDriveWindow() {
    if (!m_driveWindow)
        return;
    if (!m_driveWindow->isVisible())
        placeDriveWindow();
    m_driveWindow->showNormal();
    m_driveWindow->raise();
    m_driveWindow->activateWindow();
}

void HostWindows::placeDriveWindow() {
    m_driveWindow->adjustSize();
    const QRect editor = m_view.frameGeometry();
    const QRect screen = m_view.screen() ? m_view.screen()->availableGeometry() : editor;
    // The frame around the drive window is the window system's; the editor's is a good guess.
    const QMargins frame = m_view.frameMargins();
    const QSize drive = m_driveWindow->size().grownBy(frame);
    const DrivePlacement placement = ::placeDriveWindow(screen, editor, drive);
    if (placement.editor != editor.topLeft())
        m_view.setFramePosition(placement.editor);
    // Placed by its inside: where a window not yet shown has its frame is up to the window system.
    const QPoint inside = placement.drive + QPoint(frame.left(), frame.top());
    m_driveWindow->setGeometry(QRect(inside, m_driveWindow->size()));
}

bool HostWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_view)
        return false;
    if (event->type() == QEvent::KeyPress)
        return runShortcut(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::Close)
        return false;
    if (!mayClose()) {
        event->ignore();
        return true;
    }
    closeOtherWindows();
    emit editorClosed();
    return false;
}

bool HostWindows::runShortcut(const QKeyEvent& key) {
    if (key.modifiers() != controlShift)
        return false;
    if (key.key() == Qt::Key_F)
        m_repainter.toggleFreeze();
    else if (key.key() == Qt::Key_D)
        showDriveWindow();
    else
        return false;
    return true;
}

// Unsaved edits go only when the user says so; "Save" saves as Ctrl+S does, and a save that
// fails (the editor shows why) keeps the window open.
bool HostWindows::mayClose() {
    if (!KEOEditor::hasUnsavedEdits(m_view))
        return true;
    QMessageBox question(QMessageBox::Question, m_view.title(),
                         tr("The configuration has changes that are not saved."),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    question.setInformativeText(tr("Save them before closing?"));
    question.setDefaultButton(QMessageBox::Save);
    question.setObjectName(QStringLiteral("unsavedEditsQuestion"));
    keepAbove(question, m_view);
    switch (question.exec()) {
    case QMessageBox::Save:
        return KEOEditor::saveEdits(m_view);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

// The graph windows and the drive window belong to the editor's window: they go with it.
void HostWindows::closeOtherWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
}
