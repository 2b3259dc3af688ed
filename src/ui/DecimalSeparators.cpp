#include "DecimalSeparators.h"

DecimalSeparators DecimalSeparators::detect() {
    const QString probe = QString::number(static_cast<double>(1.1f), 'f', 6);
    if (probe.contains(QLatin1Char(',')))
        return {QLatin1Char('.'), QLatin1Char(',')};
    return {QLatin1Char(','), QLatin1Char('.')};
}

QString DecimalSeparators::toMachine(const QString& text) const {
    QString copy = text;
    copy.replace(display, machine);
    return copy;
}
