// main() for tests that need a GUI application: forces the offscreen platform and the software
// Qt Quick renderer, keeps standard paths in a test sandbox, and records every Qt message of
// warning level or above so that tests can insist on a quiet start-up.
#include "GuiTestMessages.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        GuiTestMessages::instance().record(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

GuiTestMessages& GuiTestMessages::instance() {
    static GuiTestMessages messages;
    return messages;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    const QTemporaryDir runtime; // private to the user, as the runtime folder must be
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    previousHandler = qInstallMessageHandler(recordMessage);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
