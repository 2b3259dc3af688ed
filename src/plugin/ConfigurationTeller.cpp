#include "ConfigurationTeller.h"

#include "KEOUI64/IKEOConfigurationListener.h"
#include "config/ConfigWriter.h"
#include "models/ConfigModel.h"
#include "models/ParamSetModel.h"
#include "script/ConfigManager.h"
#include "script/SectionScanner.h"

ConfigurationTeller::ConfigurationTeller(IKEOConfigurationListener* listener, QObject* parent)
    : QObject(parent)
    , m_listener(listener) {}

void ConfigurationTeller::watch(ConfigManager* manager) {
    m_manager = manager;
    connect(manager, &ConfigManager::configIdChanged, this, &ConfigurationTeller::schedule);
    connect(manager, &ConfigManager::configLoaded, this, &ConfigurationTeller::schedule);
    connect(manager->configModel(), &BaseModel::modifiedStateChanged, this,
            &ConfigurationTeller::schedule);
    connect(manager->paramSetModel(), &ParamSetModel::_keo_paramSetIndexChanged, this,
            &ConfigurationTeller::schedule);
    schedule();
}

void ConfigurationTeller::aboutToBeDestroyed() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = nullptr;
}

// One action may change many values (a restore, a load); the host hears the result once.
void ConfigurationTeller::schedule() {
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &ConfigurationTeller::tell, Qt::QueuedConnection);
}

void ConfigurationTeller::tell() {
    m_scheduled = false;
    if (!m_manager || !m_manager->isConfigLoaded())
        return;
    Json document;
    writeConfig(m_manager->configModel()->current(), document);
    std::string text;
    try {
        text = serializeSectionBody(document); // the text a save would write
    } catch (const std::exception& error) {
        qWarning("The edited configuration cannot be written: %s", error.what());
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_listener)
        m_listener->onConfigurationChanged(m_manager->configModelId(),
                                           m_manager->paramSetModel()->paramSetIndex(),
                                           text.c_str(), text.size());
}
