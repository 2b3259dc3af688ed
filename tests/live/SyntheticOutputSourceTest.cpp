// The host's stand-in output source: its delivery thread and the drive it streams.
#include "SyntheticOutputSource.h"

#include "EditorOptions.h"
#include "SyntheticDrive.h"
#include "live/RoutingTable.h"

#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

using synthetic::Quantity;

// Records what arrives, from whichever thread delivers it.
class CountingReceiver : public IKEOOutputDataRetriever {
public:
    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool) override {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (first->timestampUs() != second->timestampUs())
            ++m_mismatchedStamps;
        m_stamps.push_back(first->timestampUs());
        m_threads.insert(std::this_thread::get_id());
        m_count.fetch_add(1);
    }

    void waitFor(long count) const {
        while (m_count.load() < count)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    long count() const { return m_count.load(); }
    std::vector<std::uint64_t> stamps() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_stamps;
    }
    std::set<std::thread::id> threads() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_threads;
    }
    int mismatchedStamps() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_mismatchedStamps;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::uint64_t> m_stamps;
    std::set<std::thread::id> m_threads;
    int m_mismatchedStamps = 0;
    std::atomic<long> m_count{0};
};

// Long enough for a running thread at 1000 records per second to deliver several more.
void letAStoppedSourceProveItIsStopped() {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

TEST(SyntheticOutputSource, DeliversOnItsOwnThreadInMicrosecondSteps) {
    CountingReceiver receiver;
    SyntheticOutputSource source(1000);
    source.setReceiver(&receiver);
    receiver.waitFor(20);
    source.setReceiver(nullptr);

    EXPECT_EQ(receiver.threads().count(std::this_thread::get_id()), 0u);
    EXPECT_EQ(receiver.threads().size(), 1u);
    EXPECT_EQ(receiver.mismatchedStamps(), 0);
    const std::vector<std::uint64_t> stamps = receiver.stamps();
    for (std::size_t i = 0; i < stamps.size(); ++i)
        EXPECT_EQ(stamps[i], (i + 1) * 1000u) << "step " << i; // 1 ms apart, in microseconds
}

TEST(SyntheticOutputSource, NothingArrivesOnceTheReceiverIsReplacedByNull) {
    CountingReceiver receiver;
    SyntheticOutputSource source(1000);
    source.setReceiver(&receiver);
    receiver.waitFor(3);
    source.setReceiver(nullptr);
    const long delivered = receiver.count();
    letAStoppedSourceProveItIsStopped();
    EXPECT_EQ(receiver.count(), delivered);
}

TEST(SyntheticOutputSource, ANewReceiverContinuesTheSimulatedTime) {
    CountingReceiver first;
    CountingReceiver second;
    SyntheticOutputSource source(1000);
    source.setReceiver(&first);
    first.waitFor(3);
    source.setReceiver(&second);
    const long firstCount = first.count();
    second.waitFor(3);
    source.setReceiver(nullptr);

    EXPECT_EQ(first.count(), firstCount);
    EXPECT_EQ(second.stamps().front(), first.stamps().back() + 1000u);
}

TEST(SyntheticOutputSource, DestructionStopsTheThread) {
    CountingReceiver receiver;
    {
        SyntheticOutputSource source(1000);
        source.setReceiver(&receiver);
        receiver.waitFor(3);
    }
    const long delivered = receiver.count();
    letAStoppedSourceProveItIsStopped();
    EXPECT_EQ(receiver.count(), delivered);
}

TEST(SyntheticOutputSource, WithoutAReceiverNothingIsDelivered) {
    CountingReceiver receiver;
    {
        SyntheticOutputSource source;
        EXPECT_EQ(source.recordsPerSecond(), SyntheticOutputSource::defaultRecordsPerSecond);
        letAStoppedSourceProveItIsStopped();
    }
    EXPECT_EQ(receiver.count(), 0);
}

// --- The drive ---

struct Steps {
    std::vector<KEOOutputRecord> first;
    std::vector<KEOOutputRecord> second;
};

// Twenty seconds of the drive at 100 records per second.
const Steps& twentySeconds() {
    static const Steps steps = [] {
        Steps result;
        for (std::uint64_t step = 1; step <= 2000; ++step) {
            KEOOutputRecord first{};
            KEOOutputRecord second{};
            SyntheticOutputSource::fillStep(step, 100, first, second);
            result.first.push_back(first);
            result.second.push_back(second);
        }
        return result;
    }();
    return steps;
}

std::set<int> routedWords() {
    std::set<int> words;
    for (const routing::GraphRoute& route : routing::graphRoutes)
        for (int i = 0; i < route.seriesCount; ++i) {
            words.insert(route.series[i].word);
            if (route.series[i].otherWord >= 0)
                words.insert(route.series[i].otherWord);
        }
    return words;
}

TEST(SyntheticDrive, IsDeterministic) {
    KEOOutputRecord a[2]{};
    KEOOutputRecord b[2]{};
    SyntheticOutputSource::fillStep(1234, 500, a[0], a[1]);
    SyntheticOutputSource::fillStep(1234, 500, b[0], b[1]);
    EXPECT_EQ(std::memcmp(a, b, sizeof a), 0);
    EXPECT_EQ(a[0].timestampUs(), 2468000u);
}

TEST(SyntheticDrive, EveryRoutedWordMovesWithinTheSizeOfWhatItCarries) {
    for (const int word : routedWords()) {
        const Quantity quantity = synthetic::quantityOf(word);
        ASSERT_NE(quantity, Quantity::Unused) << "word " << word;
        const float peak = synthetic::peakOf(quantity);
        float largest = 0.0f;
        for (const KEOOutputRecord& record : twentySeconds().first) {
            EXPECT_LE(std::fabs(record.signal(word)), peak) << "word " << word;
            largest = std::max(largest, std::fabs(record.signal(word)));
        }
        EXPECT_GT(largest, 0.5f * peak) << "word " << word;
    }
}

TEST(SyntheticDrive, SizesFitTheirMeaning) {
    EXPECT_EQ(synthetic::quantityOf(3), Quantity::Acceleration); // longitudinal input
    EXPECT_EQ(synthetic::quantityOf(7), Quantity::AngularRate);  // roll rate input
    EXPECT_EQ(synthetic::quantityOf(24), Quantity::Travel);      // longitudinal output travel
    EXPECT_EQ(synthetic::quantityOf(56), Quantity::Angle);       // lateral tilt output
    EXPECT_EQ(synthetic::quantityOf(152), Quantity::Travel);     // final surge
    EXPECT_GT(synthetic::peakOf(Quantity::Acceleration), 1.0f);  // m/s²
    EXPECT_LT(synthetic::peakOf(Quantity::Travel), 0.5f);        // m
    EXPECT_LT(synthetic::peakOf(Quantity::Angle), 0.35f);        // rad: under 20 degrees
    EXPECT_LT(synthetic::peakOf(Quantity::AngularRate), 1.0f);   // rad/s
    EXPECT_EQ(synthetic::quantityOf(16), Quantity::Unused);
    EXPECT_EQ(twentySeconds().first[100].signal(16), 0.0f);
}

// At 1000 records per second no series jumps by more than a tenth of its size between steps.
TEST(SyntheticDrive, IsSmooth) {
    std::vector<KEOOutputRecord> steps(2000);
    KEOOutputRecord second{};
    for (std::uint64_t step = 1; step <= steps.size(); ++step)
        SyntheticOutputSource::fillStep(step, 1000, steps[step - 1], second);
    for (const int word : routedWords()) {
        const float peak = synthetic::peakOf(synthetic::quantityOf(word));
        for (std::size_t i = 1; i < steps.size(); ++i)
            ASSERT_LE(std::fabs(steps[i].signal(word) - steps[i - 1].signal(word)), 0.1f * peak)
                << "word " << word << " step " << i;
    }
}

std::vector<float> seriesOver(const std::vector<KEOOutputRecord>& steps, int word) {
    std::vector<float> series;
    for (const KEOOutputRecord& record : steps)
        series.push_back(record.signal(word));
    return series;
}

TEST(SyntheticDrive, NoTwoRoutedWordsCarryTheSameSignal) {
    std::map<std::vector<float>, int> seen;
    for (const int word : routedWords()) {
        const auto inserted = seen.emplace(seriesOver(twentySeconds().first, word), word);
        EXPECT_TRUE(inserted.second) << "words " << word << " and " << inserted.first->second;
    }
}

TEST(SyntheticDrive, TheClustersDriveDifferently) {
    for (const int word : routedWords())
        EXPECT_NE(seriesOver(twentySeconds().first, word), seriesOver(twentySeconds().second, word))
            << "word " << word;
}

// --- The command line ---

TEST(EditorOptions, RateDefaultsToFiveHundredAndCanBeChosen) {
    QString error;
    EXPECT_EQ(parseEditorOptions({}, error)->outputRate, 500);
    EXPECT_EQ(
        parseEditorOptions({QStringLiteral("--rate"), QStringLiteral("5000")}, error)->outputRate,
        5000);
    for (const char* bad : {"0", "-3", "many", "20001"}) {
        EXPECT_FALSE(
            parseEditorOptions({QStringLiteral("--rate"), QString::fromLatin1(bad)}, error))
            << bad;
        EXPECT_TRUE(error.startsWith(QStringLiteral("--rate"))) << qPrintable(error);
    }
}

TEST(EditorOptions, NoGraphsMeansNoOutputSource) {
    QString error;
    EXPECT_TRUE(parseEditorOptions({}, error)->graphs);
    EXPECT_FALSE(parseEditorOptions({QStringLiteral("--no-graphs")}, error)->graphs);
}

} // namespace
