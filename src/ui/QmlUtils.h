#pragma once

#include <QObject>
#include <QString>

// Converts between float values and the text every float field of the views shows and accepts.
class QmlUtils : public QObject {
    Q_OBJECT

public:
    explicit QmlUtils(QObject* parent = nullptr);

    QChar displaySeparator() const { return m_displaySeparator; }
    QChar machineSeparator() const { return m_machineSeparator; }

    // Whether the text, written with either separator, is a number.
    Q_INVOKABLE bool isStringFloat(const QString& text) const;
    // The number the text holds, or 0 when it holds none.
    Q_INVOKABLE float stringToFloat(const QString& text) const;
    // Fixed notation with `decimals` decimals, written with the display separator.
    Q_INVOKABLE QString floatToString(float value, int decimals) const;

private:
    QChar m_displaySeparator;
    QChar m_machineSeparator;
};
