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

#include <QMetaProperty>
#include <QSignalSpy>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Reads every property of a model and of every model below it; returns how many were read.
int readEveryProperty(const QObject* object) {
    int count = 0;
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i, ++count)
        if (auto* child = meta->property(i).read(object).value<QObject*>())
            count += readEveryProperty(child);
    return count;
}

QString qPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

const QString syntaxMessage =
    "Some syntax errors were found. Please analyze your script file and fix errors.";

class ConfigManagerTest : public ::testing::Test {
protected:
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

    // Answers the manager's Load dialog with `path`.
    void chooseOnOpen(ConfigManager& manager, const std::filesystem::path& path) {
        manager.setOpenFileChooser([path](const QString& caption, const QString& filter) {
            EXPECT_EQ(caption, "Open script");
            EXPECT_EQ(filter, "Scripts (*.cpp *.json)");
            return qPath(path);
        });
    }

    static FilterConfigModel* lateralOutputFilter(const ConfigManager& manager) {
        auto* axis = manager.configModel()->lateralConfigModel();
        return axis->travelConfigModel()->outputTravelFilterModel();
    }

    TempDir temp;
};

TEST_F(ConfigManagerTest, ErrorsAreReportedOnceEachTimeWithTheirMessage) {
    auto empty = makeManager("");
    EXPECT_EQ(empty->load().code, NoScriptPath); // starting without a script is no error
    EXPECT_EQ(empty->errorCounter(), 0);

    auto manager = makeManager(temp.file("missing.cpp"));
    QSignalSpy counter(manager.get(), &ConfigManager::errorCounterChanged);
    QSignalSpy message(manager.get(), &ConfigManager::errorMessageChanged);
    EXPECT_EQ(manager->load().code, FileNotAccessible);
    EXPECT_EQ(manager->errorMessage(),
              "Selected file was not found or you have not enough permissions.");
    manager->loadFromUi();
    EXPECT_EQ(manager->errorCounter(), 2);
    EXPECT_EQ(counter.count(), 2);
    EXPECT_EQ(message.count(), 2);
    EXPECT_FALSE(manager->isConfigLoaded());
}

TEST_F(ConfigManagerTest, TwoClustersWaitForTheChoice) {
    const auto twoClusters = temp.copyOfExample("two_clusters.cpp");
    auto manager = makeManager("");
    chooseOnOpen(*manager, twoClusters);
    QSignalSpy loaded(manager.get(), &ConfigManager::configLoaded);
    QSignalSpy id(manager.get(), &ConfigManager::configIdChanged);

    EXPECT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->multiConfigTrigger(), 1);
    EXPECT_FALSE(manager->isConfigLoaded());
    EXPECT_EQ(lateralOutputFilter(*manager)->cutoffFrequency(), 0.0f);
    EXPECT_TRUE(manager->configFilePath().isEmpty());

    EXPECT_FALSE(manager->setConfigFromUi(2));
    EXPECT_TRUE(manager->setConfigFromUi(1));
    EXPECT_EQ(manager->configModelId(), 1);
    EXPECT_EQ(manager->configFilePath(), qPath(twoClusters));
    EXPECT_EQ(loaded.count(), 1);
    ASSERT_EQ(id.count(), 1);
    EXPECT_EQ(id.at(0).at(0).toInt(), 1);
    // The light truck's lateral input limit (the passenger car's is 6 m/s²).
    const QObject* inputLimit =
        manager->configModel()->lateralConfigModel()->accelerationInputLimitModel();
    EXPECT_FLOAT_EQ(inputLimit->property("maxValue").toFloat(), 5.0f);
}

TEST_F(ConfigManagerTest, CancelledChoiceKeepsThePreviousState) {
    const auto one = temp.copyOfExample("one_cluster.cpp");
    auto manager = makeManager(one);
    ASSERT_EQ(manager->load().code, Success);
    lateralOutputFilter(*manager)->setCutoffFrequency(3.3f);

    chooseOnOpen(*manager, examplePath("two_clusters.cpp"));
    EXPECT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->configFilePath(), qPath(one));
    EXPECT_FLOAT_EQ(lateralOutputFilter(*manager)->cutoffFrequency(), 3.3f);
    EXPECT_TRUE(manager->configModel()->isModified());

    manager->setOpenFileChooser([](const QString&, const QString&) { return QString(); });
    EXPECT_FALSE(manager->loadFromUiEx());
    EXPECT_EQ(manager->multiConfigTrigger(), 1);
}

TEST_F(ConfigManagerTest, OneClusterLoadedThroughTheDialogBecomesTheSaveTarget) {
    const auto first = temp.copyOfExample("one_cluster.cpp", "first.cpp");
    const auto second = temp.copyOfExample("one_cluster.cpp", "second.cpp");
    auto manager = makeManager(first);
    ASSERT_EQ(manager->load().code, Success);
    QSignalSpy path(manager.get(), &ConfigManager::configFilePathChanged);

    chooseOnOpen(*manager, second);
    ASSERT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->configFilePath(), qPath(second));
    EXPECT_EQ(path.count(), 1);
    lateralOutputFilter(*manager)->setCutoffFrequency(4.5f);
    const std::string firstBefore = readBytes(first);
    ASSERT_EQ(manager->save().code, Success);

    EXPECT_EQ(readBytes(first), firstBefore);
    ConfigMap saved;
    ASSERT_EQ(loadScript(second.u16string(), saved).code, Success);
    EXPECT_EQ(saved[0].lateral.travel.outputFilter.cutoff[0], 4.5f);
}

// The second cluster of the earlier load must not survive: the one-cluster file has no section
// to save it into.
TEST_F(ConfigManagerTest, OneClusterAcceptedAfterTwoClustersSavesIntoItsFile) {
    auto manager = makeManager("");
    chooseOnOpen(*manager, temp.copyOfExample("two_clusters.cpp"));
    ASSERT_TRUE(manager->loadFromUiEx());
    ASSERT_TRUE(manager->setConfigFromUi(1));
    const auto one = temp.copyOfExample("one_cluster.cpp");
    chooseOnOpen(*manager, one);
    ASSERT_TRUE(manager->loadFromUiEx());
    EXPECT_EQ(manager->configModelId(), 0);

    manager->configModel()->setEnableGCorrection(!manager->configModel()->enableGCorrection());
    EXPECT_EQ(manager->save().code, Success);
    EXPECT_EQ(manager->errorCounter(), 0);
    EXPECT_FALSE(manager->configModel()->isModified());
}

// Tilt coordination cannot render more than gravity: larger input limits of every axis are cut
// on selection, and the cut shows as a modification that restoring undoes.
TEST_F(ConfigManagerTest, TiltInputLimitIsClampedToGravityOnEveryAxis) {
    ConfigMap configs;
    const auto path = temp.copyOfExample("one_cluster.cpp", "tilt.cpp");
    ASSERT_EQ(loadScript(path.u16string(), configs).code, Success);
    configs[0].lateral.tiltCoordinationInputLimit.maxValue = FloatPair{{12.0f, -12.0f}};
    configs[0].longitudinal.tiltCoordinationInputLimit.maxValue = FloatPair{{-10.0f, 9.0f}};
    configs[0].vertical.tiltCoordinationInputLimit.maxValue = FloatPair{{9.0f, 20.0f}};
    ASSERT_EQ(saveScript(path.u16string(), configs).code, Success);

    auto manager = makeManager(path);
    ASSERT_EQ(manager->load().code, Success);
    ConfigModel* root = manager->configModel();
    const struct {
        AxisConfigModel* axis;
        float shown[2];
        float saved[2];
    } axes[] = {{root->lateralConfigModel(), {9.81f, -9.81f}, {12.0f, -12.0f}},
                {root->longitudinalConfigModel(), {-9.81f, 9.0f}, {-10.0f, 9.0f}},
                {root->verticalConfigModel(), {9.0f, 9.81f}, {9.0f, 20.0f}}};
    for (const auto& a : axes) {
        SignalLimitationModel* limit = a.axis->tiltCoordinationInputLimitModel();
        for (int set : {0, 1}) {
            manager->paramSetModel()->setParamSetIndex(KEOParamSet::Enum(set));
            EXPECT_FLOAT_EQ(limit->maxValue(), a.shown[set]) << "set " << set;
        }
        EXPECT_TRUE(limit->isModified());
        limit->restoreDefaults();
        EXPECT_FLOAT_EQ(limit->maxValue(), a.saved[1]);
        EXPECT_FALSE(limit->isModified());
        manager->paramSetModel()->setParamSetIndex(KEOParamSet::First);
    }
    EXPECT_FALSE(root->isModified());
}

TEST_F(ConfigManagerTest, FailedSaveKeepsTheModifiedState) {
    const auto copy = temp.copyOfExample("one_cluster.cpp");
    auto manager = makeManager(copy);
    ASSERT_EQ(manager->load().code, Success);
    manager->configModel()->setEnableGCorrection(!manager->configModel()->enableGCorrection());
    writeBytes(copy, "// the section was removed\n");
    EXPECT_EQ(manager->save().code, SectionNotFound);
    EXPECT_EQ(manager->errorCounter(), 1);
    EXPECT_TRUE(manager->configModel()->isModified());
    EXPECT_EQ(readBytes(copy), "// the section was removed\n");
}

TEST_F(ConfigManagerTest, FailedLoadLeavesEverythingAsItWas) {
    const auto good = temp.copyOfExample("one_cluster.cpp");
    auto manager = makeManager(good);
    ASSERT_EQ(manager->load().code, Success);
    auto* travel = manager->configModel()->lateralConfigModel()->travelConfigModel();
    travel->setEnabled(!travel->enabled());

    // The second section of the bad file is valid JSON but no configuration.
    const auto bad = temp.file("bad.cpp");
    writeBytes(bad, readBytes(good) + "\nKEO_C2({ \"version\": 1 })KEO_C2\n");
    chooseOnOpen(*manager, bad);
    QSignalSpy id(manager.get(), &ConfigManager::configIdChanged);
    EXPECT_FALSE(manager->loadFromUiEx());
    EXPECT_EQ(manager->errorCounter(), 1);
    EXPECT_EQ(manager->errorMessage(), syntaxMessage);
    EXPECT_EQ(id.count(), 0);
    EXPECT_EQ(manager->configFilePath(), qPath(good));
    EXPECT_TRUE(manager->configModel()->isModified());
    EXPECT_FALSE(manager->setConfigFromUi(0)); // nothing of the failed load is staged
    travel->restoreDefaults();
    EXPECT_FALSE(manager->configModel()->isModified());
}

// Accepting a load must never leave the models on a freed record, also when the cluster being
// edited disappears from the new load or the chosen cluster does not exist.
TEST_F(ConfigManagerTest, ModelsStayOnLiveRecordsThroughLoadsAndChoices) {
    const auto one = temp.copyOfExample("one_cluster.cpp");
    const auto two = temp.copyOfExample("two_clusters.cpp");
    auto manager = makeManager(one);
    const int propertyCount = readEveryProperty(manager->configModel());
    EXPECT_GT(propertyCount, 300);
    ASSERT_EQ(manager->load().code, Success);

    chooseOnOpen(*manager, two);
    ASSERT_TRUE(manager->loadFromUiEx());
    ASSERT_TRUE(manager->setConfigFromUi(1));
    chooseOnOpen(*manager, one);
    ASSERT_TRUE(manager->loadFromUiEx());
    EXPECT_FALSE(manager->setConfigFromUi(1));
    EXPECT_EQ(readEveryProperty(manager->configModel()), propertyCount);

    chooseOnOpen(*manager, two);
    ASSERT_TRUE(manager->loadFromUiEx());
    ASSERT_TRUE(manager->setConfigFromUi(1));
    manager->paramSetModel()->switchParamSet();
    manager->configModel()->restoreDefaults();
    EXPECT_EQ(readEveryProperty(manager->configModel()), propertyCount);
    EXPECT_EQ(manager->save().code, Success);
}

TEST_F(ConfigManagerTest, NothingThrowsOutOfTheInvokables) {
    auto manager = makeManager(temp.file("no-such-folder/missing.json"));
    manager->setOpenFileChooser([this](const QString&, const QString&) {
        writeBytes(temp.file("junk.json"), std::string("\xFF\x00\x01", 3));
        return qPath(temp.file("junk.json"));
    });
    for (const char* method : {"saveFromUi", "loadFromUi", "loadFromUiEx"})
        EXPECT_NO_THROW(QMetaObject::invokeMethod(manager.get(), method, Qt::DirectConnection))
            << method;
    bool chosen = true;
    EXPECT_NO_THROW(QMetaObject::invokeMethod(manager.get(), "setConfigFromUi",
                                              Qt::DirectConnection, Q_RETURN_ARG(bool, chosen),
                                              Q_ARG(int, 7)));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(manager->errorCounter(), 3);
}

} // namespace
