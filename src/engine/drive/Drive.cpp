#include "Drive.h"

#include "IbtTelemetry.h"
#include "MappedTelemetry.h"
#include "Telemetry.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace engine::drive {
namespace {

bool endsWith(const std::string& text, const char* ending) {
    const std::size_t size = std::strlen(ending);
    if (text.size() < size)
        return false;
    std::string tail = text.substr(text.size() - size);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return tail == ending;
}

} // namespace

bool isTelemetryFile(const std::string& nameOrPath) {
    return endsWith(nameOrPath, ".csv") || endsWith(nameOrPath, ".ibt");
}

std::unique_ptr<Drive> openDrive(const std::string& nameOrPath, const ColumnMap* map) {
    if (endsWith(nameOrPath, ".ibt"))
        return loadIbt(nameOrPath, map);
    if (endsWith(nameOrPath, ".csv"))
        return map ? loadMappedTelemetry(nameOrPath, *map) : loadTelemetry(nameOrPath);
    return makeManoeuvre(nameOrPath);
}

VehicleInput withoutGravity(VehicleInput input) {
    input.verticalAcceleration -= standardGravity;
    return input;
}

DrivePlayer::DrivePlayer(std::shared_ptr<const Drive> drive, double stepRateHz, bool loop)
    : m_drive(std::move(drive))
    , m_rate(std::isfinite(stepRateHz) && stepRateHz > 0.0 ? stepRateHz : 1000.0)
    , m_loop(loop)
    // Steps at 0, 1/rate, ... up to the duration; a tiny allowance keeps a duration that is a
    // whole number of steps from losing its last one to rounding.
    , m_stepsPerPass(std::uint64_t(std::floor(m_drive->duration() * m_rate + 1e-6)) + 1) {}

bool DrivePlayer::next(VehicleInput& input) {
    if (!m_loop && m_step >= m_stepsPerPass)
        return false;
    const std::uint64_t inPass = m_step % m_stepsPerPass;
    input = m_drive->at(double(inPass) / m_rate);
    ++m_step;
    return true;
}

} // namespace engine::drive
