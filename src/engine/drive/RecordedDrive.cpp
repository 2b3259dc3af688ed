#include "RecordedDrive.h"

#include "engine/InputCheck.h"

#include <algorithm>

namespace engine::drive {
namespace {

class RecordedDrive : public Drive {
public:
    RecordedDrive(std::vector<double> times, std::vector<RecordedSignal> signals)
        : m_times(std::move(times))
        , m_signals(std::move(signals))
        , m_rest(restInput()) {
        checkSamples();
    }

    double duration() const override { return m_times.back() - m_times.front(); }

    VehicleInput at(double seconds) const override {
        const double t = m_times.front() + std::clamp(seconds, 0.0, duration());
        // The sample at or before t, and how far t lies towards the next one.
        const auto after = std::upper_bound(m_times.begin() + 1, m_times.end() - 1, t);
        const std::size_t i = std::size_t(after - m_times.begin()) - 1;
        const double fraction =
            std::clamp((t - m_times[i]) / (m_times[i + 1] - m_times[i]), 0.0, 1.0);
        VehicleInput input = m_rest;
        for (const RecordedSignal& recorded : m_signals) {
            const std::vector<double>& v = recorded.values;
            recorded.signal->set(input, v[i] + fraction * (v[i + 1] - v[i]));
        }
        return input;
    }

private:
    // Every sample passes the engine's check before anything interpolates between samples: a
    // bad one is replaced as the engine would replace it, so the steps interpolated towards it
    // never reach the platform as plausible motion.
    void checkSamples() {
        InputCheck check;
        for (std::size_t i = 0; i < m_times.size(); ++i) {
            VehicleInput sample = m_rest;
            for (const RecordedSignal& recorded : m_signals)
                recorded.signal->set(sample, recorded.values[i]);
            const double dt = i == 0 ? 0.0 : m_times[i] - m_times[i - 1];
            const VehicleInput checked = check.check(sample, dt, m_rest);
            for (RecordedSignal& recorded : m_signals)
                recorded.values[i] = recorded.signal->get(checked);
        }
    }

    std::vector<double> m_times;
    std::vector<RecordedSignal> m_signals;
    VehicleInput m_rest;
};

} // namespace

std::unique_ptr<Drive> makeRecordedDrive(std::vector<double> times,
                                         std::vector<RecordedSignal> signals) {
    return std::make_unique<RecordedDrive>(std::move(times), std::move(signals));
}

} // namespace engine::drive
