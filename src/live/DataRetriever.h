#pragma once

#include "KEOUI64/HostOutputSource.h"
#include "KEOUI64/IAboutToBeDestroyedNotificationReceiver.h"
#include "KEOUI64/IKEOOutputDataRetriever.h"

#include <QObject>
#include <memory>
#include <mutex>
#include <vector>

// Receives the algorithm's outputs from the host's output source and passes every delivery on to
// its listeners, in the order they were added, on the host's delivering thread.
//
// The retriever registers itself with the source at construction and detaches when the host
// announces that the source goes (aboutToBeDestroyed) or when the retriever is destroyed,
// whichever comes first. Detaching empties the listener list, unregisters from the source and
// deletes it.
//
// Listeners run with the listener lock held: they must not call back into the retriever, and they
// lock against the GUI thread themselves.
class DataRetriever : public QObject,
                      public IKEOOutputDataRetriever,
                      public JVX::IAboutToBeDestroyedNotificationReceiver {
    Q_OBJECT

public:
    // Takes over `source`, which may be null: then nothing is ever delivered.
    explicit DataRetriever(std::unique_ptr<HostOutputSource> source, QObject* parent = nullptr);
    ~DataRetriever() override;

    // `listener` is not owned and must stay valid until the retriever has detached.
    void addListener(IKEOOutputDataRetriever* listener);

    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool flag) override;
    void aboutToBeDestroyed() override;

private:
    void detach();

    std::unique_ptr<HostOutputSource> m_source;
    std::vector<IKEOOutputDataRetriever*> m_listeners;
    // Guards m_listeners and the hand-over of m_source at detaching. Not recursive: a listener that
    // calls back into the retriever is a programming error.
    std::mutex m_mutex;
};
