#pragma once

#include <QValidator>

// Accepts a value of at most one G (9.81) written as one integer digit, the display separator and
// up to `decimals` decimals. It has no lower bound.
class GValidator : public QValidator {
    Q_OBJECT
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals NOTIFY decimalsChanged)

public:
    explicit GValidator(QObject* parent = nullptr);

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);

    State validate(QString& input, int& position) const override;

signals:
    void decimalsChanged();

private:
    QChar m_displaySeparator;
    QChar m_machineSeparator;
    int m_decimals = 1;
};
