#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace JVX {

// The modal questions the plotting widget asks, behind replaceable functions so that a test or an
// embedding application can answer them without a dialog. GUI thread only.

// Returns the chosen path, or an empty string when the user cancelled.
using SaveFileChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;

// One number to ask for, with its bounds and the decimals shown.
struct NumberRequest {
    QString title;
    QString label;
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    int decimals = 0;
};

// Returns the number to store: the entered one, or the initial value when the user cancelled.
using NumberAsker = std::function<double(QWidget* parent, const NumberRequest& request)>;

// Tells the user that something failed; returns when the user has seen it.
using ErrorReporter =
    std::function<void(QWidget* parent, const QString& title, const QString& message)>;

// Install a replacement and return the one in force before; null restores the Qt dialog
// (QFileDialog::getSaveFileName with an empty directory, QInputDialog::getDouble,
// QMessageBox::warning).
SaveFileChooser setSaveFileChooser(SaveFileChooser chooser);
NumberAsker setNumberAsker(NumberAsker asker);
ErrorReporter setErrorReporter(ErrorReporter reporter);

QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter);
double askNumber(QWidget* parent, const NumberRequest& request);
void reportError(QWidget* parent, const QString& title, const QString& message);

} // namespace JVX
