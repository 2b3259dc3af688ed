#pragma once

#include "IAboutToBeDestroyedNotificationReceiver.h"

#include <mutex>
#include <set>

// The host's registry of objects to tell before its output source is destroyed. Create registers
// the editor's output retriever here; the host calls notifyAboutToBeDestroyed() first when it
// tears its source down on its own. Header-only, so host and library agree on it whatever
// compiler built either.
class DestructionNotifier {
public:
    void addReceiver(JVX::IAboutToBeDestroyedNotificationReceiver* receiver) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_receivers.insert(receiver);
    }

    void removeReceiver(JVX::IAboutToBeDestroyedNotificationReceiver* receiver) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_receivers.erase(receiver);
    }

    // Tells every receiver once and forgets them.
    void notifyAboutToBeDestroyed() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (JVX::IAboutToBeDestroyedNotificationReceiver* receiver : m_receivers)
            receiver->aboutToBeDestroyed();
        m_receivers.clear();
    }

    bool contains(JVX::IAboutToBeDestroyedNotificationReceiver* receiver) const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_receivers.count(receiver) != 0;
    }

private:
    mutable std::mutex m_mutex;
    std::set<JVX::IAboutToBeDestroyedNotificationReceiver*> m_receivers;
};
