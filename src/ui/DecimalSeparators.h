#pragma once

#include <QChar>
#include <QString>

// The two decimal separators of the editor. The machine separator is the one Qt's plain
// number/text conversions use; the display separator is the other of '.' and ','. Shown text
// uses the display separator, typed text may use either.
struct DecimalSeparators {
    QChar display;
    QChar machine;

    // Probes the plain conversion once.
    static DecimalSeparators detect();

    // Text as typed or shown, with the display separator replaced by the machine one.
    QString toMachine(const QString& text) const;
};
