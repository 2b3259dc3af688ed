#include "GraphDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <utility>

namespace JVX {

namespace {

QString qtSaveFileChooser(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

double qtNumberAsker(QWidget* parent, const NumberRequest& request) {
    // Cancel returns the initial value, which leaves the field unchanged.
    return QInputDialog::getDouble(parent, request.title, request.label, request.value,
                                   request.minimum, request.maximum, request.decimals);
}

void qtErrorReporter(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox::warning(parent, title, message);
}

SaveFileChooser& saveFileChooser() {
    static SaveFileChooser chooser = qtSaveFileChooser;
    return chooser;
}

NumberAsker& numberAsker() {
    static NumberAsker asker = qtNumberAsker;
    return asker;
}

ErrorReporter& errorReporter() {
    static ErrorReporter reporter = qtErrorReporter;
    return reporter;
}

} // namespace

SaveFileChooser setSaveFileChooser(SaveFileChooser chooser) {
    if (!chooser)
        chooser = qtSaveFileChooser;
    return std::exchange(saveFileChooser(), std::move(chooser));
}

NumberAsker setNumberAsker(NumberAsker asker) {
    if (!asker)
        asker = qtNumberAsker;
    return std::exchange(numberAsker(), std::move(asker));
}

ErrorReporter setErrorReporter(ErrorReporter reporter) {
    if (!reporter)
        reporter = qtErrorReporter;
    return std::exchange(errorReporter(), std::move(reporter));
}

QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter) {
    return saveFileChooser()(parent, caption, filter);
}

double askNumber(QWidget* parent, const NumberRequest& request) {
    return numberAsker()(parent, request);
}

void reportError(QWidget* parent, const QString& title, const QString& message) {
    errorReporter()(parent, title, message);
}

} // namespace JVX
