#include "QmlUtils.h"

#include "DecimalSeparators.h"

QmlUtils::QmlUtils(QObject* parent)
    : QObject(parent) {
    const DecimalSeparators separators = DecimalSeparators::detect();
    m_displaySeparator = separators.display;
    m_machineSeparator = separators.machine;
}

bool QmlUtils::isStringFloat(const QString& text) const {
    bool ok = false;
    DecimalSeparators{m_displaySeparator, m_machineSeparator}.toMachine(text).toFloat(&ok);
    return ok;
}

float QmlUtils::stringToFloat(const QString& text) const {
    bool ok = false;
    const float value =
        DecimalSeparators{m_displaySeparator, m_machineSeparator}.toMachine(text).toFloat(&ok);
    return ok ? value : 0.0f;
}

QString QmlUtils::floatToString(float value, int decimals) const {
    QString text = QString::number(static_cast<double>(value), 'f', decimals);
    text.replace(m_machineSeparator, m_displaySeparator);
    return text;
}
