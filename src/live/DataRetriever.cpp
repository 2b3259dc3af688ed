#include "DataRetriever.h"

DataRetriever::DataRetriever(std::unique_ptr<HostOutputSource> source, QObject* parent)
    : QObject(parent)
    , m_source(std::move(source)) {
    if (m_source)
        m_source->setReceiver(this);
}

DataRetriever::~DataRetriever() {
    detach();
}

void DataRetriever::addListener(IKEOOutputDataRetriever* listener) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.push_back(listener);
}

void DataRetriever::onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                              bool flag) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (IKEOOutputDataRetriever* listener : m_listeners)
        listener->onOutputs(first, second, flag);
}

void DataRetriever::aboutToBeDestroyed() {
    detach();
}

// The source is unregistered outside the lock: the host's setReceiver(nullptr) may wait for a
// delivery that is itself waiting for the lock, and that delivery must be able to finish (it finds
// no listeners). Taking the source out under the lock leaves it to exactly one caller, should the
// host's notification and the retriever's destruction meet.
void DataRetriever::detach() {
    std::unique_ptr<HostOutputSource> source;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_listeners.clear();
        source = std::move(m_source);
    }
    if (source)
        source->setReceiver(nullptr);
}
