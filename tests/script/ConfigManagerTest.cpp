// The manager owns the records the models point into. Every test here reads the whole model tree
// after each step, and from inside the manager's signals, so that under AddressSanitizer a model
// left pointing at a freed or stale record is caught.
#include "script/ConfigManager.h"

#include "models/AxisConfigModel.h"
#include "models/ConfigModel.h"
#include "models/FilterConfigModel.h"
#include "models/ParamSetModel.h"
#include "models/SignalLimitationModel.h"
#include "models/TravelConfigModel.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Reads every property of a model and of every model below it; returns how many were read.
int readEveryProperty(const QObject* object) {
    int count = 0;
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QVariant value = meta->property(i).read(object);
        ++count;
        if (auto* child = value.value<QObject*>())
            count += readEveryProperty(child);
    }
    return count;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ConfigManagerTest : public ::testing::Test {
protected:
    std::filesystem::path copyOfExample(const std::string& name, const std::string& as = "") {
        const auto copy = temp.file(as.empty() ? name : as);
        std::filesystem::copy_file(examplePath(name), copy);
        return copy;
    }

    // A manager whose every signal makes the views' reads happen right away.
    std::unique_ptr<ConfigManager> makeManager(const std::filesystem::path& path) {
        auto manager = std::make_unique<ConfigManager>(path.u16string(), true);
        ConfigManager* m = manager.get();
        const auto readTree = [m] {
            readEveryProperty(m->configModel());
        };
        QObject::connect(m, &ConfigManager::configLoaded, readTree);
        QObject::connect(m, &ConfigManager::configIdChanged, readTree);
        QObject::connect(m, &ConfigManager::multiConfigTriggerChanged, readTree);
        QObject::connect(m, &ConfigManager::configFilePathChanged, readTree);
        QObject::connect(m->configModel(), &BaseModel::modifiedStateChanged, readTree);
        return manager;
    }

    void chooseOnOpen(ConfigManager& manager, const std::filesystem::path& path) {
        manager.setOpenFileChooser([path](const QString& caption, const QString& filter) {
            EXPECT_EQ(caption, "Open script");
            EXPECT_EQ(filter, "Scripts (*.cpp *.json)");
            return QString::fromStdU16String(path.u16string());
        });
    }

    static float lateralOutputCutoff(const ConfigManager& manager) {
        auto* axis = manager.configModel()->lateralConfigModel();
        return axis->travelConfigModel()->outputTravelFilterModel()->cutoffFrequency();
    }

    TempDir temp;
};

TEST_F(ConfigManagerTest, MetaObjectMatchesWhatTheViewsBindTo) {
    const QMetaObject& meta = ConfigManager::staticMetaObject;
    struct Property {
        const char* name;
        const char* type;
        const char* notify; // empty: constant
    };
    const Property expected[] = {
        {"paramSetModel", "QObject*", ""},
        {"configModel", "QObject*", ""},
        {"attachedToScript", "bool", ""},
        {"isConfigLoaded", "bool", "configLoaded"},
        {"multiConfigTrigger", "int", "multiConfigTriggerChanged"},
        {"configFilePath", "QString", "configFilePathChanged"},
        {"errorCounter", "int", "errorCounterChanged"},
        {"errorMessage", "QString", "errorMessageChanged"},
        {"configModelId", "int", "configIdChanged"},
    };
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), int(std::size(expected)));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        EXPECT_STREQ(property.name(), expected[i].name);
        EXPECT_STREQ(property.typeName(), expected[i].type) << expected[i].name;
        EXPECT_FALSE(property.isWritable()) << expected[i].name;
        EXPECT_EQ(property.isConstant(), expected[i].notify[0] == '\0') << expected[i].name;
        EXPECT_EQ(property.notifySignal().name(), QByteArray(expected[i].notify))
            << expected[i].name;
    }
    const char* const methods[] = {"configFilePathChanged()",
                                   "configLoaded(bool)",
                                   "errorCounterChanged()",
                                   "errorMessageChanged()",
                                   "multiConfigTriggerChanged()",
                                   "configIdChanged(int)",
                                   "saveFromUi()",
                                   "loadFromUi()",
                                   "loadFromUiEx()",
                                   "setConfigFromUi(int)"};
    ASSERT_EQ(meta.methodCount() - meta.methodOffset(), int(std::size(methods)));
    for (int i = 0; i < int(std::size(methods)); ++i)
        EXPECT_EQ(meta.method(meta.methodOffset() + i).methodSignature(), methods[i]);
    EXPECT_STREQ(meta.method(meta.indexOfMethod("loadFromUiEx()")).typeName(), "bool");
    EXPECT_STREQ(meta.method(meta.indexOfMethod("setConfigFromUi(int)")).typeName(), "bool");
}

TEST_F(ConfigManagerTest, EmptyPathStartsEmptyWithoutPopup) {
    auto manager = makeManager("");
    QSignalSpy errors(manager.get(), &ConfigManager::errorCounterChanged);
    EXPECT_EQ(manager->load().code, NoScriptPath);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(manager->errorCounter(), 0);
    EXPECT_FALSE(manager->isConfigLoaded());
}

TEST_F(ConfigManagerTest, MissingFileIsReportedOnceEachTime) {
    auto manager = makeManager(temp.file("missing.cpp"));
    QSignalSpy counter(manager.get(), &ConfigManager::errorCounterChanged);
    QSignalSpy message(manager.get(), &ConfigManager::errorMessageChanged);
    EXPECT_EQ(manager->load().code, FileNotAccessible);
    EXPECT_EQ(manager->errorCounter(), 1);
    EXPECT_EQ(manager->errorMessage(),
              text("Selected file was not found or you have not enough permissions."));
    manager->loadFromUi();
    EXPECT_EQ(manager->errorCounter(), 2);
    EXPECT_EQ(counter.count(), 2);
    EXPECT_EQ(message.count(), 2);
}

TEST_F(ConfigManagerTest, MessagesPerCode) {
    EXPECT_EQ(ConfigManager::messageForCode(3),
              text("An KEO script section was not found in selected file. Please select another "
                   "one and try again."));
    EXPECT_EQ(
        ConfigManager::messageForCode(4),
        text("Some syntax errors were found. Please analyze your script file and fix errors."));
    EXPECT_EQ(
        ConfigManager::messageForCode(1),
        text("An internal error has occurred. Please try to restart application and try again."));
    EXPECT_EQ(
        ConfigManager::messageForCode(6),
        text("An unknown error has occurred. Please try to restart application and try again."));
}

TEST_F(ConfigManagerTest, OneClusterIsAcceptedAtOnce) {
    auto manager = makeManager(examplePath("one_cluster.cpp"));
    QSignalSpy loaded(manager.get(), &ConfigManager::configLoaded);
    QSignalSpy id(manager.get(), &ConfigManager::configIdChanged);
    EXPECT_EQ(manager->load().code, Success);
    EXPECT_TRUE(manager->isConfigLoaded());
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_TRUE(loaded.at(0).at(0).toBool());
    ASSERT_EQ(id.count(), 1);
    EXPECT_EQ(id.at(0).at(0).toInt(), 0);
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 2.2f);
    EXPECT_FALSE(manager->configModel()->isModified());
}

TEST_F(ConfigManagerTest, TwoClustersWaitForTheChoice) {
    const auto twoClusters = copyOfExample("two_clusters.cpp");
    auto manager = makeManager("");
    chooseOnOpen(*manager, twoClusters);
    QSignalSpy trigger(manager.get(), &ConfigManager::multiConfigTriggerChanged);
    QSignalSpy loaded(manager.get(), &ConfigManager::configLoaded);
    QSignalSpy id(manager.get(), &ConfigManager::configIdChanged);

    EXPECT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->multiConfigTrigger(), 1);
    EXPECT_EQ(trigger.count(), 1);
    EXPECT_FALSE(manager->isConfigLoaded());
    EXPECT_EQ(lateralOutputCutoff(*manager), 0.0f);
    EXPECT_TRUE(manager->configFilePath().isEmpty());

    EXPECT_FALSE(manager->setConfigFromUi(2));
    EXPECT_TRUE(manager->setConfigFromUi(1));
    EXPECT_EQ(manager->configModelId(), 1);
    EXPECT_EQ(manager->configFilePath(), QString::fromStdU16String(twoClusters.u16string()));
    EXPECT_EQ(loaded.count(), 1);
    ASSERT_EQ(id.count(), 1);
    EXPECT_EQ(id.at(0).at(0).toInt(), 1);
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 2.2f);
}

TEST_F(ConfigManagerTest, CancelledChoiceKeepsThePreviousState) {
    const auto one = copyOfExample("one_cluster.cpp");
    auto manager = makeManager(one);
    ASSERT_EQ(manager->load().code, Success);
    auto* travel = manager->configModel()->lateralConfigModel()->travelConfigModel();
    travel->outputTravelFilterModel()->setCutoffFrequency(3.3f);

    chooseOnOpen(*manager, examplePath("two_clusters.cpp"));
    EXPECT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->configFilePath(), QString::fromStdU16String(one.u16string()));
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 3.3f);
    EXPECT_TRUE(manager->configModel()->isModified());

    manager->setOpenFileChooser([](const QString&, const QString&) { return QString(); });
    EXPECT_FALSE(manager->loadFromUiEx());
    EXPECT_EQ(manager->multiConfigTrigger(), 1);
}

TEST_F(ConfigManagerTest, TiltInputLimitIsClampedToGravityAsAModification) {
    std::string script = readBytes(examplePath("one_cluster.cpp"));
    ConfigMap configs;
    writeBytes(temp.file("tilt.cpp"), script);
    ASSERT_EQ(loadScript(temp.file("tilt.cpp").u16string(), configs).code, Success);
    configs[0].lateral.tiltCoordinationInputLimit.maxValue = FloatPair{{12.0f, -12.0f}};
    configs[0].vertical.tiltCoordinationInputLimit.maxValue = FloatPair{{9.0f, -9.81f}};
    ASSERT_EQ(saveScript(temp.file("tilt.cpp").u16string(), configs).code, Success);

    auto manager = makeManager(temp.file("tilt.cpp"));
    ASSERT_EQ(manager->load().code, Success);
    auto* lateral = manager->configModel()->lateralConfigModel()->tiltCoordinationInputLimitModel();
    auto* vertical =
        manager->configModel()->verticalConfigModel()->tiltCoordinationInputLimitModel();
    EXPECT_FLOAT_EQ(lateral->maxValue(), 9.81f);
    manager->paramSetModel()->switchParamSet();
    EXPECT_FLOAT_EQ(lateral->maxValue(), -9.81f);
    EXPECT_TRUE(lateral->isModified());
    EXPECT_FALSE(vertical->isModified());
    EXPECT_TRUE(manager->configModel()->isModified());
    lateral->restoreDefaults();
    EXPECT_FLOAT_EQ(lateral->maxValue(), -12.0f);
    EXPECT_FALSE(manager->configModel()->isModified());
}

TEST_F(ConfigManagerTest, SaveRewritesEveryClusterAndClearsModified) {
    const auto copy = copyOfExample("two_clusters.cpp");
    auto manager = makeManager(copy);
    ASSERT_EQ(manager->load().code, Success);
    ASSERT_TRUE(manager->setConfigFromUi(0));
    auto* filter = manager->configModel()
                       ->lateralConfigModel()
                       ->travelConfigModel()
                       ->outputTravelFilterModel();
    manager->paramSetModel()->switchParamSet();
    filter->setCutoffFrequency(1.25f);
    EXPECT_TRUE(manager->configModel()->isModified());

    QSignalSpy modified(manager->configModel(), &BaseModel::modifiedStateChanged);
    manager->saveFromUi();
    EXPECT_EQ(manager->errorCounter(), 0);
    EXPECT_FALSE(manager->configModel()->isModified());
    EXPECT_GE(modified.count(), 1);

    ConfigMap reloaded;
    ASSERT_EQ(loadScript(copy.u16string(), reloaded).code, Success);
    ConfigMap original;
    ASSERT_EQ(loadScript(examplePath("two_clusters.cpp").u16string(), original).code, Success);
    EXPECT_EQ(reloaded[0].lateral.travel.outputFilter.cutoff[1], 1.25f);
    EXPECT_EQ(reloaded[0].lateral.travel.outputFilter.cutoff[0],
              original[0].lateral.travel.outputFilter.cutoff[0]);
    EXPECT_EQ(reloaded[1].lateral.travel.outputFilter.cutoff[1],
              original[1].lateral.travel.outputFilter.cutoff[1]);
    std::string savedText;
    ASSERT_TRUE(readTextFile(copy.u16string(), savedText));
    EXPECT_NE(savedText.find("KEO_C2({\n\t\"absolute\""), std::string::npos);
}

TEST_F(ConfigManagerTest, FailedSaveKeepsTheModifiedState) {
    const auto copy = copyOfExample("one_cluster.cpp");
    auto manager = makeManager(copy);
    ASSERT_EQ(manager->load().code, Success);
    manager->configModel()->setEnableGCorrection(!manager->configModel()->enableGCorrection());
    writeBytes(copy, "// the section was removed\n");
    QSignalSpy counter(manager.get(), &ConfigManager::errorCounterChanged);
    EXPECT_EQ(manager->save().code, SectionNotFound);
    EXPECT_EQ(counter.count(), 1);
    EXPECT_TRUE(manager->configModel()->isModified());
    EXPECT_EQ(readBytes(copy), "// the section was removed\n");
}

TEST_F(ConfigManagerTest, FailedLoadLeavesEverythingAsItWas) {
    const auto good = copyOfExample("one_cluster.cpp");
    const auto bad = temp.file("bad.cpp");
    writeBytes(bad, "KEO({ \"version\": 7 })KEO");
    auto manager = makeManager(good);
    ASSERT_EQ(manager->load().code, Success);
    auto* travel = manager->configModel()->lateralConfigModel()->travelConfigModel();
    travel->setEnabled(!travel->enabled());

    chooseOnOpen(*manager, bad);
    QSignalSpy id(manager.get(), &ConfigManager::configIdChanged);
    EXPECT_FALSE(manager->loadFromUiEx());
    EXPECT_EQ(manager->errorCounter(), 1);
    EXPECT_EQ(
        manager->errorMessage(),
        text("Some syntax errors were found. Please analyze your script file and fix errors."));
    EXPECT_EQ(id.count(), 0);
    EXPECT_EQ(manager->configFilePath(), QString::fromStdU16String(good.u16string()));
    EXPECT_TRUE(manager->configModel()->isModified());
    travel->restoreDefaults();
    EXPECT_FALSE(manager->configModel()->isModified());
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 2.2f);
    EXPECT_FALSE(manager->setConfigFromUi(0));
}

// Accepting a load must never leave the models on a freed record, also when the cluster being
// edited disappears from the new load or the chosen cluster does not exist.
TEST_F(ConfigManagerTest, ModelsStayOnLiveRecordsThroughLoadsAndChoices) {
    const auto one = copyOfExample("one_cluster.cpp");
    const auto two = copyOfExample("two_clusters.cpp");
    auto manager = makeManager(one);
    const int propertyCount = readEveryProperty(manager->configModel());
    EXPECT_GT(propertyCount, 300);

    ASSERT_EQ(manager->load().code, Success);
    EXPECT_EQ(readEveryProperty(manager->configModel()), propertyCount);

    chooseOnOpen(*manager, two);
    ASSERT_TRUE(manager->loadFromUiEx());
    readEveryProperty(manager->configModel());
    ASSERT_TRUE(manager->setConfigFromUi(1));
    readEveryProperty(manager->configModel());

    chooseOnOpen(*manager, one);
    ASSERT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->configModelId(), 0);
    readEveryProperty(manager->configModel());
    EXPECT_FALSE(manager->setConfigFromUi(1));
    readEveryProperty(manager->configModel());
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 2.2f);

    // A failed load leaves nothing staged; choosing a cluster then must not empty the records.
    writeBytes(temp.file("broken.cpp"), "KEO({ \"version\": 1 })KEO");
    chooseOnOpen(*manager, temp.file("broken.cpp"));
    EXPECT_FALSE(manager->loadFromUiEx());
    EXPECT_FALSE(manager->setConfigFromUi(0));
    EXPECT_FALSE(manager->setConfigFromUi(1));
    EXPECT_EQ(readEveryProperty(manager->configModel()), propertyCount);
    EXPECT_FLOAT_EQ(lateralOutputCutoff(*manager), 2.2f);

    chooseOnOpen(*manager, two);
    ASSERT_TRUE(manager->loadFromUiEx());
    ASSERT_TRUE(manager->setConfigFromUi(1));
    manager->paramSetModel()->switchParamSet();
    manager->configModel()->restoreDefaults();
    EXPECT_EQ(readEveryProperty(manager->configModel()), propertyCount);
    EXPECT_EQ(manager->save().code, Success);
    EXPECT_FALSE(manager->configModel()->isModified());
}

TEST_F(ConfigManagerTest, NothingThrowsOutOfTheInvokables) {
    auto manager = makeManager(temp.file("no-such-folder/missing.json"));
    manager->setOpenFileChooser([this](const QString&, const QString&) {
        writeBytes(temp.file("junk.json"), std::string("\xFF\x00\x01", 3));
        return QString::fromStdU16String(temp.file("junk.json").u16string());
    });
    const QMetaObject& meta = ConfigManager::staticMetaObject;
    for (const char* method : {"saveFromUi", "loadFromUi", "loadFromUiEx"})
        EXPECT_NO_THROW(meta.invokeMethod(manager.get(), method, Qt::DirectConnection)) << method;
    bool chosen = true;
    EXPECT_NO_THROW(QMetaObject::invokeMethod(manager.get(), "setConfigFromUi",
                                              Qt::DirectConnection, Q_RETURN_ARG(bool, chosen),
                                              Q_ARG(int, 7)));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(manager->errorCounter(), 3);
}

} // namespace
