#pragma once

#include "KEOUI64/IAboutToBeDestroyedNotificationReceiver.h"

#include <QObject>
#include <mutex>

class ConfigManager;
class IKEOConfigurationListener;

// Tells a host that runs the algorithm the configuration being edited (IKEOConfigurationListener):
// after a load, an edit, a restore, a cluster choice or a parameter-set switch it writes the edited
// cluster's configuration as version-1 JSON and hands it over, once per pass of the event loop.
// The host's destruction notifier silences it before the listener, the host's output source, goes.
class ConfigurationTeller : public QObject, public JVX::IAboutToBeDestroyedNotificationReceiver {
    Q_OBJECT

public:
    ConfigurationTeller(IKEOConfigurationListener* listener, QObject* parent);

    // Follows the manager's edited configuration from now on.
    void watch(ConfigManager* manager);

    void aboutToBeDestroyed() override;

private:
    void schedule();
    void tell();

    ConfigManager* m_manager = nullptr;
    bool m_scheduled = false;
    // Guards m_listener: the notifier may clear it from another thread.
    std::mutex m_mutex;
    IKEOConfigurationListener* m_listener;
};
