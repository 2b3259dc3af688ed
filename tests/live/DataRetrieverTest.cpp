#include "live/DataRetriever.h"

#include "FakeHost.h"
#include "KEOUI64/DestructionNotifier.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using fakehost::destroyedCall;
using fakehost::HostCall;
using fakehost::HostSetup;
using fakehost::RecordingSource;
using fakehost::setReceiverCall;

IKEOOutputDataRetriever* receiverOf(DataRetriever& retriever) {
    return &retriever;
}

struct Delivery {
    std::string listener;
    const KEOOutputRecord* first;
    const KEOOutputRecord* second;
    bool flag;

    bool operator==(const Delivery& other) const {
        return listener == other.listener && first == other.first && second == other.second &&
               flag == other.flag;
    }
};

std::ostream& operator<<(std::ostream& out, const Delivery& delivery) {
    return out << delivery.listener << '(' << delivery.first << ", " << delivery.second << ", "
               << delivery.flag << ')';
}

class RecordingListener : public IKEOOutputDataRetriever {
public:
    RecordingListener(std::string name, std::vector<Delivery>& deliveries)
        : m_name(std::move(name))
        , m_deliveries(deliveries) {}

    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                   bool flag) override {
        m_deliveries.push_back({m_name, first, second, flag});
    }

private:
    std::string m_name;
    std::vector<Delivery>& m_deliveries;
};

TEST(DataRetriever, RegistersWithTheSourceAndReleasesItOnDestruction) {
    HostSetup<RecordingSource> host;
    IKEOOutputDataRetriever* receiver = nullptr;
    {
        DataRetriever retriever(std::move(host.source));
        receiver = receiverOf(retriever);
        EXPECT_EQ(host.log->calls(), std::vector<HostCall>{setReceiverCall(receiver)});
    }
    const std::vector<HostCall> expected{setReceiverCall(receiver), setReceiverCall(nullptr),
                                         destroyedCall()};
    EXPECT_EQ(host.log->calls(), expected);
}

TEST(DataRetriever, WithoutASourceDeliversNothingAndDetachesQuietly) {
    std::vector<Delivery> deliveries;
    RecordingListener listener("A", deliveries);
    {
        DataRetriever retriever(nullptr);
        retriever.addListener(&listener);
        retriever.aboutToBeDestroyed();
        // Detaching empties the list even without a source.
        retriever.onOutputs(nullptr, nullptr, false);
    }
    EXPECT_TRUE(deliveries.empty());
}

TEST(DataRetriever, AfterTheHostsNoticeDestructionLeavesTheDeletedSourceAlone) {
    HostSetup<RecordingSource> host;
    IKEOOutputDataRetriever* receiver = nullptr;
    {
        DataRetriever retriever(std::move(host.source));
        receiver = receiverOf(retriever);
        retriever.aboutToBeDestroyed();
        const std::vector<HostCall> detached{setReceiverCall(receiver), setReceiverCall(nullptr),
                                             destroyedCall()};
        EXPECT_EQ(host.log->calls(), detached);
        retriever.aboutToBeDestroyed(); // a second notice is harmless as well
    }
    EXPECT_EQ(host.log->calls().size(), 3u);
}

TEST(DataRetriever, DetachesWhenTheNotifierTellsIt) {
    HostSetup<RecordingSource> host;
    DestructionNotifier notifier;
    DataRetriever retriever(std::move(host.source));
    notifier.addReceiver(&retriever);

    notifier.notifyAboutToBeDestroyed();

    ASSERT_EQ(host.log->calls().size(), 3u);
    EXPECT_EQ(host.log->calls().back(), destroyedCall());
}

TEST(DataRetriever, IsDestroyedAndDetachedWithItsQtParent) {
    HostSetup<RecordingSource> host;
    auto parent = std::make_unique<QObject>();
    new DataRetriever(std::move(host.source), parent.get()); // owned by its Qt parent
    parent.reset();
    ASSERT_EQ(host.log->calls().size(), 3u);
    EXPECT_EQ(host.log->calls()[1], setReceiverCall(nullptr));
    EXPECT_EQ(host.log->calls()[2], destroyedCall());
}

TEST(DataRetriever, EveryListenerReceivesEveryDeliveryInTheOrderAdded) {
    HostSetup<RecordingSource> host;
    std::vector<Delivery> deliveries;
    RecordingListener a("A", deliveries);
    RecordingListener b("B", deliveries);
    const KEOOutputRecord records[4]{};

    DataRetriever retriever(std::move(host.source));
    retriever.addListener(&a);
    retriever.addListener(&b);
    retriever.onOutputs(&records[0], &records[1], true);
    retriever.onOutputs(&records[2], &records[3], false);
    retriever.onOutputs(&records[1], &records[0], false);

    const std::vector<Delivery> expected{
        {"A", &records[0], &records[1], true},  {"B", &records[0], &records[1], true},
        {"A", &records[2], &records[3], false}, {"B", &records[2], &records[3], false},
        {"A", &records[1], &records[0], false}, {"B", &records[1], &records[0], false},
    };
    EXPECT_EQ(deliveries, expected);
}

TEST(DataRetriever, ALateListenerReceivesOnlyLaterDeliveries) {
    HostSetup<RecordingSource> host;
    std::vector<Delivery> deliveries;
    RecordingListener a("A", deliveries);
    RecordingListener b("B", deliveries);
    const KEOOutputRecord records[2]{};

    DataRetriever retriever(std::move(host.source));
    retriever.addListener(&a);
    retriever.onOutputs(&records[0], &records[1], false);
    retriever.addListener(&b);
    retriever.onOutputs(&records[1], &records[0], true);

    const std::vector<Delivery> expected{
        {"A", &records[0], &records[1], false},
        {"A", &records[1], &records[0], true},
        {"B", &records[1], &records[0], true},
    };
    EXPECT_EQ(deliveries, expected);
}

TEST(DataRetriever, NoListenerIsCalledAfterDetaching) {
    HostSetup<RecordingSource> host;
    std::vector<Delivery> deliveries;
    RecordingListener a("A", deliveries);
    const KEOOutputRecord record{};

    DataRetriever retriever(std::move(host.source));
    retriever.addListener(&a);
    retriever.aboutToBeDestroyed();
    retriever.onOutputs(&record, &record, false); // a delivery that was already under way

    EXPECT_TRUE(deliveries.empty());
}

} // namespace
