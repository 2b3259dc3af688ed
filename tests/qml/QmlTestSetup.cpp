#include "QmlTestSetup.h"

#include "cueingview/FrequencyResponseModel.h"
#include "cueingview/LiveEnvelopeUse.h"
#include "cueingview/LiveScores.h"
#include "engine/Words.h"
#include "graph/QuickGraphView.h"
#include "models/ConfigModel.h"
#include "models/WorkEnvelopeModel.h"
#include "plugin/QmlTypes.h"
#include "script/ConfigManager.h"
#include "script/EditingContext.h"
#include "tuneview/TuneSession.h"
#include "ui/QmlUtils.h"

#include <QAction>
#include <QFile>
#include <QMutex>
#include <QQmlContext>
#include <QQmlEngine>
#include <cstdio>

namespace {

QMutex warningsMutex;
QStringList recordedWarnings;
QtMessageHandler forwardedHandler = nullptr;
// A platform of a few decimetres and degrees, as a host would pass to Create.
const WorkEnvelopeLimits testEnvelope{0.3f, 0.3f, 0.4f, 0.2f, 0.25f, 0.25f, 1};

void recordingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        QmlTestSetup::recordWarning(text);
    if (forwardedHandler)
        forwardedHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

// The same registration Create performs, so the views are tested against the types they get.
QmlTestSetup::QmlTestSetup() {
    registerQmlTypesOnce();
}

QStringList QmlTestSetup::warnings() {
    QMutexLocker lock(&warningsMutex);
    return recordedWarnings;
}

void QmlTestSetup::recordWarning(const QString& text) {
    QMutexLocker lock(&warningsMutex);
    recordedWarnings.append(text);
}

void QmlTestSetup::installWarningRecorder() {
    // The test framework installs its own handler once it starts logging; chaining to it each
    // time a test file starts keeps warnings both logged and counted.
    const QtMessageHandler previous = qInstallMessageHandler(recordingHandler);
    if (previous != recordingHandler)
        forwardedHandler = previous;
}

QString QmlTestSetup::copyExample(const QString& name) {
    const QString target = m_scratch.filePath(QString("%1-%2").arg(++m_copies).arg(name));
    QFile::copy(QStringLiteral(KEO_EXAMPLES_DIR "/") + name, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString QmlTestSetup::missingFile() const {
    return m_scratch.filePath(QStringLiteral("does-not-exist.cpp"));
}

QString QmlTestSetup::readFile(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QObject* QmlTestSetup::resetManager(const QString& path, bool attachedToScript) {
    auto* manager = new ConfigManager(path.toStdU16String(), attachedToScript, m_engine);
    manager->setOpenFileChooser([this](const QString&, const QString&) { return m_nextOpenFile; });
    m_engine->rootContext()->setContextProperty(QStringLiteral("cpp_configManager"), manager);
    publishEditing(*m_engine->rootContext(), *manager);
    auto* response = new FrequencyResponseModel(manager);
    response->setEnvelope(testEnvelope);
    response->watch(manager->configModel());
    m_engine->rootContext()->setContextProperty(QStringLiteral("cpp_frequencyResponse"), response);
    auto* tune = new TuneSession(manager, manager);
    tune->setEnvelope(testEnvelope);
    tune->setFileChooser([this](const QString&, const QString&) { return m_nextOpenFile; });
    m_engine->rootContext()->setContextProperty(QStringLiteral("cpp_tune"), tune);
    return manager;
}

QString QmlTestSetup::configImage() const {
    auto* manager =
        qobject_cast<ConfigManager*>(m_engine->rootContext()
                                         ->contextProperty(QStringLiteral("cpp_configManager"))
                                         .value<QObject*>());
    const Config& config = manager->configModel()->current();
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(&config), sizeof config).toHex());
}

QVariantList QmlTestSetup::graphItems(QObject* root) const {
    QVariantList items;
    if (!root)
        return items;
    const QList<JVX::QuickGraphView*> graphs = root->findChildren<JVX::QuickGraphView*>();
    for (const JVX::QuickGraphView* graph : graphs) {
        if (!graph->objectName().startsWith(QStringLiteral("__")))
            continue;
        items.append(QVariantMap{{QStringLiteral("name"), graph->objectName()},
                                 {QStringLiteral("title"), graph->title()},
                                 {QStringLiteral("captions"), graph->captions()}});
    }
    return items;
}

void QmlTestSetup::setScale(qreal scale) {
    m_engine->rootContext()->setContextProperty(QStringLiteral("qt_scale"), scale);
}

QVariantList QmlTestSetup::publishHostActions(const QStringList& texts,
                                              const QStringList& shortcuts) {
    QVariantList actions;
    for (int i = 0; i < texts.size(); ++i) {
        auto* action = new QAction(texts[i], m_engine);
        action->setShortcut(QKeySequence(shortcuts.value(i)));
        actions.append(QVariant::fromValue<QObject*>(action));
    }
    m_engine->rootContext()->setContextProperty(QStringLiteral("keo_hostActions"), actions);
    return actions;
}

void QmlTestSetup::deliverRecords(int count, double surgeMetres) {
    QQmlContext* context = m_engine->rootContext();
    auto* use = qobject_cast<LiveEnvelopeUse*>(
        context->contextProperty(QStringLiteral("cpp_envelopeUse")).value<QObject*>());
    auto* scores = qobject_cast<LiveScores*>(
        context->contextProperty(QStringLiteral("cpp_liveScores")).value<QObject*>());
    if (!m_scoring) {
        scores->setSettings(cueing::ScorerSettings{});
        m_scoring = true;
    }
    KEOOutputRecord record{};
    record.setSignal(engine::words::platform.surge, float(surgeMetres));
    for (int i = 0; i < count; ++i, m_stampUs += 1000) {
        record.setTimestampUs(m_stampUs);
        use->onOutputs(&record, &record, false);
        scores->onOutputs(&record, &record, false);
    }
    use->refresh();
    scores->refresh();
}

void QmlTestSetup::qmlEngineAvailable(QQmlEngine* engine) {
    installWarningRecorder();
    m_engine = engine;
    QObject::connect(engine, &QQmlEngine::warnings, engine, [](const QList<QQmlError>& errors) {
        for (const QQmlError& error : errors)
            recordWarning(error.toString());
    });
    QQmlContext* context = engine->rootContext();
    context->setContextProperty(QStringLiteral("qt_scale"), 1.0);
    context->setContextProperty(QStringLiteral("keo_hostActions"), QVariantList());
    context->setContextProperty(QStringLiteral("cpp_qmlUtils"), new QmlUtils(engine));
    context->setContextProperty(QStringLiteral("cpp_workEnvelope"), new WorkEnvelopeModel(engine));
    context->setContextProperty(QStringLiteral("cpp_graphsEnabled"), false);
    context->setContextProperty(QStringLiteral("testSupport"), this);
    auto* envelopeUse = new LiveEnvelopeUse(engine);
    envelopeUse->setEnvelopes(testEnvelope, testEnvelope);
    context->setContextProperty(QStringLiteral("cpp_envelopeUse"), envelopeUse);
    context->setContextProperty(QStringLiteral("cpp_liveScores"), new LiveScores(engine));
    resetManager(copyExample(QStringLiteral("two_clusters.cpp")), false);
}
