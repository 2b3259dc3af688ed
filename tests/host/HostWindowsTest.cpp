// keo-editor's windows around the editor, driven by keys and clicks: the question before
// unsaved edits are closed away, and the drive window brought back after the user closed it.
#include "HostWindows.h"

#include "ActuatorBars.h"
#include "EditorOptions.h"
#include "EngineOutputSource.h"
#include "plugin/EditorHost.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>
#include <rig/RigReader.h>

namespace {

// Answers the next question with `button`, clicking it, and counts the questions asked.
class Answerer {
public:
    explicit Answerer(QMessageBox::StandardButton button) {
        QObject::connect(&m_poll, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_answered)
                return;
            m_answered = box;
            ++asked;
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
        m_poll.start(10);
    }

    int asked = 0;

private:
    QTimer m_poll;
    QMessageBox* m_answered = nullptr;
};

// An item by name in the visual tree, where a Repeater's items are (not among QObject children).
QQuickItem* visualItem(QQuickItem* item, const QString& name) {
    if (!item || item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = visualItem(child, name))
            return found;
    return nullptr;
}

// keo-editor's windows as it opens them: the editor on a copy of an example, its engines on a
// drive, the drive window beside it.
struct Session {
    explicit Session(const std::string& drive = "idle") {
        script = host.copyOfExample("one_cluster.cpp");
        original = readBytes(script);
        engines = new EngineOutputSource(engine::drive::makeManoeuvre(drive), 100,
                                         defaultWorkEnvelopes());
        created = host.create(view.get(), qPath(script), engines) == 0;
        if (created)
            windows.openDriveWindow(*engines, QString::fromStdString(drive));
        created = created && QTest::qWaitFor([this] { return driveWindow().isVisible(); });
    }

    DriveWindow& driveWindow() { return *windows.driveWindow(); }

    // Types a cutoff into its field, as a user edits.
    bool editACutoff() {
        QQuickItem* block = findItem(*view, "travelOutputFilter");
        QQuickItem* edit = block ? findItem(*block, "cutoffEdit") : nullptr;
        if (!edit)
            return false;
        clickCentre(*view, *edit);
        QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_3);
        return KEOEditor::hasUnsavedEdits(*view);
    }

    EditorHost host;
    std::unique_ptr<QQuickView> view = makeView();
    HostWindows windows{*view, host.repainter};
    EngineOutputSource* engines = nullptr; // the editor's
    std::filesystem::path script;
    std::string original;
    bool created = false;
};

TEST(HostWindows, UnsavedEditsAreSavedDiscardedOrKeptAsTheUserAnswers) {
    const struct {
        QMessageBox::StandardButton answer;
        bool closes;
        bool written;
    } cases[] = {
        {QMessageBox::Cancel, false, false},
        {QMessageBox::Discard, true, false},
        {QMessageBox::Save, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        Session session;
        ASSERT_TRUE(session.created);
        ASSERT_TRUE(session.editACutoff());
        QSignalSpy closed(&session.windows, &HostWindows::editorClosed);
        Answerer answerer(c.answer);
        EXPECT_EQ(session.view->close(), c.closes);
        EXPECT_EQ(answerer.asked, 1);
        EXPECT_EQ(session.view->isVisible(), !c.closes);
        EXPECT_EQ(closed.count(), c.closes ? 1 : 0);
        // The program's other windows go with the editor's.
        EXPECT_EQ(session.driveWindow().isVisible(), !c.closes);
        EXPECT_EQ(readBytes(session.script) != session.original, c.written);
    }
}

TEST(HostWindows, WithoutUnsavedEditsTheEditorClosesWithoutAQuestion) {
    Session session;
    ASSERT_TRUE(session.created);
    Answerer answerer(QMessageBox::Cancel);
    EXPECT_TRUE(session.view->close());
    EXPECT_EQ(answerer.asked, 0);
}

TEST(HostWindows, TheDriveWindowComesBackByItsShortcutAndTheEditorsButton) {
    Session session;
    ASSERT_TRUE(session.created);
    QQuickView& view = *session.view;
    const std::function<void()> ways[] = {
        [&view] { QTest::keyClick(&view, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier); },
        [&view] { clickCentre(view, *visualItem(view.rootObject(), "hostActionButton")); },
    };
    for (const auto& bringBack : ways) {
        session.driveWindow().close();
        ASSERT_FALSE(session.driveWindow().isVisible());
        bringBack();
        EXPECT_TRUE(session.driveWindow().isVisible());
    }
    // It tells what plays.
    const QLabel* position = session.driveWindow().findChild<QLabel*>("positionLabel");
    EXPECT_TRUE(position->text().startsWith("idle, ")) << position->text().toStdString();
}

TEST(HostWindows, TheActuatorBarsFollowThePlatformTheEngineDrives) {
    // Braking pitches the platform of the example's cluster nose down and moves it back.
    Session session("braking");
    ASSERT_TRUE(session.created);
    session.driveWindow().showActuators(
        rig::loadRig(std::string(KEO_EXAMPLES_DIR) + "/rigs/hexapod.json"));
    const ActuatorBars& bars = *session.driveWindow().actuatorBars();
    const std::vector<double> atRest = bars.positions();
    const auto moved = [&] {
        for (std::size_t i = 0; i < atRest.size(); ++i)
            if (std::fabs(bars.positions()[i] - atRest[i]) > 0.05)
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(moved, 10000));
    EXPECT_TRUE(bars.isVisible());
}

} // namespace
