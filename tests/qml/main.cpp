#include "KeoQmlResources.h"
#include "QmlTestSetup.h"

#include <QTemporaryDir>
#include <QtQuickTest>
#include <cstdio>

int main(int argc, char** argv) {
    QmlTestSetup::installWarningRecorder();
    // Headless runs often have no runtime folder; Qt warns about a missing one, so give it its own.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    initKeoQmlResources();
    QmlTestSetup setup;
    const int failures =
        quick_test_main_with_setup(argc, argv, "keoqml", QUICK_TEST_SOURCE_DIR, &setup);
    const QStringList warnings = QmlTestSetup::warnings();
    if (!warnings.isEmpty()) {
        std::fprintf(stderr, "Warnings during the run (%d):\n", int(warnings.size()));
        for (const QString& warning : warnings)
            std::fprintf(stderr, "  %s\n", qPrintable(warning));
        return failures ? failures : 1;
    }
    return failures;
}
