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

// Released exactly once, whether the retriever goes by itself or with its Qt parent.
TEST(DataRetriever, RegistersWithTheSourceAndReleasesItOnDestruction) {
    for (const bool withParent : {false, true}) {
        HostSetup<RecordingSource> host;
        auto parent = std::make_unique<QObject>();
        auto* retriever = new DataRetriever(std::move(host.source), parent.get());
        IKEOOutputDataRetriever* receiver = retriever;
        EXPECT_EQ(host.log->calls(), std::vector<HostCall>{setReceiverCall(receiver)});
        if (withParent)
            parent.reset();
        else
            delete retriever;
        const std::vector<HostCall> expected{setReceiverCall(receiver), setReceiverCall(nullptr),
                                             destroyedCall()};
        EXPECT_EQ(host.log->calls(), expected) << "with parent " << withParent;
    }
}

// The host's notice that its source goes: the retriever lets go at once, a second notice and
// a delivery that was already under way change nothing, and destruction leaves the source alone.
TEST(DataRetriever, DetachesOnTheHostsNoticeAndThenDeliversNothing) {
    HostSetup<RecordingSource> host;
    std::vector<Delivery> deliveries;
    RecordingListener listener("A", deliveries);
    const KEOOutputRecord record{};
    {
        DestructionNotifier notifier;
        DataRetriever retriever(std::move(host.source));
        notifier.addReceiver(&retriever);
        retriever.addListener(&listener);
        notifier.notifyAboutToBeDestroyed();
        ASSERT_EQ(host.log->calls().size(), 3u);
        EXPECT_EQ(host.log->calls().back(), destroyedCall());
        retriever.aboutToBeDestroyed();
        retriever.onOutputs(&record, &record, false);
    }
    EXPECT_EQ(host.log->calls().size(), 3u);
    EXPECT_TRUE(deliveries.empty());

    DataRetriever withoutSource(nullptr);
    withoutSource.addListener(&listener);
    withoutSource.aboutToBeDestroyed();
    withoutSource.onOutputs(&record, &record, false);
    EXPECT_TRUE(deliveries.empty());
}

TEST(DataRetriever, EveryListenerReceivesEveryLaterDeliveryInTheOrderAdded) {
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

} // namespace
