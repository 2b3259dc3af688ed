#include "graph/GraphSource.h"

#include "graph/GraphConversion.h"
#include "graph/IGraphSourceWidget.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using JVX::GraphSource;

void addValue(GraphSource& source, float value, std::uint64_t timestamp) {
    source.addSamples(1, &value, false, timestamp);
}

void addValues(GraphSource& source, std::initializer_list<float> values, std::uint64_t timestamp) {
    source.addSamples(static_cast<std::uint32_t>(values.size()), values.begin(), false, timestamp);
}

float newestValue(const GraphSource& source, std::uint32_t channel) {
    return source.sample(channel, source.sampleCount() - 1).value;
}

class FakeWidget : public JVX::IGraphSourceWidget {
public:
    void setNeedsRepaint(bool needsRepaint) override { dirty = needsRepaint; }
    bool needsRepaint() const override { return dirty; }
    bool isShownOnScreen() const override { return shown; }
    void repaintNow() override {
        ++repaints;
        dirty = false;
    }

    bool dirty = false;
    bool shown = true;
    int repaints = 0;
};

TEST(GraphSource, FirstStepFillsTheWholeRingWithTheFirstValue) {
    GraphSource source;
    addValues(source, {2.5f, -1.0f}, 1000);
    ASSERT_EQ(source.channelCount(), 2u);
    ASSERT_EQ(source.sampleCount(), 200u);
    for (std::uint32_t i = 0; i < 200; ++i) {
        EXPECT_EQ(source.sample(0, i), (JVX::Sample{2.5f, 1000}));
        EXPECT_EQ(source.sample(1, i), (JVX::Sample{-1.0f, 1000}));
    }
}

// A series that starts late is as long as the others at once; one missing from a step repeats
// its newest sample with that sample's time stamp.
TEST(GraphSource, LateSeriesStartFullAndMissingOnesRepeatTheirNewestSample) {
    GraphSource source;
    source.setMaxOnScreen(50);
    addValue(source, 1.0f, 10);
    addValues(source, {1.0f, 7.0f}, 20);
    EXPECT_EQ(source.sampleCount(), 50u);
    EXPECT_EQ(source.sample(1, 0), (JVX::Sample{0.0f, 20}));
    EXPECT_EQ(source.sample(1, 48), (JVX::Sample{0.0f, 20}));
    EXPECT_EQ(source.sample(1, 49), (JVX::Sample{7.0f, 20}));
    addValue(source, 4.0f, 30);
    EXPECT_EQ(source.sample(0, 49), (JVX::Sample{4.0f, 30}));
    EXPECT_EQ(source.sample(1, 49), (JVX::Sample{7.0f, 20}));
}

TEST(GraphSource, LowPassFilterMovesAFractionOfTheWayAndSurvivesBadInput) {
    GraphSource plain;
    addValue(plain, 1.0f, 10);
    addValue(plain, 1e-8f, 20); // (1e-8 - 1) + 1 would round to 0
    EXPECT_EQ(newestValue(plain, 0), 1e-8f);

    GraphSource tenth;
    tenth.setFilterStrength(10);
    addValue(tenth, 10.0f, 10); // from the empty ring's 0 one tenth of the way
    EXPECT_FLOAT_EQ(tenth.sample(0, 0).value, 1.0f);
    addValue(tenth, 10.0f, 20);
    EXPECT_FLOAT_EQ(newestValue(tenth, 0), 1.9f);
    addValue(tenth, NAN, 30); // a non-finite value must not stick
    addValue(tenth, 5.0f, 40);
    EXPECT_EQ(newestValue(tenth, 0), 5.0f);
    addValue(tenth, 15.0f, 50);
    EXPECT_EQ(newestValue(tenth, 0), 6.0f);

    GraphSource zero;
    zero.setFilterStrength(0); // no division by zero
    addValue(zero, 5.0f, 10);
    EXPECT_FLOAT_EQ(newestValue(zero, 0), 5.0f);
}

TEST(GraphSource, EveryConversionCodeAppliesItsUnits) {
    const struct {
        int code;
        float input;
        float expected;
        const char* name;
    } cases[] = {
        {0, 2.0f, 2.0f, "None"},
        {1, float(M_PI), 180.0f, "Rad -> Deg"},
        {2, 2.0f, 2000.0f, "m -> mm"},
        {3, 2.0f, 0.002f, "mm -> m"},
        {4, 1.0f, 1.9438f, "m/s -> knots"},
        {5, 1.0f, 0.51444f, "knots -> m/s"},
        {6, 1.852f, 1.0f, "km/h -> knots"},
        {7, 1.0f, 1.852f, "knots -> km/h"},
        {8, 10.0f, 36.0f, "m/s -> km/h"},
        {9, 2.0f, 2.0f, ""},
        {-1, 2.0f, 2.0f, nullptr},
    };
    for (const auto& c : cases) {
        GraphSource source;
        source.setConversion(c.code);
        addValue(source, c.input, 10);
        EXPECT_NEAR(newestValue(source, 0), c.expected, c.expected * 2e-4f) << c.code;
        if (c.name) {
            EXPECT_STREQ(JVX::conversionName(c.code), c.name);
        }
    }
}

// One value per step gets the dominant frequency and its relative amplitude as two more series
// (their values at every step: SpectrumEquivalenceTest.cpp); more values per step get none.
TEST(GraphSourceSpectrum, OnlyOneValuePerStepGetsTwoSpectrumSeries) {
    GraphSource source;
    std::uint64_t clock = 0;
    source.setClock([&clock] { return clock += 10; }); // a rate of 100 Hz
    source.setFftEnabled(true);
    addValue(source, 1.5f, 5);
    EXPECT_EQ(source.channelCount(), 3u);
    // Before 64 values the coefficients are 0: bin 2's frequency and no amplitude.
    EXPECT_FLOAT_EQ(newestValue(source, 1), 2 * 100.0f * 0.015625f);
    EXPECT_FLOAT_EQ(newestValue(source, 2), 0.0f);
    EXPECT_FLOAT_EQ(source.spectrum().coefficients[5], 0.0f);

    GraphSource three;
    three.setFftEnabled(true);
    addValues(three, {1, 2, 3}, 5);
    EXPECT_EQ(three.channelCount(), 3u);
    EXPECT_FALSE(three.spectrum().exists);
}

// The interval is the last non-zero step difference, the span covers the first series; both are
// capped.
TEST(GraphSource, IntervalAndSpanAreCapped) {
    GraphSource source;
    source.setClock([] { return std::uint64_t(0); });
    const struct {
        std::uint64_t timestamp;
        unsigned interval, span;
    } steps[] = {
        {1000, 1000, 0}, {1010, 10, 10}, {1010, 10, 10}, {9000, 1999, 8000}, {500000, 1999, 99999}};
    for (const auto& step : steps) {
        addValue(source, 1, step.timestamp);
        EXPECT_EQ(source.intervalMs(), step.interval) << step.timestamp;
        EXPECT_EQ(source.spanMs(), step.span) << step.timestamp;
    }
}

TEST(GraphSource, ShrinkingKeepsTheNewestAndGrowingRefillsOnTheNextStep) {
    GraphSource source;
    for (int i = 0; i < 200; ++i)
        addValue(source, float(i), 1 + i);
    source.setMaxOnScreen(50);
    ASSERT_EQ(source.sampleCount(), 50u);
    EXPECT_EQ(source.sample(0, 0).value, 150.0f);
    EXPECT_EQ(source.sample(0, 49).value, 199.0f);
    EXPECT_EQ(source.spanMs(), 49u);

    source.setMaxOnScreen(200);
    EXPECT_EQ(source.sampleCount(), 50u);
    EXPECT_EQ(source.sample(0, 0).value, 150.0f);
    addValue(source, 500.0f, 300);
    ASSERT_EQ(source.sampleCount(), 200u);
    EXPECT_EQ(source.sample(0, 0).value, 150.0f);
    EXPECT_EQ(source.sample(0, 49).value, 199.0f);
    EXPECT_EQ(source.sample(0, 50).value, 500.0f);
    EXPECT_EQ(source.sample(0, 199).value, 500.0f);
}

TEST(GraphSource, ResetRangesStartsFromTheNewestDisplayedValue) {
    GraphSource source;
    addValues(source, {4.0f, 9.0f}, 10);
    source.setVisibility({false, true});
    source.setScale(1, 2.0f);
    source.setOffset(1, 1.0f);
    FakeWidget widget;
    widget.shown = false;
    source.registerWidget(&widget);
    source.resetRanges();
    EXPECT_FLOAT_EQ(source.rangeMin(), 19.0f);
    EXPECT_FLOAT_EQ(source.rangeMax(), 19.0f);
    EXPECT_EQ(widget.repaints, 0);
    // With everything hidden the range is zero, shown at once even on a hidden widget.
    source.setVisibility({false, false});
    source.resetRanges();
    EXPECT_EQ(source.rangeMin(), 0.0f);
    EXPECT_EQ(source.rangeMax(), 0.0f);
    EXPECT_EQ(widget.repaints, 1);
    source.unregisterWidget(&widget);
}

TEST(GraphSource, FrozenSourceLosesDeliveredValues) {
    GraphSource source;
    addValue(source, 1.0f, 10);
    source.setFrozen(true);
    addValue(source, 2.0f, 20);
    addValues(source, {3.0f, 4.0f}, 30);
    EXPECT_EQ(source.channelCount(), 1u);
    source.setFrozen(false);
    addValue(source, 5.0f, 40);
    EXPECT_EQ(source.sample(0, 198), (JVX::Sample{1.0f, 10}));
    EXPECT_EQ(source.sample(0, 199), (JVX::Sample{5.0f, 40}));
    EXPECT_EQ(source.intervalMs(), 30u);
}

// An item being destroyed leaves its source to late deliveries, which must store nothing.
TEST(GraphSource, RefusingSourceDropsEveryLaterStep) {
    GraphSource source;
    FakeWidget widget;
    source.registerWidget(&widget);
    addValue(source, 1.0f, 10);
    source.refuseFurtherSamples();
    widget.dirty = false;
    addValues(source, {2.0f, 3.0f}, 20);
    EXPECT_EQ(source.channelCount(), 1u);
    EXPECT_EQ(source.sample(0, 199), (JVX::Sample{1.0f, 10}));
    EXPECT_FALSE(widget.dirty);
    source.unregisterWidget(&widget);
}

TEST(GraphSource, ScaleAndOffsetOutOfRangeReadZeroAndWriteNothing) {
    GraphSource source;
    addValue(source, 1.0f, 10);
    source.setScale(1, 5.0f);
    source.setOffset(-1, 5.0f);
    EXPECT_EQ(source.scale(1), 0.0f);
    EXPECT_EQ(source.offset(-1), 0.0f);
    EXPECT_EQ(source.channelCount(), 1u);
}

TEST(GraphSource, VisibilityWritesTheCommonIndices) {
    GraphSource source;
    addValues(source, {1, 2, 3}, 10);
    source.setVisibility({false, true, false, false, false});
    EXPECT_EQ(source.visibility(), (std::vector<bool>{false, true, false}));
    source.setVisibility({true});
    EXPECT_EQ(source.visibility(), (std::vector<bool>{true, true, false}));
}

TEST(GraphSource, DeliveryOnlyFlagsWidgetsAndTheGuiRepaintsShownOnes) {
    GraphSource source;
    FakeWidget shown;
    FakeWidget hidden;
    hidden.shown = false;
    source.registerWidget(&shown);
    source.registerWidget(&hidden);
    addValue(source, 1.0f, 10);
    EXPECT_TRUE(shown.dirty);
    EXPECT_TRUE(hidden.dirty);
    EXPECT_EQ(shown.repaints + hidden.repaints, 0);
    source.repaintDirtyWidgets();
    EXPECT_EQ(shown.repaints, 1);
    EXPECT_EQ(hidden.repaints, 0);
    source.repaintDirtyWidgets();
    EXPECT_EQ(shown.repaints, 1);
    source.unregisterWidget(&shown);
    source.unregisterWidget(&hidden);
}

TEST(GraphSource, CsvColumnsFollowTheFirstSeriesAndMarkMisalignedRows) {
    GraphSource first;
    first.setMaxOnScreen(50);
    first.setCaption("Input", 0);
    addValues(first, {1.0f, 2.0f}, 100);
    GraphSource second;
    second.setMaxOnScreen(50);
    addValue(second, 3.0f, 200);
    JVX::CsvTable table;
    table.reservedValues = 3;
    first.collectCsvColumns("Lateral", table);
    second.collectCsvColumns("Heave", table);
    EXPECT_EQ(table.headers, QStringList({"Lateral:Input", "Lateral", "Heave"}));
    ASSERT_EQ(table.rows.size(), 50u);
    EXPECT_EQ(table.rows[0].timestamp, 100u);
    EXPECT_EQ(table.rows[0].values, (std::vector<float>{1.0f, 2.0f, -1.0f}));
    GraphSource empty;
    empty.collectCsvColumns("Empty", table);
    EXPECT_EQ(table.headers.size(), 3);
}

} // namespace
