#include "Simulation.h"

#include "engine/Engine.h"
#include "engine/Words.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;
// Within this share of its final limit a degree of freedom counts as pressed against it: a hard
// limit holds it exactly there, a soft curve comes this close only when driven far beyond.
constexpr double atLimitShare = 0.995;
// Angles travel in single precision; the rate of a tilt measured from two of them carries that
// rounding, so a tilt at its limit may seem a hair beyond it.
constexpr double rateTolerance = 1.01;

constexpr int platformWord(int dof) {
    constexpr int words[6] = {engine::words::platform.roll, engine::words::platform.pitch,
                              engine::words::platform.yaw,  engine::words::platform.heave,
                              engine::words::platform.sway, engine::words::platform.surge};
    return words[dof];
}

constexpr int tiltWords[3] = {engine::words::longitudinalTilt.rateLimited,
                              engine::words::lateralTilt.rateLimited,
                              engine::words::verticalTilt.rateLimited};

} // namespace

double DofUse::percentOfEnvelope() const {
    return envelope > 0.0 ? 100.0 * peak / envelope : (peak > 0.0 ? INFINITY : 0.0);
}

bool DofUse::beyondEnvelope() const {
    // The record holds single precision: a peak exactly at the envelope may round a hair above.
    return peak > double(float(envelope)) * (1.0 + 1e-6);
}

bool TiltUse::beyondLimit() const {
    return enabled && peakRate > rateLimit * rateTolerance + 1e-9;
}

bool EnvelopeReport::withinEnvelope() const {
    for (const DofUse& dof : dofs)
        if (dof.beyondEnvelope() || dof.atLimit())
            return false;
    for (const TiltUse& tilt : tilts)
        if (tilt.beyondLimit())
            return false;
    return true;
}

EnvelopeMonitor::EnvelopeMonitor(const engine::Tuning& tuning, const WorkEnvelopeLimits& envelope)
    : m_stepSeconds(1.0 / tuning.stepRate) {
    const engine::LimitCurve* limits[6] = {&tuning.roll,  &tuning.pitch, &tuning.yaw,
                                           &tuning.heave, &tuning.sway,  &tuning.surge};
    const double envelopes[6] = {envelope.roll,  envelope.pitch, envelope.yaw,
                                 envelope.heave, envelope.sway,  envelope.surge};
    const char* names[6] = {"roll", "pitch", "yaw", "heave", "sway", "surge"};
    for (int i = 0; i < 6; ++i)
        m_report.dofs[i] = DofUse{names[i], i < 3, envelopes[i], limits[i]->maximum};
    const engine::TiltPath* tilts[3] = {&tuning.longitudinal.tilt, &tuning.lateral.tilt,
                                        &tuning.vertical.tilt};
    const char* tiltNames[3] = {"longitudinal (pitch)", "lateral (roll)", "vertical (pitch)"};
    for (int i = 0; i < 3; ++i)
        m_report.tilts[i] = TiltUse{tiltNames[i], tilts[i]->enabled, tilts[i]->rate.maximumRate};
}

void EnvelopeMonitor::add(const KEOOutputRecord& record) {
    for (int i = 0; i < 6; ++i) {
        DofUse& dof = m_report.dofs[i];
        const double excursion = std::fabs(record.signal(platformWord(i)));
        dof.peak = std::max(dof.peak, excursion);
        if (dof.limit > 0.0 && excursion >= atLimitShare * dof.limit)
            dof.secondsAtLimit += m_stepSeconds;
    }
    for (int i = 0; i < 3; ++i) {
        const double angle = record.signal(tiltWords[i]);
        if (m_report.steps > 0) {
            const double rate = std::fabs(angle - m_previousTilt[i]) / m_stepSeconds;
            m_report.tilts[i].peakRate = std::max(m_report.tilts[i].peakRate, rate);
        }
        m_previousTilt[i] = angle;
    }
    ++m_report.steps;
    m_report.seconds = double(m_report.steps - 1) * m_stepSeconds;
}

void printReport(std::FILE* out, const EnvelopeReport& report) {
    std::fprintf(out, "%-6s %12s %12s %12s %8s %11s\n", "DoF", "peak", "limit", "envelope", "share",
                 "at limit");
    for (const DofUse& dof : report.dofs) {
        const double scale = dof.angular ? 1.0 / degree : 1.0;
        const char* unit = dof.angular ? "deg" : "m";
        const char* mark = dof.beyondEnvelope() ? "  BEYOND THE ENVELOPE"
                           : dof.atLimit()      ? "  AT THE LIMIT"
                                                : "";
        std::fprintf(out, "%-6s %8.3f %-3s %8.3f %-3s %8.3f %-3s %6.1f %% %9.3f s%s\n", dof.name,
                     dof.peak * scale, unit, dof.limit * scale, unit, dof.envelope * scale, unit,
                     dof.percentOfEnvelope(), dof.secondsAtLimit, mark);
    }
    for (const TiltUse& tilt : report.tilts) {
        if (!tilt.enabled) {
            std::fprintf(out, "tilt rate, %-20s  off\n", tilt.name);
            continue;
        }
        std::fprintf(out, "tilt rate, %-20s %8.3f deg/s of %8.3f deg/s%s\n", tilt.name,
                     tilt.peakRate / degree, tilt.rateLimit / degree,
                     tilt.beyondLimit() ? "  BEYOND ITS LIMIT" : "");
    }
    std::fprintf(out, "%s: %llu steps, %.3f s.\n",
                 report.withinEnvelope() ? "Within the envelope" : "Outside the envelope",
                 static_cast<unsigned long long>(report.steps), report.seconds);
}

RecordCsvWriter::RecordCsvWriter(const std::string& path, bool allWords)
    : m_file(std::fopen(path.c_str(), "wb"))
    , m_path(path)
    , m_allWords(allWords) {
    if (!m_file)
        throw std::runtime_error(path + ": cannot create the file");
    m_buffer = "time_s";
    if (allWords) {
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            m_buffer += ",word_" + std::to_string(word);
    } else {
        m_buffer += ",roll_rad,pitch_rad,yaw_rad,heave_m,sway_m,surge_m";
    }
    m_buffer += '\n';
}

RecordCsvWriter::~RecordCsvWriter() {
    if (m_file)
        std::fclose(m_file);
}

void RecordCsvWriter::write(double seconds, const KEOOutputRecord& record) {
    char text[32];
    const auto append = [this, &text](std::to_chars_result result) {
        m_buffer.append(text, result.ptr);
    };
    append(std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 6));
    const auto appendWord = [&](int word) {
        m_buffer += ',';
        append(std::to_chars(text, text + sizeof text, record.signal(word)));
    };
    if (m_allWords) {
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            appendWord(word);
    } else {
        for (int dof = 0; dof < 6; ++dof)
            appendWord(platformWord(dof));
    }
    m_buffer += '\n';
    if (m_buffer.size() > (1u << 20))
        flush();
}

void RecordCsvWriter::flush() {
    if (!m_buffer.empty() &&
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        throw std::runtime_error(m_path + ": cannot write the file");
    m_buffer.clear();
}

void RecordCsvWriter::finish() {
    flush();
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed)
        throw std::runtime_error(m_path + ": cannot write the file");
}

EnvelopeReport simulate(const Config& config, KEOParamSet::Enum paramSet,
                        const WorkEnvelopeLimits& envelope, double stepRate,
                        std::shared_ptr<const engine::drive::Drive> drive, RecordCsvWriter* writer,
                        const std::function<void(double)>& progress) {
    engine::Engine engine;
    engine.configure(config, paramSet, envelope, stepRate);
    EnvelopeMonitor monitor(engine.tuning(), envelope);
    engine::drive::DrivePlayer player(std::move(drive), stepRate, false);
    const bool removeGravity = config.algorithm.removeVerticalComponent;
    const double stepSeconds = 1.0 / stepRate;
    const std::uint64_t total = player.stepsPerPass();
    const std::uint64_t progressEvery = std::max<std::uint64_t>(1, total / 200);
    KEOOutputRecord record{};
    engine::VehicleInput input;
    for (std::uint64_t step = 0; player.next(input); ++step) {
        if (removeGravity)
            input = engine::drive::withoutGravity(input);
        engine.step(input, stepSeconds, record);
        const double seconds = double(step) / stepRate;
        record.setTimestampUs(std::uint64_t(std::llround(seconds * 1e6)));
        monitor.add(record);
        if (writer)
            writer->write(seconds, record);
        if (progress && step % progressEvery == 0)
            progress(double(step) / double(total));
    }
    return monitor.report();
}
