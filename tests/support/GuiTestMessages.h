#pragma once

#include <QString>
#include <QStringList>
#include <unistd.h>

// Qt's warnings, criticals and fatals since the last take(), collected by the GUI test main.
class GuiTestMessages {
public:
    static GuiTestMessages& instance();

    void record(const QString& message) { m_messages << message; }
    QStringList take() {
        QStringList messages;
        messages.swap(m_messages);
        return messages;
    }

private:
    QStringList m_messages;
};
