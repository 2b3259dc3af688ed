#include "GraphSource.h"

#include "FrequencyAnalysis.h"
#include "GraphConversion.h"
#include "GraphDrawing.h"
#include "IGraphSourceWidget.h"
#include "platform/ScreenScale.h"

#include <algorithm>

namespace JVX {

GraphSource::GraphSource(QObject* parent)
    : QObject(parent)
    , m_scaleFactor(screenScaleFactor()) {
    m_lastTimestamp = now();
}

// Out of line so that FrequencyAnalysis stays an incomplete type in the header.
GraphSource::~GraphSource() = default;

std::uint64_t GraphSource::now() const {
    if (m_externalClock)
        return m_externalClock();
    return static_cast<std::uint64_t>(m_clock.elapsedMs());
}

void GraphSource::setClock(std::function<std::uint64_t()> clock) {
    ScopedLock lock(m_dataLock);
    m_externalClock = std::move(clock);
    m_lastTimestamp = now();
}

void GraphSource::addSamples(std::uint32_t count, const float* values, bool repaintNow,
                             std::uint64_t timestampMs) {
    if (frozen())
        return;
    {
        // The spectrum step runs under the data lock too: the painter reads its results.
        ScopedLock lock(m_dataLock);
        if (m_refusingSamples)
            return;
        if (fftEnabled() && (count == 1 || count == 2))
            values = appendSpectrumSeries(count, values);
        const std::uint64_t timestamp = timestampMs != 0 ? timestampMs : now();
        addMissingChannels(count, timestamp);
        pushStep(count, values, timestamp);
        noteDelivered(count);
        updateTiming(timestamp);
    }
    // Never take the widget lock while holding the data lock: a repaint takes them the other way.
    markDirty(repaintNow);
}

void GraphSource::refuseFurtherSamples() {
    ScopedLock lock(m_dataLock);
    m_refusingSamples = true;
}

FrequencyAnalysis& GraphSource::spectrumAnalysis() {
    if (!m_spectrum)
        m_spectrum = std::make_unique<FrequencyAnalysis>(now());
    return *m_spectrum;
}

// Appends the dominant frequency and its relative amplitude as two more series of this step.
const float* GraphSource::appendSpectrumSeries(std::uint32_t& count, const float* values) {
    FrequencyAnalysis& spectrum = spectrumAnalysis();
    spectrum.pushInput(values[0]);
    const std::uint64_t time = now();
    if (spectrum.inputFull())
        spectrum.transformInput();
    spectrum.updateRate(time);
    const int bin = spectrum.dominantBin();
    spectrum.extended.assign(values, values + count);
    spectrum.extended.push_back(spectrum.frequencies[bin]);
    spectrum.extended.push_back(spectrum.relativeAmplitude(bin));
    count += 2;
    return spectrum.extended.data();
}

// New series start as long as the others, so that every series has the same number of samples.
void GraphSource::addMissingChannels(std::uint32_t count, std::uint64_t timestamp) {
    if (count <= m_channels.size())
        return;
    const std::uint32_t prefill = m_channels.empty() ? 0 : m_channels.front().ring.count();
    while (m_channels.size() < count) {
        Channel channel;
        channel.ring = SampleRing(m_maxOnScreen);
        for (std::uint32_t i = 0; i < prefill; ++i)
            channel.ring.push({0.0f, timestamp});
        m_channels.push_back(std::move(channel));
    }
}

void GraphSource::pushStep(std::uint32_t count, const float* values, std::uint64_t timestamp) {
    const int conversion = this->conversion();
    const int strength = filterStrength();
    for (std::uint32_t k = 0; k < m_channels.size(); ++k) {
        SampleRing& ring = m_channels[k].ring;
        if (k < count) {
            const float converted = convertValue(conversion, values[k]);
            const float previous = ring.empty() ? 0.0f : ring.newest().value;
            ring.push({lowPassStep(previous, converted, strength), timestamp});
        } else {
            // A series missing from this step repeats its newest sample, time stamp included.
            ring.push(ring.empty() ? Sample{0.0f, timestamp} : ring.newest());
        }
        // A series is full after its first step: its first value shows across the whole width.
        while (ring.count() < m_maxOnScreen)
            ring.push(ring.newest());
    }
}

// A series that stopped arriving (the spectrum's, once the FFT is off) must not hold the range
// it widened: the delivered ones would draw as flat lines inside it.
void GraphSource::noteDelivered(std::uint32_t count) {
    const bool shrinking = count < m_delivered;
    m_delivered = count;
    if (shrinking)
        restartRangeLocked();
}

void GraphSource::updateTiming(std::uint64_t timestamp) {
    const std::uint64_t difference =
        std::min<std::uint64_t>(timestamp - m_lastTimestamp, MaxIntervalMs);
    if (difference != 0) {
        m_interval = static_cast<std::uint32_t>(difference);
        m_lastTimestamp = timestamp;
    }
    m_span = channelZeroSpan();
}

std::uint32_t GraphSource::channelZeroSpan() const {
    if (m_channels.empty() || m_channels.front().ring.empty())
        return 0;
    const SampleRing& ring = m_channels.front().ring;
    const std::uint64_t span = ring.newest().timestamp - ring.oldest().timestamp;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(span, MaxSpanMs));
}

void GraphSource::setMaxOnScreen(std::uint32_t n) {
    ScopedLock lock(m_dataLock);
    if (n == m_maxOnScreen)
        return;
    m_maxOnScreen = n;
    for (Channel& channel : m_channels) {
        while (channel.ring.count() > n)
            channel.ring.dropOldest();
        channel.ring.resize(n);
    }
    m_span = channelZeroSpan();
}

std::uint32_t GraphSource::maxOnScreen() const {
    ScopedLock lock(m_dataLock);
    return m_maxOnScreen;
}

void GraphSource::resetRanges() {
    {
        ScopedLock lock(m_dataLock);
        if (restartRangeLocked())
            return;
    }
    // No paint would follow from new data alone when nothing is shown, so repaint now.
    markDirty(true);
}

// The next paint widens the range again from the newest value of the first shown series;
// returns whether there was one (else the range is 0..0).
bool GraphSource::restartRangeLocked() {
    for (std::uint32_t k = 0; k < m_delivered; ++k) {
        const Channel& channel = m_channels[k];
        if (channel.visible && !channel.ring.empty()) {
            m_rangeMin = m_rangeMax = channel.displayed(channel.ring.newest());
            return true;
        }
    }
    m_rangeMin = m_rangeMax = 0.0f;
    return false;
}

float GraphSource::rangeMin() const {
    ScopedLock lock(m_dataLock);
    return m_rangeMin;
}

float GraphSource::rangeMax() const {
    ScopedLock lock(m_dataLock);
    return m_rangeMax;
}

void GraphSource::setCaption(const QString& text, int index) {
    if (index < 0)
        return;
    ScopedLock lock(m_dataLock);
    while (m_captions.size() <= index)
        m_captions.append(QString());
    m_captions[index] = text;
}

QStringList GraphSource::captions() const {
    ScopedLock lock(m_dataLock);
    return m_captions;
}

std::uint32_t GraphSource::channelCount() const {
    ScopedLock lock(m_dataLock);
    return static_cast<std::uint32_t>(m_channels.size());
}

std::uint32_t GraphSource::deliveredCount() const {
    ScopedLock lock(m_dataLock);
    return m_delivered;
}

std::uint32_t GraphSource::sampleCount() const {
    ScopedLock lock(m_dataLock);
    return m_channels.empty() ? 0 : m_channels.front().ring.count();
}

Sample GraphSource::sample(std::uint32_t channel, std::uint32_t i) const {
    ScopedLock lock(m_dataLock);
    if (channel >= m_channels.size() || i >= m_channels[channel].ring.count())
        return {};
    return m_channels[channel].ring.at(i);
}

float GraphSource::scale(int index) const {
    ScopedLock lock(m_dataLock);
    if (index < 0 || index >= static_cast<int>(m_channels.size()))
        return 0.0f;
    return m_channels[index].scale;
}

void GraphSource::setScale(int index, float scale) {
    ScopedLock lock(m_dataLock);
    if (index >= 0 && index < static_cast<int>(m_channels.size()))
        m_channels[index].scale = scale;
}

float GraphSource::offset(int index) const {
    ScopedLock lock(m_dataLock);
    if (index < 0 || index >= static_cast<int>(m_channels.size()))
        return 0.0f;
    return m_channels[index].offset;
}

void GraphSource::setOffset(int index, float offset) {
    ScopedLock lock(m_dataLock);
    if (index >= 0 && index < static_cast<int>(m_channels.size()))
        m_channels[index].offset = offset;
}

std::vector<bool> GraphSource::visibility() const {
    ScopedLock lock(m_dataLock);
    std::vector<bool> visible;
    visible.reserve(m_channels.size());
    for (const Channel& channel : m_channels)
        visible.push_back(channel.visible);
    return visible;
}

void GraphSource::setVisibility(const std::vector<bool>& visible) {
    ScopedLock lock(m_dataLock);
    const std::size_t common = std::min(visible.size(), m_channels.size());
    for (std::size_t i = 0; i < common; ++i)
        m_channels[i].visible = visible[i];
}

std::uint32_t GraphSource::intervalMs() const {
    ScopedLock lock(m_dataLock);
    return m_interval;
}

std::uint32_t GraphSource::spanMs() const {
    ScopedLock lock(m_dataLock);
    return m_span;
}

SpectrumSnapshot GraphSource::spectrum() const {
    ScopedLock lock(m_dataLock);
    SpectrumSnapshot snapshot;
    if (!m_spectrum)
        return snapshot;
    snapshot.exists = true;
    snapshot.rate = m_spectrum->rate;
    snapshot.coefficients.assign(m_spectrum->coefficients.begin(), m_spectrum->coefficients.end());
    snapshot.frequencies.assign(m_spectrum->frequencies.begin(), m_spectrum->frequencies.end());
    return snapshot;
}

void GraphSource::registerWidget(IGraphSourceWidget* widget) {
    ScopedLock lock(m_widgetLock);
    m_widgets.push_back(widget);
    m_widgetCount.store(m_widgets.size(), std::memory_order_release);
}

void GraphSource::unregisterWidget(IGraphSourceWidget* widget) {
    ScopedLock lock(m_widgetLock);
    m_widgets.erase(std::remove(m_widgets.begin(), m_widgets.end(), widget), m_widgets.end());
    m_widgetCount.store(m_widgets.size(), std::memory_order_release);
}

// Indexed loops: a repaint may register or unregister widgets (the lock is re-entrant).
// Most graphs have no plotting window open; their steps skip the lock. A widget registered
// meanwhile misses nothing: it starts out flagged for repainting.
void GraphSource::markDirty(bool repaintNow) {
    if (m_widgetCount.load(std::memory_order_acquire) == 0)
        return;
    ScopedLock lock(m_widgetLock);
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        m_widgets[i]->setNeedsRepaint(true);
        if (repaintNow)
            m_widgets[i]->repaintNow();
    }
}

void GraphSource::repaintDirtyWidgets() {
    ScopedLock lock(m_widgetLock);
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        IGraphSourceWidget* widget = m_widgets[i];
        if (widget->needsRepaint() && widget->isShownOnScreen())
            widget->repaintNow();
    }
}

void GraphSource::paintGraph(QPainter& painter, const QBrush& background, int width, int height,
                             const QPoint& hoverPoint, bool hovering, bool showDetails,
                             const QPoint& pressPoint, bool pressed) {
    GraphPaintRequest request;
    request.background = background;
    request.width = width;
    request.height = height;
    request.hoverPoint = hoverPoint;
    request.hovering = hovering;
    request.showDetails = showDetails;
    request.pressPoint = pressPoint;
    request.pressed = pressed;
    JVX::paintGraph(*this, painter, request);
}

void GraphSource::collectCsvColumns(const QString& title, CsvTable& table) const {
    ScopedLock lock(m_dataLock);
    if (m_delivered == 0)
        return;
    const int delivered = static_cast<int>(m_delivered);
    for (int i = 0; i < delivered; ++i) {
        const bool captioned = i < m_captions.size() && !m_captions[i].isEmpty();
        table.headers.append(captioned ? title + QLatin1Char(':') + m_captions[i] : title);
    }
    const SampleRing& first = m_channels.front().ring;
    for (std::uint32_t j = 0; j < first.count(); ++j) {
        const std::uint64_t timestamp = first.at(j).timestamp;
        if (j >= table.rows.size()) {
            table.rows.push_back({timestamp, {}});
            table.rows.back().values.reserve(static_cast<std::size_t>(table.reservedValues));
        }
        CsvRow& row = table.rows[j];
        const bool aligned = row.timestamp == timestamp;
        for (int k = 0; k < delivered; ++k) {
            // Every series holds as many samples as the first one.
            row.values.push_back(aligned ? m_channels[k].ring.at(j).value : -1.0f);
        }
    }
}

} // namespace JVX
