#include "ConfigReader.h"

#include "BlockJson.h"
#include "JsonAccess.h"
#include "RecordDescription.h"

#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

using jsonAccess::has;
using jsonAccess::plain;
using jsonAccess::readSwitch;
using jsonAccess::required;

namespace {

using namespace configDescription;

// The generic reader: every block as its description says, for one format version.

struct Version {
    bool current; // version 1; otherwise version 0

    const char* key(const Entry& entry) const { return current ? entry.keyV1 : entry.keyV0; }
    Access access(const Entry& entry) const { return current ? entry.accessV1 : entry.accessV0; }
};

constexpr int allPhases = -1;
constexpr int phaseCount = 4;

// The value at `path` below `parent` ('/' between levels), or null where the access allows it to
// be absent and it is.
const Json* locate(const Json& parent, std::string_view path, Access access) {
    const Json* node = &parent;
    for (bool first = true;; first = false) {
        const std::size_t slash = path.find('/');
        const bool last = slash == std::string_view::npos;
        const std::string_view segment = path.substr(0, slash);
        if ((access == Access::Optional && first) ||
            ((access == Access::OptionalLast || access == Access::IfSet) && last)) {
            if (!has(*node, segment))
                return nullptr;
            node = &required(*node, segment);
        } else if (access == Access::Plain ||
                   ((access == Access::OptionalLast || access == Access::IfSet) && !last)) {
            node = &plain(*node, segment);
        } else {
            node = &required(*node, segment);
        }
        if (last)
            return node;
        path.remove_prefix(slash + 1);
    }
}

const Json* locateEntry(const Json& parent, const Entry& entry, Version version) {
    const Json* node = locate(parent, version.key(entry), version.access(entry));
    if (!node && entry.olderKey)
        node = locate(parent, entry.olderKey, version.access(entry));
    return node;
}

bool hasPhase(const Block& block, int phase, Version version) {
    return (block.phases[version.current ? 1 : 0] >> phase) & 1u;
}

bool inPhase(const Entry& entry, int phase, Version version) {
    if (version.access(entry) == Access::Absent)
        return false;
    return entry.kind == Kind::Block && !isValueBlock(*entry.block)
               ? hasPhase(*entry.block, phase, version)
               : entry.phase == phase;
}

void readBlock(const Json& object, const Block& block, char* target, Version version, int phase);

void readValueBlock(const Json& value, const Entry& entry, char* target) {
    const Block* block = entry.block;
    if (block == &Described<FilterConfig>::block) {
        *reinterpret_cast<FilterConfig*>(target) =
            entry.filterForm == FilterForm::Full ? readFilterConfig(value)
                                                 : readCutoffOnlyFilter(value, entry.fixedType);
    } else if (block == &Described<Limitation>::block) {
        *reinterpret_cast<Limitation*>(target) = readLimitation(value);
    } else {
        *reinterpret_cast<SignalLimitation*>(target) = readSignalLimitation(value);
    }
}

void readEntry(const Json& parent, const Entry& entry, char* target, Version version, int phase) {
    if (!version.current && entry.fallbackV0)
        std::memcpy(target, entry.fallbackV0, entry.block->size);
    const Json* node = locateEntry(parent, entry, version);
    if (!node) {
        if (entry.kind == Kind::Number)
            *reinterpret_cast<FloatPair*>(target) = FloatPair::both(entry.absentNumber);
        return;
    }
    switch (entry.kind) {
    case Kind::Number:
        *reinterpret_cast<FloatPair*>(target) = readFloatPair(*node);
        break;
    case Kind::Switch:
        *reinterpret_cast<bool*>(target) = readSwitch(*node);
        break;
    case Kind::Block:
        if (isValueBlock(*entry.block))
            readValueBlock(*node, entry, target);
        else
            readBlock(*node, *entry.block, target, version, phase);
        break;
    default: // types live inside the value blocks, which their codecs read
        break;
    }
}

// The block's entries in reading order: by rank, record order among equal ranks. Blocks are
// small, so the order is sorted in place on the stack.
struct ReadingOrder {
    std::array<const Entry*, maxEntries> entries{};
    std::size_t count = 0;

    explicit ReadingOrder(const Block& block) {
        for (const Entry& entry : block) {
            std::size_t at = count++;
            for (; at > 0 && entries[at - 1]->readRank > entry.readRank; --at)
                entries[at] = entries[at - 1];
            entries[at] = &entry;
        }
    }
    const Entry* const* begin() const { return entries.data(); }
    const Entry* const* end() const { return entries.data() + count; }
};

void readEntries(const Json& object, const Block& block, char* target, Version version, int phase) {
    for (const Entry* entry : ReadingOrder(block)) {
        const Access access = version.access(*entry);
        if (access == Access::Absent || (phase != allPhases && !inPhase(*entry, phase, version)))
            continue;
        if (access == Access::Legacy)
            throw std::logic_error("a legacy layout has no generic reader");
        readEntry(object, *entry, target + entry->offset, version, phase);
    }
}

void readBlock(const Json& object, const Block& block, char* target, Version version, int phase) {
    if (phase != allPhases || !block.phased) {
        readEntries(object, block, target, version, phase);
        return;
    }
    for (int p = 0; p < phaseCount; ++p)
        if (hasPhase(block, p, version))
            readEntries(object, block, target, version, p);
}

template <class B> void readDescribed(const Json& object, B& target, Version version) {
    readBlock(object, Described<B>::block, reinterpret_cast<char*>(&target), version, allPhases);
}

// Version 0 axes: layouts of older tools that keep an output filter and its limit in one object,
// in one of several places, and may lack the input limits and the vertical tilt path. Keys that
// version 1 kept are the description's; the others are these layouts' own.

constexpr const char* travelKey = KEO_KEY(AxisConfig, travel);
constexpr const char* tiltKey = KEO_KEY(AxisConfig, tiltCoordination);
constexpr const char* angularKey = KEO_KEY(AxisConfig, angularVelocity);
constexpr const char* accelerationLimitKey = KEO_KEY(AxisConfig, accelerationInputLimit);
constexpr const char* angularRateLimitKey = KEO_KEY(AxisConfig, angularRateInputLimit);
constexpr const char* tiltLimitKey = KEO_KEY(AxisConfig, tiltCoordinationInputLimit);
constexpr const char* outputFilterKey = KEO_KEY(TravelConfig, outputFilter);
constexpr const char* outputLimitKey = KEO_KEY(TravelConfig, outputLimit);

// Reads the entry of `Owner` at `offset` from `object` as version 1 describes it.
template <class Owner> void readMember(const Json& object, Owner& owner, std::size_t offset) {
    readEntry(object, entryAt<Owner>(offset), reinterpret_cast<char*>(&owner) + offset,
              Version{true}, allPhases);
}
#define KEO_READ(object, owner, member)                                                            \
    readMember(object, owner, offsetof(std::decay_t<decltype(owner)>, member))

void readOutput(const Json& path, FilterConfig& filter, Limitation& limit) {
    filter = readFilterConfig(required(path, outputFilterKey));
    limit = readLimitation(required(path, outputLimitKey));
}

void readCombinedOutput(const Json& object, FilterConfig& filter, Limitation& limit) {
    filter = readFilterConfig(object);
    limit = readLimitation(object);
}

void readTravelOutputV0(const Json& axis, const Json& travel, TravelConfig& config) {
    if (has(travel, "travel_output_filter")) {
        readCombinedOutput(required(travel, "travel_output_filter"), config.outputFilter,
                           config.outputLimit);
    } else if (has(axis, "output_filters") && has(required(axis, "output_filters"), "travel")) {
        readCombinedOutput(required(required(axis, "output_filters"), "travel"),
                           config.outputFilter, config.outputLimit);
    } else {
        readOutput(travel, config.outputFilter, config.outputLimit);
    }
}

void readTiltCoordinationV0(const Json& tilt, TiltCoordinationConfig& config) {
    KEO_READ(tilt, config, enabled);
    KEO_READ(tilt, config, maximumRate);
    KEO_READ(tilt, config, accelerationFilter);
    if (has(tilt, "angle_filter")) {
        readCombinedOutput(required(tilt, "angle_filter"), config.outputFilter, config.outputLimit);
    } else {
        readOutput(tilt, config.outputFilter, config.outputLimit);
    }
}

void readAngularVelocityV0(const Json& angular, AngularVelocityConfig& config) {
    KEO_READ(angular, config, enabled);
    KEO_READ(angular, config, velocityFilter);
    KEO_READ(angular, config, angleFilter);
    if (has(angular, "angle_output_filter")) {
        readCombinedOutput(required(angular, "angle_output_filter"), config.outputFilter,
                           config.outputLimit);
    } else if (has(angular, outputFilterKey)) {
        readOutput(angular, config.outputFilter, config.outputLimit);
    }
}

void readAxisV0(const Json& axis, AxisConfig& config, bool tiltCoordinationRequired) {
    const Json& travel = required(axis, travelKey);
    KEO_READ(travel, config.travel, enabled);
    if (has(axis, accelerationLimitKey)) {
        config.accelerationInputLimit = readSignalLimitation(required(axis, accelerationLimitKey));
        config.angularRateInputLimit = readSignalLimitation(required(axis, angularRateLimitKey));
    }
    if (has(axis, tiltLimitKey)) {
        config.tiltCoordinationInputLimit = readSignalLimitation(required(axis, tiltLimitKey));
    }
    KEO_READ(travel, config.travel, accelerationFilter);
    KEO_READ(travel, config.travel, velocityFilter);
    KEO_READ(travel, config.travel, travelFilter);
    readTravelOutputV0(axis, travel, config.travel);
    if (tiltCoordinationRequired || has(axis, tiltKey)) {
        readTiltCoordinationV0(required(axis, tiltKey), config.tiltCoordination);
    }
    readAngularVelocityV0(required(axis, angularKey), config.angularVelocity);
}

// Floating versions are truncated toward zero. Out of the 32-bit range the value becomes the
// integer-indefinite value that an x86 conversion yields, so it is reported as unknown.
std::int32_t truncateVersion(float version) {
    if (version >= -2147483648.0f && version < 2147483648.0f) {
        return static_cast<std::int32_t>(version);
    }
    return std::numeric_limits<std::int32_t>::min();
}

// Integers keep their low 32 bits; anything but a number (booleans included) is type error 302.
std::int32_t readVersionNumber(const Json& version) {
    if (version.is_number_float()) {
        return truncateVersion(version.get<float>());
    }
    return static_cast<std::int32_t>(version.get<std::int64_t>());
}

} // namespace

void readConfig(const Json& document, Config& config) {
    zeroConfig(config);
    if (!has(document, "version")) {
        readConfigV0(document, config);
        return;
    }
    const std::int32_t version = readVersionNumber(required(document, "version"));
    if (version == 0) {
        readConfigV0(document, config);
    } else if (version == 1) {
        readConfigV1(document, config);
    } else {
        throw std::runtime_error("Unknown config version number: " + std::to_string(version));
    }
}

void readConfigV1(const Json& document, Config& config) {
    zeroConfig(config);
    readDescribed(document, config, Version{true});
}

void readConfigV0(const Json& document, Config& config) {
    zeroConfig(config);
    readAxisV0(required(document, "lateral_acceleration_and_roll_rate"), config.lateral, true);
    readAxisV0(required(document, "longitudinal_acceleration_and_pitch_rate"), config.longitudinal,
               true);
    readAxisV0(required(document, "vertical_acceleration_and_yaw_rate"), config.vertical, false);
    // The rest of the record as the description has it for version 0.
    const Version older{false};
    char* const target = reinterpret_cast<char*>(&config);
    for (const Entry& entry : record())
        if (older.access(entry) != Access::Legacy && older.access(entry) != Access::Absent)
            readEntry(document, entry, target + entry.offset, older, allPhases);
}

void readAxisBypassFlags(const Json& axis, AxisConfig& config) {
    readEntries(axis, Described<AxisConfig>::block, reinterpret_cast<char*>(&config), Version{true},
                2);
}
