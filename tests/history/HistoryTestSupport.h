#pragma once

#include "models/ConfigFieldTable.h"
#include "models/ConfigModel.h"
#include "models/EditHistory.h"
#include "models/ParamSetModel.h"
#include "script/ConfigManager.h"
#include "support/TempDir.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A manager editing cluster 1 of a scratch copy of the two-cluster example.
class LoadedEditor : public ::testing::Test {
protected:
    void SetUp() override {
        m_script = m_temp.copyOfExample("two_clusters.cpp");
        m_manager = std::make_unique<ConfigManager>(m_script.u16string(), true);
        ASSERT_EQ(m_manager->load().code, Success);
        ASSERT_TRUE(m_manager->setConfigFromUi(0));
    }

    EditHistory& history() { return *m_manager->editHistory(); }
    ConfigModel& root() { return *m_manager->configModel(); }
    void showSet(int set) {
        m_manager->paramSetModel()->setParamSetIndex(static_cast<KEOParamSet::Enum>(set));
    }

    // Writes a field through the model the page binds, in the shown parameter set.
    void edit(int field, const QVariant& value) {
        const auto& f = configFieldTable::fields()[field];
        ASSERT_TRUE(history().modelOf(field)->setProperty(f.property, value)) << f.property.data();
    }

    static int fieldIndex(const QString& modelPath, const char* property) {
        const auto& table = configFieldTable::fields();
        for (int i = 0; i < static_cast<int>(table.size()); ++i) {
            if (table[i].modelPath == modelPath && table[i].property == property)
                return i;
        }
        ADD_FAILURE() << "no field " << modelPath.toStdString() << " " << property;
        return 0;
    }

    float stored(int field, int set) const {
        const std::uint32_t raw =
            configFieldTable::read(m_manager->editHistory()->current(), {field, set});
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }

    TempDir m_temp;
    std::filesystem::path m_script;
    std::unique_ptr<ConfigManager> m_manager;
};
