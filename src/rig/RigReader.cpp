#include "RigReader.h"

#include "Kinematics.h"
#include "engine/TextPosition.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <nlohmann/json.hpp>

namespace rig {
namespace {

using Json = nlohmann::json;

// Beyond this, a coordinate or length is no motion platform's: most likely a value in mm.
constexpr double largestDimension = 100.0; // m

class Reader {
public:
    explicit Reader(const std::string& fileName)
        : m_fileName(fileName) {}

    [[noreturn]] void fail(const std::string& key, const std::string& what) const {
        throw RigError(m_fileName + ": " + key + ": " + what);
    }

    void onlyKeys(const Json& object, const std::string& key,
                  std::initializer_list<const char*> allowed) const {
        if (!object.is_object())
            fail(key, "must be a JSON object");
        for (const auto& item : object.items())
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const char* known) { return item.key() == known; })) {
                std::string names;
                for (const char* name : allowed)
                    names += (names.empty() ? "" : ", ") + std::string(name);
                fail(key, "unknown key \"" + item.key() + "\"; the keys are " + names);
            }
    }

    Vec3 point(const Json& object, const std::string& key, const char* name) const {
        const std::string at = key + "." + name;
        const auto found = object.find(name);
        if (found == object.end())
            fail(key, std::string("no \"") + name + "\"");
        if (!found->is_array() || found->size() != 3)
            fail(at, "must be three numbers [x, y, z] in metres");
        double xyz[3];
        for (std::size_t i = 0; i < 3; ++i)
            xyz[i] = dimension((*found)[i], at);
        return {xyz[0], xyz[1], xyz[2]};
    }

    // A positive number, from the actuator or else from the shared limits.
    double limit(const Json& actuator, const Json& shared, const std::string& key,
                 const char* name) const {
        const auto own = actuator.find(name);
        const bool isOwn = own != actuator.end();
        if (!isOwn && !shared.contains(name))
            fail(key, std::string("no \"") + name + "\", neither its own nor in \"limits\"");
        const Json& value = isOwn ? *own : shared.at(name);
        const std::string at = (isOwn ? key : std::string("limits")) + "." + name;
        const double number = dimension(value, at);
        if (!(number > 0.0))
            fail(at, "must be above 0");
        return number;
    }

private:
    double dimension(const Json& value, const std::string& key) const {
        if (!value.is_number() || !std::isfinite(value.get<double>()) ||
            std::fabs(value.get<double>()) > largestDimension)
            fail(key, "must be a number between -100 and 100");
        return value.get<double>();
    }

    const std::string& m_fileName;
};

Json parsed(const std::string& text, const std::string& fileName) {
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& error) {
        throw RigError(fileName + ", " + engine::lineAndColumn(text, error.byte) +
                       ": the JSON is malformed");
    } catch (const Json::exception&) { // a number beyond double range
        throw RigError(fileName + ": the JSON is malformed: it holds a number beyond any range");
    }
}

Actuator readActuator(const Reader& reader, const Json& entry, const Json& shared,
                      const std::string& key) {
    reader.onlyKeys(entry, key,
                    {"base_m", "platform_m", "min_length_m", "max_length_m", "max_velocity_mps",
                     "max_acceleration_mps2"});
    Actuator actuator;
    actuator.base = reader.point(entry, key, "base_m");
    actuator.platform = reader.point(entry, key, "platform_m");
    actuator.minLength = reader.limit(entry, shared, key, "min_length_m");
    actuator.maxLength = reader.limit(entry, shared, key, "max_length_m");
    actuator.maxVelocity = reader.limit(entry, shared, key, "max_velocity_mps");
    actuator.maxAcceleration = reader.limit(entry, shared, key, "max_acceleration_mps2");
    if (!(actuator.maxLength > actuator.minLength))
        reader.fail(key, "its maximum length must exceed its minimum");
    return actuator;
}

// At rest the platform must not stand on a stop: a rig whose neutral pose is out of reach.
void checkNeutral(const Reader& reader, const Rig& rig) {
    const std::vector<double> lengths = actuatorLengths(rig, Pose{});
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const Actuator& a = rig.actuators[i];
        if (!(lengths[i] > a.minLength && lengths[i] < a.maxLength))
            reader.fail("actuators[" + std::to_string(i) + "]",
                        "the neutral pose puts it at " + std::to_string(lengths[i]) +
                            " m, not between its stops at " + std::to_string(a.minLength) +
                            " and " + std::to_string(a.maxLength) + " m");
    }
}

} // namespace

Rig parseRig(const std::string& text, const std::string& fileName) {
    const Reader reader(fileName);
    const Json root = parsed(text, fileName);
    reader.onlyKeys(root, "the rig", {"name", "motion_reference_point_m", "limits", "actuators"});
    Rig rig;
    if (root.contains("name")) {
        if (!root.at("name").is_string())
            reader.fail("name", "must be a text in double quotes");
        rig.name = root.at("name").get<std::string>();
    }
    rig.motionReferencePoint = reader.point(root, "the rig", "motion_reference_point_m");
    const Json shared = root.contains("limits") ? root.at("limits") : Json::object();
    reader.onlyKeys(shared, "limits",
                    {"min_length_m", "max_length_m", "max_velocity_mps", "max_acceleration_mps2"});
    const auto actuators = root.find("actuators");
    if (actuators == root.end() || !actuators->is_array() || actuators->empty() ||
        actuators->size() > maxActuators)
        reader.fail("actuators", "must list 1 to " + std::to_string(maxActuators) + " actuators");
    for (std::size_t i = 0; i < actuators->size(); ++i)
        rig.actuators.push_back(
            readActuator(reader, (*actuators)[i], shared, "actuators[" + std::to_string(i) + "]"));
    checkNeutral(reader, rig);
    return rig;
}

Rig loadRig(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw RigError(path + ": cannot open the file");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw RigError(path + ": cannot read the file");
    return parseRig(text, path);
}

} // namespace rig
