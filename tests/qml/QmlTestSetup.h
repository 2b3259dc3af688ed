#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <cstdint>

class ConfigManager;
class QQmlEngine;

// Gives each test file's engine the objects the editor's host publishes, and lets the tests
// replace the configuration manager, answer its file dialog and look at the files it wrote.
class QmlTestSetup : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString nextOpenFile MEMBER m_nextOpenFile)

public:
    QmlTestSetup();

    // Every message of warning level or above seen so far.
    static QStringList warnings();
    static void recordWarning(const QString& text);
    static void installWarningRecorder();

    // A fresh copy of an example script in the scratch folder.
    Q_INVOKABLE QString copyExample(const QString& name);
    Q_INVOKABLE QString missingFile() const;
    Q_INVOKABLE QString readFile(const QString& path) const;
    // Publishes a new, unloaded manager on `path` as cpp_configManager and returns it.
    Q_INVOKABLE QObject* resetManager(const QString& path, bool attachedToScript);
    // Every byte of the edited cluster's configuration, as hexadecimal text.
    Q_INVOKABLE QString configImage() const;
    // Every graph item below `root` whose object name starts with "__", found the way the live
    // feed finds them (Qt's recursive child search): a list of {name, title, captions}.
    Q_INVOKABLE QVariantList graphItems(QObject* root) const;
    // The display scale the views read (qt_scale).
    Q_INVOKABLE void setScale(qreal scale);
    // Publishes the host's actions the header shows (keo_hostActions): one action per text, with
    // the shortcut of the same index; returns them. An empty list publishes none.
    Q_INVOKABLE QVariantList publishHostActions(const QStringList& texts,
                                                const QStringList& shortcuts);

    // Delivers `count` records at 1000 per second to the published envelope use and live scores,
    // as the host's thread would, with the platform's surge at `surgeMetres`, and lets the view
    // see them.
    Q_INVOKABLE void deliverRecords(int count, double surgeMetres);

public slots:
    void qmlEngineAvailable(QQmlEngine* engine);

private:
    QTemporaryDir m_scratch;
    QQmlEngine* m_engine = nullptr;
    QString m_nextOpenFile;
    int m_copies = 0;
    std::uint64_t m_stampUs = 1000;
    bool m_scoring = false; // the live scores have their settings
};
