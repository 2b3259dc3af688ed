#include "ColumnMap.h"

#include "Drive.h"
#include "FileBytes.h"
#include "engine/TextPosition.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>

namespace engine::drive {
namespace {

using Json = nlohmann::json;

// The speed below which a velocity's direction means little: the engine's understeer section
// fades its turning curves in as 1 - exp(-(v / 3 m/s)²) (docs/engine.md, Understeer), and a
// sideslip taken from velocities fades in alike.
constexpr double fadeSpeed = 3.0;

// Reads the parsed JSON, naming the key of a fault: "map.json: signals.speed.unit: ...".
class MapReader {
public:
    explicit MapReader(const std::string& fileName)
        : m_fileName(fileName) {}

    [[noreturn]] void fail(const std::string& key, const std::string& what) const {
        throw DriveError(m_fileName + ": " + key + ": " + what);
    }

    void onlyKeys(const Json& object, const std::string& key,
                  std::initializer_list<const char*> allowed) const {
        if (!object.is_object())
            fail(key, "must be a JSON object");
        for (const auto& item : object.items()) {
            const std::string& name = item.key();
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const char* known) { return name == known; }))
                fail(key, "unknown key \"" + name + "\"; the keys are " + list(allowed));
        }
    }

    std::string text(const Json& object, const std::string& key, const char* name) const {
        const auto found = object.find(name);
        if (found == object.end())
            fail(key, std::string("no \"") + name + "\"");
        if (!found->is_string() || found->get<std::string>().empty())
            fail(key + "." + name, "must be a name in double quotes");
        return found->get<std::string>();
    }

    double number(const Json& object, const std::string& key, const char* name,
                  double absent) const {
        const auto found = object.find(name);
        if (found == object.end())
            return absent;
        if (!found->is_number() || !std::isfinite(found->get<double>()))
            fail(key + "." + name, "must be a number");
        return found->get<double>();
    }

    int line(const Json& object, const std::string& key, const char* name, int absent) const {
        const auto found = object.find(name);
        if (found == object.end())
            return absent;
        if (!found->is_number_integer() || found->get<std::int64_t>() < 1 ||
            found->get<std::int64_t>() > 1000000)
            fail(key + "." + name, "must be a line number from 1 on");
        return int(found->get<std::int64_t>());
    }

private:
    static std::string list(std::initializer_list<const char*> names) {
        std::string text;
        for (const char* name : names)
            text += (text.empty() ? "" : ", ") + std::string(name);
        return text;
    }

    const std::string& m_fileName;
};

std::string quantityName(Quantity quantity) {
    switch (quantity) {
    case Quantity::Time:
        return "time";
    case Quantity::Acceleration:
        return "acceleration";
    case Quantity::AngularRate:
        return "angular rate";
    case Quantity::Angle:
        return "angle";
    case Quantity::Speed:
        return "speed";
    case Quantity::Length:
        return "length";
    }
    return "";
}

const Unit* readUnit(const MapReader& reader, const Json& entry, const std::string& key,
                     Quantity quantity) {
    const std::string name = reader.text(entry, key, "unit");
    const Unit* unit = unitNamed(name, quantity);
    if (!unit)
        reader.fail(key + ".unit", "\"" + name + "\" is not a unit of " + quantityName(quantity) +
                                       "; give one of " + unitNames(quantity));
    return unit;
}

SignalSource readSignal(const MapReader& reader, const std::string& name, const Json& entry) {
    const std::string key = "signals." + name;
    SignalSource source;
    source.signal = inputSignalNamed(name);
    if (!source.signal) {
        std::string known;
        for (const InputSignal& signal : inputSignals())
            known += (known.empty() ? "" : ", ") + std::string(signal.name);
        reader.fail(key, "no such signal; the signals are " + known);
    }
    const bool fromVelocities = entry.is_object() && entry.contains("forward_velocity");
    if (fromVelocities && source.signal != inputSignalNamed("sideslip_angle"))
        reader.fail(key, "only the sideslip angle comes from velocities");
    if (fromVelocities) {
        reader.onlyKeys(entry, key,
                        {"forward_velocity", "leftward_velocity", "unit", "scale", "sign"});
        source.forwardVelocity = reader.text(entry, key, "forward_velocity");
        source.leftwardVelocity = reader.text(entry, key, "leftward_velocity");
        source.unit = readUnit(reader, entry, key, Quantity::Speed);
    } else {
        reader.onlyKeys(entry, key, {"column", "unit", "scale", "sign"});
        source.column = reader.text(entry, key, "column");
        source.unit = readUnit(reader, entry, key, source.signal->quantity);
    }
    const double scale = reader.number(entry, key, "scale", 1.0);
    if (scale == 0.0)
        reader.fail(key + ".scale", "must not be 0");
    const double sign = reader.number(entry, key, "sign", 1.0);
    if (sign != 1.0 && sign != -1.0)
        reader.fail(key + ".sign", "must be 1 or -1");
    source.factor = (fromVelocities ? 1.0 : source.unit->toSi) * scale * sign;
    return source;
}

void readCsvLayout(const MapReader& reader, const Json& csv, ColumnMap& map) {
    reader.onlyKeys(csv, "csv", {"separator", "header_line", "first_data_line"});
    if (csv.contains("separator")) {
        const Json& separator = csv.at("separator");
        const std::string text = separator.is_string() ? separator.get<std::string>() : "";
        if (text.size() != 1 || text == "\"" || text == "\n" || text == "\r")
            reader.fail("csv.separator", "must be one character, such as \",\" or \";\"");
        map.separator = text[0];
    }
    map.headerLine = reader.line(csv, "csv", "header_line", 1);
    map.firstDataLine = reader.line(csv, "csv", "first_data_line", map.headerLine + 1);
    if (map.firstDataLine <= map.headerLine)
        reader.fail("csv.first_data_line", "must come after the header line");
}

Json parsed(const std::string& text, const std::string& fileName) {
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& error) {
        throw DriveError(fileName + ", " + engine::lineAndColumn(text, error.byte) +
                         ": the JSON is malformed");
    } catch (const Json::exception&) { // a number beyond double range
        throw DriveError(fileName + ": the JSON is malformed: it holds a number beyond any range");
    }
}

} // namespace

std::vector<std::string> ColumnMap::columns() const {
    std::vector<std::string> names{time.column};
    const auto add = [&](const std::string& name) {
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    };
    for (const SignalSource& source : sources) {
        if (source.fromVelocities()) {
            add(source.forwardVelocity);
            add(source.leftwardVelocity);
        } else {
            add(source.column);
        }
    }
    return names;
}

ColumnMap parseColumnMap(const std::string& text, const std::string& fileName) {
    const MapReader reader(fileName);
    const Json root = parsed(text, fileName);
    reader.onlyKeys(root, "the map", {"csv", "time", "signals"});
    ColumnMap map;
    map.fileName = fileName;
    if (root.contains("csv"))
        readCsvLayout(reader, root.at("csv"), map);
    if (!root.contains("time"))
        reader.fail("the map", "no \"time\": name the column of each sample's time");
    const Json& time = root.at("time");
    reader.onlyKeys(time, "time", {"column", "unit"});
    map.time.column = reader.text(time, "time", "column");
    map.time.unit = readUnit(reader, time, "time", Quantity::Time);
    map.time.factor = map.time.unit->toSi;
    const auto signals = root.find("signals");
    if (signals == root.end() || !signals->is_object() || signals->empty())
        reader.fail("the map", "no \"signals\": name where at least one signal comes from");
    for (const auto& [name, entry] : signals->items())
        map.sources.push_back(readSignal(reader, name, entry));
    return map;
}

ColumnMap loadColumnMap(const std::string& path) {
    return parseColumnMap(readWholeFile(path), path);
}

std::vector<RecordedSignal> mappedSignals(const ColumnMap& map,
                                          const std::map<std::string, std::vector<double>>& raw) {
    std::vector<RecordedSignal> signals;
    for (const SignalSource& source : map.sources) {
        std::vector<double> values;
        if (source.fromVelocities()) {
            const std::vector<double>& forward = raw.at(source.forwardVelocity);
            const std::vector<double>& leftward = raw.at(source.leftwardVelocity);
            values.resize(forward.size());
            for (std::size_t i = 0; i < values.size(); ++i) {
                const double vx = forward[i] * source.unit->toSi;
                const double vy = leftward[i] * source.unit->toSi;
                const double fade = 1.0 - std::exp(-(vx * vx + vy * vy) / (fadeSpeed * fadeSpeed));
                values[i] = source.factor * fade * std::atan2(vy, vx);
            }
        } else {
            values = raw.at(source.column);
            for (double& value : values)
                value *= source.factor;
        }
        signals.push_back({source.signal, std::move(values)});
    }
    return signals;
}

} // namespace engine::drive
