#include "GValidator.h"

#include "DecimalSeparators.h"

namespace {
constexpr float kOneG = 9.81f;
} // namespace

GValidator::GValidator(QObject* parent)
    : QValidator(parent) {
    const DecimalSeparators separators = DecimalSeparators::detect();
    m_displaySeparator = separators.display;
    m_machineSeparator = separators.machine;
}

void GValidator::setDecimals(int decimals) {
    if (decimals == m_decimals)
        return;
    m_decimals = decimals;
    emit decimalsChanged();
}

QValidator::State GValidator::validate(QString& input, int& /*position*/) const {
    if (input.isEmpty())
        return Intermediate;
    if (input.size() == 2)
        return input.at(1) == m_displaySeparator ? Intermediate : Invalid;
    if (input.size() > m_decimals + 2)
        return Invalid;
    bool ok = false;
    const float value =
        DecimalSeparators{m_displaySeparator, m_machineSeparator}.toMachine(input).toFloat(&ok);
    if (!ok)
        return Invalid;
    return value <= kOneG ? Acceptable : Invalid;
}
