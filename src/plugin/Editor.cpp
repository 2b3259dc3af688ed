#include "Editor.h"

#include "ConfigurationTeller.h"
#include "EditorSession.h"
#include "KEOUI64/DestructionNotifier.h"
#include "KEOUI64/HostOutputSource.h"
#include "KEOUI64/IKEOConfigurationListener.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "KeoQmlResources.h"
#include "QmlTypes.h"
#include "WindowDecoration.h"
#include "cueingview/FrequencyResponseModel.h"
#include "cueingview/LiveEnvelopeUse.h"
#include "cueingview/LiveScores.h"
#include "live/DataRetriever.h"
#include "live/GraphsDataProvider.h"
#include "models/ConfigModel.h"
#include "models/ParamSetModel.h"
#include "models/WorkEnvelopeModel.h"
#include "platform/ScreenScale.h"
#include "script/ConfigManager.h"
#include "script/EditingContext.h"
#include "tuneview/TuneSession.h"
#include "ui/QmlUtils.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickView>
#include <QScreen>
#include <QThread>
#include <array>
#include <atomic>

namespace {

constexpr int noView = 6;
const QSize minimumSizeAtScaleOne(1420, 840);
const Qt::WindowFlags editorWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

using WorkEnvelopes = std::array<WorkEnvelopeLimits, 2>;

WorkEnvelopes copyOf(const WorkEnvelopeLimits* envelopes) {
    WorkEnvelopes copy{};
    if (envelopes)
        copy = {envelopes[0], envelopes[1]};
    return copy;
}

// The objects of one editor; all are children of the view and die with it.
struct EditorObjects {
    DataRetriever* retriever;
    ConfigManager* manager;
    WorkEnvelopeModel* workEnvelope;
    GraphsDataProvider* graphs;
    FrequencyResponseModel* response;
    LiveEnvelopeUse* envelopeUse;
    LiveScores* scores;
    TuneSession* tune;
};

EditorObjects createObjects(EditorArguments& arguments) {
    QQuickView* view = arguments.view;
    auto* retriever = new DataRetriever(std::move(arguments.outputSource), view);
    auto* manager =
        new ConfigManager(arguments.scriptPath.toStdU16String(), arguments.attachedToScript, view);
    auto* workEnvelope = new WorkEnvelopeModel(view);
    // After the retriever: children die in creation order, so the host's deliveries have stopped
    // before the provider goes.
    auto* graphs = new GraphsDataProvider(arguments.repainter, view);
    auto* response = new FrequencyResponseModel(view);
    response->watch(manager->configModel());
    auto* envelopeUse = new LiveEnvelopeUse(view); // after the retriever, as the graphs
    auto* scores = new LiveScores(view);
    auto* tune = new TuneSession(manager, view); // keeps records, so after the retriever too
    return {retriever, manager, workEnvelope, graphs, response, envelopeUse, scores, tune};
}

void connectObjects(QQuickView* view, const EditorObjects& objects,
                    const WorkEnvelopes& envelopes) {
    ConfigManager* manager = objects.manager;
    WorkEnvelopeModel* workEnvelope = objects.workEnvelope;
    GraphsDataProvider* graphs = objects.graphs;
    FrequencyResponseModel* response = objects.response;
    response->setEnvelope(envelopes[0]);
    LiveEnvelopeUse* envelopeUse = objects.envelopeUse;
    envelopeUse->setEnvelopes(envelopes[0], envelopes[1]);
    LiveScores* scores = objects.scores;
    // The scores judge the cluster's records with the configuration as it was chosen.
    QObject::connect(manager, &ConfigManager::configIdChanged, scores,
                     [manager, scores, envelopes](int id) {
                         const KEOParamSet::Enum set = manager->paramSetModel()->paramSetIndex();
                         scores->setSettings(LiveScores::settingsFor(
                             manager->configModel()->current(), set, envelopes[id == 1 ? 1 : 0]));
                         scores->setCluster(id);
                     });
    TuneSession* tune = objects.tune;
    QObject::connect(manager, &ConfigManager::configIdChanged, tune, [tune, envelopes](int id) {
        tune->setEnvelope(envelopes[id == 1 ? 1 : 0]);
        tune->recentDrive().setCluster(id);
    });
    QObject::connect(manager, &ConfigManager::configIdChanged, manager,
                     [workEnvelope, graphs, response, envelopeUse, envelopes](int id) {
                         // The envelope and the graphs always follow the selected cluster.
                         if (id == 0 || id == 1) {
                             workEnvelope->setEnvelope(envelopes[id], true);
                             response->setEnvelope(envelopes[id]);
                         }
                         graphs->setCluster(id);
                         envelopeUse->setCluster(id);
                     });
    const auto updateTitle = [view, manager] {
        updateWindowTitle(view, manager);
    };
    QObject::connect(manager, &ConfigManager::configFilePathChanged, manager, updateTitle);
    QObject::connect(manager->configModel(), &BaseModel::modifiedStateChanged, manager,
                     updateTitle);
}

// The host tells the retriever before its output source goes. The notifier outlives the view, so
// the retriever leaves it again when the view destroys it. Without a notifier there is nobody to
// tell, and the retriever still detaches itself when it goes.
template <class Receiver>
void registerWithNotifier(DestructionNotifier* notifier, Receiver* object) {
    if (!notifier)
        return;
    JVX::IAboutToBeDestroyedNotificationReceiver* receiver = object;
    notifier->addReceiver(receiver);
    QObject::connect(object, &QObject::destroyed,
                     [notifier, receiver] { notifier->removeReceiver(receiver); });
}

void publishContextProperties(QQuickView* view, const EditorObjects& objects, bool graphsEnabled) {
    QQmlContext* context = view->rootContext();
    context->setContextProperty(QStringLiteral("cpp_configManager"), objects.manager);
    publishEditing(*context, *objects.manager);
    context->setContextProperty(QStringLiteral("cpp_workEnvelope"), objects.workEnvelope);
    context->setContextProperty(QStringLiteral("cpp_qmlUtils"), new QmlUtils(view));
    context->setContextProperty(QStringLiteral("cpp_graphsEnabled"), graphsEnabled);
    context->setContextProperty(QStringLiteral("cpp_frequencyResponse"), objects.response);
    context->setContextProperty(QStringLiteral("cpp_envelopeUse"), objects.envelopeUse);
    context->setContextProperty(QStringLiteral("cpp_liveScores"), objects.scores);
    context->setContextProperty(QStringLiteral("cpp_tune"), objects.tune);
}

// Never smaller than the editor's layout needs at the display scale the host published.
void applyMinimumSize(QQuickView* view) {
    const float scale = view->rootContext()->contextProperty(QStringLiteral("qt_scale")).toFloat();
    const QSize minimum = minimumSizeAtScaleOne * qreal(scale);
    view->setMinimumSize(minimum);
    if (view->width() < minimum.width() || view->height() < minimum.height())
        view->resize(minimum);
}

void centreAndShow(QQuickView* view) {
    view->create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QMargins frame = view->frameMargins();
    const QRect client =
        QRect(QPoint(0, 0), view->size())
            .adjusted(0, 0, -(frame.left() + frame.right()), -(frame.top() + frame.bottom()));
    view->setPosition(screen.center() - client.center());
    if (view->windowState() & Qt::WindowMaximized)
        view->showMaximized();
    else
        view->show();
    view->requestActivate();
}

// The primary screen's scale setting for the graphs' pens and fonts. Screens may only be asked on
// the GUI thread; other threads get the last answer.
int primaryScreenScalePercentage() {
    static std::atomic<int> lastPercentage{100};
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && QThread::currentThread() == QCoreApplication::instance()->thread())
        lastPercentage.store(
            qRound(screen->logicalDotsPerInch() / 96.0 * screen->devicePixelRatio() * 100.0),
            std::memory_order_relaxed);
    return lastPercentage.load(std::memory_order_relaxed);
}

void logQmlErrors(const QQuickView* view) {
    for (const QQmlError& error : view->errors())
        qCritical().noquote() << error.toString();
}

} // namespace

// The icon lives in this library's own resources; a static library has to register them.
static void initPluginResources() {
    Q_INIT_RESOURCE(plugin);
}

std::int32_t createEditor(EditorArguments arguments) {
    QQuickView* view = arguments.view;
    if (!view)
        return noView; // the output source goes with the arguments
    initKeoQmlResources();
    initPluginResources();
    registerQmlTypesOnce();
    setScalePercentageProvider(&primaryScreenScalePercentage);

    const bool graphsEnabled = arguments.outputSource != nullptr;
    const WorkEnvelopes envelopes = copyOf(arguments.workEnvelopes);
    // A host that runs the algorithm itself hears every edit. Created before the retriever, which
    // owns the listener, so that the view destroys it first.
    auto* listener = dynamic_cast<IKEOConfigurationListener*>(arguments.outputSource.get());
    auto* teller = listener ? new ConfigurationTeller(listener, view) : nullptr;
    const EditorObjects objects = createObjects(arguments);
    connectObjects(view, objects, envelopes);

    const ScriptResult load = objects.manager->load();
    if (load.code != Success && load.code != NoScriptPath)
        return load.code;
    updateWindowTitle(view, objects.manager);
    new EditorSession(objects.manager, view);

    registerWithNotifier(arguments.destructionNotifier, objects.retriever);
    if (teller) {
        registerWithNotifier(arguments.destructionNotifier, teller);
        teller->watch(objects.manager);
    }
    view->setIcon(multiSizeIcon(QStringLiteral(":/KeoIcon")));
    publishContextProperties(view, objects, graphsEnabled);
    // The root follows the window before it exists, so the host's window size is kept.
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->setSource(QUrl(QStringLiteral("qrc:/keoqml/MainView.qml")));
    view->setFlags(editorWindowFlags);
    applyMinimumSize(view);
    centreAndShow(view);
    logQmlErrors(view);
    objects.graphs->attachGraphs(view);
    objects.retriever->addListener(objects.graphs);
    objects.retriever->addListener(objects.envelopeUse);
    objects.retriever->addListener(objects.scores);
    objects.retriever->addListener(&objects.tune->recentDrive());
    return load.code;
}
