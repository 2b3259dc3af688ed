#pragma once

#include "GraphSamples.h"
#include "platform/Clock.h"
#include "platform/Locks.h"

#include <QLine>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QBrush;
class QPainter;

namespace JVX {

class IGraphSourceWidget;
struct FrequencyAnalysis;
struct GraphPaintRequest;
class GraphPainter;

// Per-series values under the hover cursor and at the pressed position, kept between paints for
// the measurement band.
struct MeasurementRecord {
    float pressValue = 0.0f;
    std::uint64_t pressTime = 0;
    float hoverValue = 0.0f;
    std::uint64_t hoverTime = 0;
};

// A copy of the spectrum analysis, for views and tests.
struct SpectrumSnapshot {
    bool exists = false;
    float rate = 0.0f;
    std::vector<float> coefficients;
    std::vector<float> frequencies;
};

// One row of a CSV export: the time stamp of a sample of the first series and the stored values
// of every series of every exported graph.
struct CsvRow {
    std::uint64_t timestamp = 0;
    std::vector<float> values;
};

// The table a CSV export collects from one or more sources before writing it.
struct CsvTable {
    QStringList headers;
    std::vector<CsvRow> rows;
    // Room reserved in every new row: the number of columns of the whole export.
    int reservedValues = 0;
};

// The data side of a graph: several series of time-stamped values that arrive one step at a time
// on the delivery thread, and every display option the user can change for the graph. Up to two
// views show one source at once (the editor's thumbnail and the bigger view window).
//
// Threads: addSamples() runs on the delivery thread, everything else on the GUI thread. The
// series are guarded by a data lock that paintGraph() and collectCsvColumns() hold while they
// read; the widget list has a lock of its own, and the data lock is never held while the widget
// lock is taken. The option flags are relaxed atomics: the delivery thread and the painter read
// them while the GUI thread writes them, and a value that arrives one step late is harmless.
class GraphSource : public QObject {
    Q_OBJECT

public:
    static constexpr std::uint32_t DefaultMaxOnScreen = 200;
    static constexpr std::uint32_t MaxIntervalMs = 1999;
    static constexpr std::uint32_t MaxSpanMs = 99999;

    explicit GraphSource(QObject* parent = nullptr);
    ~GraphSource() override;

    // Appends one step of `count` values. A timestamp of 0 means "now" on the source's clock.
    // When repaintNow is true the registered widgets repaint at once (GUI thread only).
    void addSamples(std::uint32_t count, const float* values, bool repaintNow,
                    std::uint64_t timestampMs = 0);
    // Makes addSamples() drop every later step; returns once a step in progress is stored. For an
    // owner that is going away while the delivery thread may still reach the source.
    void refuseFurtherSamples();

    // Capacity of every series' ring; shrinking keeps the newest samples.
    void setMaxOnScreen(std::uint32_t n);
    std::uint32_t maxOnScreen() const;

    // Lets the next paint start the range afresh from the newest displayed value.
    void resetRanges();
    float rangeMin() const;
    float rangeMax() const;

    void setCaption(const QString& text, int index);
    QStringList captions() const;

    std::uint32_t channelCount() const;
    // Series the newest step delivered: the first deliveredCount() channels. The others (the
    // spectrum's two once the FFT is off) keep their samples but are neither drawn, ranged,
    // measured, listed nor exported; a step that delivers fewer series starts the range afresh.
    std::uint32_t deliveredCount() const;
    // Number of samples of the first series (all series hold the same number).
    std::uint32_t sampleCount() const;
    // Sample i (0 = oldest) of a series; a default sample when either index is out of range.
    Sample sample(std::uint32_t channel, std::uint32_t i) const;

    // Scale and offset of one series; an index out of range reads 0 and writes nothing.
    float scale(int index) const;
    void setScale(int index, float scale);
    float offset(int index) const;
    void setOffset(int index, float offset);

    // Visible flags of all series; setVisibility() writes the indices present in both lists.
    std::vector<bool> visibility() const;
    void setVisibility(const std::vector<bool>& visible);

    // Display options, read and written without locks.
    bool autoRangeDownscale() const { return m_autoRangeDownscale.load(std::memory_order_relaxed); }
    void setAutoRangeDownscale(bool on) {
        m_autoRangeDownscale.store(on, std::memory_order_relaxed);
    }
    bool symmetricalScale() const { return m_symmetricalScale.load(std::memory_order_relaxed); }
    void setSymmetricalScale(bool on) { m_symmetricalScale.store(on, std::memory_order_relaxed); }
    bool drawReferenceLines() const { return m_drawReferenceLines.load(std::memory_order_relaxed); }
    void setDrawReferenceLines(bool on) {
        m_drawReferenceLines.store(on, std::memory_order_relaxed);
    }
    bool fftEnabled() const { return m_fftEnabled.load(std::memory_order_relaxed); }
    void setFftEnabled(bool on) { m_fftEnabled.store(on, std::memory_order_relaxed); }
    // While frozen, delivered values are discarded, not queued.
    bool frozen() const { return m_frozen.load(std::memory_order_relaxed); }
    void setFrozen(bool on) { m_frozen.store(on, std::memory_order_relaxed); }
    // Divisor of the running low-pass filter; 1 means no filtering.
    int filterStrength() const { return m_filterStrength.load(std::memory_order_relaxed); }
    void setFilterStrength(int strength) {
        m_filterStrength.store(strength, std::memory_order_relaxed);
    }
    // Bound of the Y axis; 0 means no bound.
    float yLimit() const { return m_yLimit.load(std::memory_order_relaxed); }
    void setYLimit(float limit) { m_yLimit.store(limit, std::memory_order_relaxed); }
    // A Conversion code.
    int conversion() const { return m_conversion.load(std::memory_order_relaxed); }
    void setConversion(int code) { m_conversion.store(code, std::memory_order_relaxed); }

    // Last non-zero difference between the time stamps of two steps, at most 1999 ms.
    std::uint32_t intervalMs() const;
    // Time between the oldest and the newest sample of the first series, at most 99999 ms.
    std::uint32_t spanMs() const;
    SpectrumSnapshot spectrum() const;
    // The screen scale factor read at construction; multiplies font sizes when painting.
    float scaleFactor() const { return m_scaleFactor; }

    void registerWidget(IGraphSourceWidget* widget);
    void unregisterWidget(IGraphSourceWidget* widget);
    // Flags every registered widget for repainting; repaintNow (GUI thread only) also repaints.
    void markDirty(bool repaintNow);
    // GUI thread: repaints at once every flagged widget that is shown.
    void repaintDirtyWidgets();

    // Draws the series into (0, 0, width, height) of the painter; hover and press points are in
    // the painter's coordinates. Holds the data lock throughout. See GraphDrawing.h.
    void paintGraph(QPainter& painter, const QBrush& background, int width, int height,
                    const QPoint& hoverPoint, bool hovering, bool showDetails,
                    const QPoint& pressPoint, bool pressed);

    // Adds this source's columns (headers "title" or "title:caption") and its rows, following
    // the samples of the first series, to a CSV table. A row created by an earlier source whose
    // time stamp differs gets -1 for every series of this source. Adds nothing without series.
    void collectCsvColumns(const QString& title, CsvTable& table) const;

    // Replaces the millisecond clock that stamps steps delivered without a time stamp and times
    // the spectrum (replay and tests). Call before the first step; null restores the own clock.
    void setClock(std::function<std::uint64_t()> clock);

private:
    friend class GraphPainter;
    friend void paintGraph(GraphSource&, QPainter&, const GraphPaintRequest&);

    std::uint64_t now() const;
    FrequencyAnalysis& spectrumAnalysis();
    const float* appendSpectrumSeries(std::uint32_t& count, const float* values);
    void addMissingChannels(std::uint32_t count, std::uint64_t timestamp);
    void pushStep(std::uint32_t count, const float* values, std::uint64_t timestamp);
    void updateTiming(std::uint64_t timestamp);
    void noteDelivered(std::uint32_t count);
    bool restartRangeLocked();
    std::uint32_t channelZeroSpan() const;

    std::atomic<bool> m_autoRangeDownscale{false};
    std::atomic<bool> m_symmetricalScale{true};
    std::atomic<bool> m_drawReferenceLines{false};
    std::atomic<bool> m_fftEnabled{false};
    std::atomic<bool> m_frozen{false};
    std::atomic<int> m_filterStrength{1};
    std::atomic<float> m_yLimit{0.0f};
    std::atomic<int> m_conversion{0};

    // Guarded by the data lock.
    bool m_refusingSamples = false;
    std::unique_ptr<FrequencyAnalysis> m_spectrum;
    std::vector<Channel> m_channels;
    std::uint32_t m_delivered = 0;
    QStringList m_captions;
    std::uint32_t m_maxOnScreen = DefaultMaxOnScreen;
    float m_rangeMin = 0.0f;
    float m_rangeMax = 0.0f;

    mutable CriticalSectionLock m_dataLock;
    mutable CriticalSectionLock m_widgetLock;
    std::vector<IGraphSourceWidget*> m_widgets;
    // The size of m_widgets, readable without the widget lock.
    std::atomic<std::size_t> m_widgetCount{0};

    ElapsedClock m_clock;
    std::function<std::uint64_t()> m_externalClock;
    std::uint64_t m_lastTimestamp = 0;
    std::uint32_t m_interval = 0;
    std::uint32_t m_span = 0;
    float m_scaleFactor = 1.0f;

    // Painter state, guarded by the data lock: per-series measurement records and the drawing
    // buffers, which keep their capacity between paints.
    std::vector<MeasurementRecord> m_measurements;
    QVector<QLine> m_lineBuffer;
    QVector<QRect> m_rectBuffer;
    // Pixel column of every sample, pixel row of every sample of the series being drawn, and the
    // values of every pixel column of every visible series with where each series' run begins.
    std::vector<int> m_columnBuffer;
    std::vector<int> m_rowBuffer;
    std::vector<ColumnValues> m_columnValues;
    std::vector<std::size_t> m_columnRuns;
};

} // namespace JVX
