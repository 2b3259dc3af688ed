#include "Signals.h"

#include "engine/Words.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace engine {
namespace {

namespace w = words;

constexpr int wordOf(std::size_t offset) {
    return w::stepTime + int(offset / sizeof(double));
}

// Each group starts at its first word; within a group the members follow the words' order.
#define KEO_STARTS_AT(member, word)                                                                \
    static_assert(wordOf(offsetof(Signals, member)) == (word), #member " is not at word " #word)
KEO_STARTS_AT(input, w::longitudinalAcceleration);
KEO_STARTS_AT(longitudinalTravel, w::longitudinalTravel.limited);
KEO_STARTS_AT(lateralTravel, w::lateralTravel.limited);
KEO_STARTS_AT(verticalTravel, w::verticalTravel.limited);
KEO_STARTS_AT(longitudinalTilt, w::longitudinalTilt.limited);
KEO_STARTS_AT(lateralTilt, w::lateralTilt.limited);
KEO_STARTS_AT(verticalTilt, w::verticalTilt.limited);
KEO_STARTS_AT(lateralAngular, w::lateralAngular.limited);
KEO_STARTS_AT(longitudinalAngular, w::longitudinalAngular.limited);
KEO_STARTS_AT(verticalAngular, w::verticalAngular.limited);
KEO_STARTS_AT(absolutePitch, w::absolutePitch.limited);
KEO_STARTS_AT(absoluteRoll, w::absoluteRoll.limited);
KEO_STARTS_AT(swayToRoll, w::swayToRoll.outputFiltered);
KEO_STARTS_AT(yawToRoll, w::yawToRoll.outputFiltered);
KEO_STARTS_AT(surgeToPitch, w::surgeToPitch.outputFiltered);
KEO_STARTS_AT(heaveToPitch, w::heaveToPitch.outputFiltered);
KEO_STARTS_AT(roadToSurgeLeft, w::roadToSurgeLeft.outputFiltered);
KEO_STARTS_AT(roadToSurgeRight, w::roadToSurgeRight.outputFiltered);
KEO_STARTS_AT(roadToPitchLeft, w::roadToPitchLeft.outputFiltered);
KEO_STARTS_AT(roadToPitchRight, w::roadToPitchRight.outputFiltered);
KEO_STARTS_AT(roadHarshnessLeft, w::roadHarshnessLeft.limited);
KEO_STARTS_AT(roadHarshnessRight, w::roadHarshnessRight.limited);
KEO_STARTS_AT(sideslipToYaw, w::sideslipToYaw.limited);
KEO_STARTS_AT(sideslipToRoll, w::sideslipToRoll.limited);
KEO_STARTS_AT(sideslipToSway, w::sideslipToSway);
KEO_STARTS_AT(speed, w::speed);
KEO_STARTS_AT(frontWheelAngle, w::frontWheelAngle);
KEO_STARTS_AT(understeer.dampenedFrontWheelAngle, w::dampenedFrontWheelAngle);
KEO_STARTS_AT(understeer.intendedTurningCurve, w::intendedTurningCurve);
KEO_STARTS_AT(understeer.toYaw, w::understeerToYaw.outputFiltered);
KEO_STARTS_AT(understeer.toRoll, w::understeerToRoll.outputFiltered);
KEO_STARTS_AT(understeer.toSway, w::understeerToSway);
KEO_STARTS_AT(understeer.yawRateFiltered, w::understeerYawRateFiltered);
KEO_STARTS_AT(summed, w::summed.roll);
KEO_STARTS_AT(platform, w::platform.roll);
#undef KEO_STARTS_AT
static_assert(wordOf(sizeof(Signals)) == KEOOutputRecord::wordCount, "words 2-152, no more");

// Rounded to single precision: a value that is not finite is 0, one beyond the float range its
// largest value. Written without branches so the compiler can do several values at once. True
// when every value was within `bound`.
template <class Group>
bool writeFrom(int first, const Group& group, KEOOutputRecord& record, double bound = DBL_MAX) {
    static_assert(std::is_trivially_copyable_v<Group> && sizeof(Group) % sizeof(double) == 0);
    constexpr std::size_t count = sizeof(Group) / sizeof(double);
    const char* bytes = reinterpret_cast<const char*>(&group);
    float words[count];
    int outside = 0;
    for (std::size_t i = 0; i < count; ++i) {
        double value;
        std::memcpy(&value, bytes + i * sizeof value, sizeof value);
        outside += std::fabs(value) <= bound ? 0 : 1;
        double x = std::fabs(value) <= DBL_MAX ? value : 0.0;
        x = x < -double(FLT_MAX) ? -double(FLT_MAX) : x;
        x = x > double(FLT_MAX) ? double(FLT_MAX) : x;
        words[i] = float(x);
    }
    std::memcpy(&record.words[first], words, sizeof words);
    return outside == 0;
}

} // namespace

bool writeRecord(const Signals& values, KEOOutputRecord& record, double bound) {
    return writeFrom(w::stepTime, values, record, bound);
}

void writeDofs(const DofSignals& summed, const DofSignals& platform, KEOOutputRecord& record) {
    writeFrom(w::summed.roll, summed, record);
    writeFrom(w::platform.roll, platform, record);
}

} // namespace engine
