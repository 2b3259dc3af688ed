#include "Parameters.h"

#include "config/RecordDescription.h"

#include <algorithm>
#include <cstring>

namespace tune {

namespace {

using configDescription::Block;
using configDescription::Entry;
using configDescription::Kind;
using configDescription::Page;

std::string joined(const std::string& first, const char* second, const char* separator) {
    if (!second || !*second)
        return first;
    return first.empty() ? std::string(second) : first + separator + second;
}

// Where the entries of a block sit: the member path, the page and the path name that prefixes the
// titles of its blocks (as ConfigFieldTable names them on the pages).
struct Place {
    std::string path;
    Page page;
    std::string pathTitle;
};

class Builder {
public:
    explicit Builder(std::vector<Parameter>& out)
        : m_out(out) {}

    void block(const Block& block, std::size_t base, const Place& at) {
        for (const Entry& entry : block)
            add(entry, base + entry.offset, at);
    }

private:
    void add(const Entry& entry, std::size_t offset, const Place& parent) {
        Place at = parent;
        at.path = joined(parent.path, entry.member, ".");
        if (entry.page != Page::Inherited)
            at.page = entry.page;
        if (entry.kind == Kind::Number)
            push(at, joined(parent.pathTitle, entry.title, ": "), entry, entry, offset);
        else if (entry.kind == Kind::Block && configDescription::isValueBlock(*entry.block))
            valueBlock(entry, offset, at, joined(parent.pathTitle, entry.label, ": "));
        else if (entry.kind == Kind::Block)
            block(*entry.block, offset, Place{at.path, at.page, entry.label ? entry.label : ""});
    }

    void valueBlock(const Entry& placement, std::size_t offset, const Place& at,
                    const std::string& title) {
        for (const Entry& value : *placement.block) {
            if (value.kind != Kind::Number)
                continue;
            Place inner = at;
            inner.path = joined(at.path, value.member, ".");
            push(inner, title, value, placement, offset + value.offset);
        }
    }

    // `ranged`: the entry that gives unit and ranges (the placing entry for a signal's maximum).
    void push(const Place& at, const std::string& title, const Entry& entry, const Entry& placing,
              std::size_t offset) {
        const Entry& ranged = entry.unit == configDescription::Unit::Signal ? placing : entry;
        m_out.push_back(Parameter{at.path, configDescription::pageTitle(at.page), title,
                                  entry.label ? entry.label : entry.member, ranged.unit,
                                  ranged.valid, ranged.tuning, offset});
    }

    std::vector<Parameter>& m_out;
};

std::vector<Parameter> buildParameters() {
    std::vector<Parameter> parameters;
    Builder(parameters).block(configDescription::record(), 0, Place{{}, Page::Lateral, {}});
    return parameters;
}

} // namespace

std::string Parameter::displayName() const {
    return joined(joined(page, block.c_str(), ": "), label.c_str(), ": ");
}

float Parameter::value(const Config& config, KEOParamSet::Enum set) const {
    FloatPair pair;
    std::memcpy(&pair, reinterpret_cast<const char*>(&config) + offset, sizeof pair);
    return pair[set];
}

void Parameter::setValue(Config& config, KEOParamSet::Enum set, float value) const {
    char* const at = reinterpret_cast<char*>(&config) + offset + std::size_t(set) * sizeof(float);
    std::memcpy(at, &value, sizeof value);
}

const std::vector<Parameter>& tunableParameters() {
    static const std::vector<Parameter> parameters = buildParameters();
    return parameters;
}

const Parameter* findParameter(std::string_view name) {
    const auto& all = tunableParameters();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Parameter& p) { return p.name == name; });
    return found == all.end() ? nullptr : &*found;
}

std::vector<std::string> defaultParameters(const Config& config, KEOParamSet::Enum set) {
    struct Axis {
        const char* name;
        const AxisConfig& config;
    };
    const Axis axes[] = {{"lateral", config.lateral},
                         {"longitudinal", config.longitudinal},
                         {"vertical", config.vertical}};
    std::vector<std::string> names;
    for (const Axis& axis : axes) {
        const std::string travel = std::string(axis.name) + ".travel.";
        if (axis.config.travel.enabled) {
            for (const char* filter : {"accelerationFilter", "velocityFilter", "travelFilter"})
                names.push_back(travel + filter + ".cutoff");
            names.push_back(travel + "outputLimit.limitationFactor");
        }
        const std::string tilt = std::string(axis.name) + ".tiltCoordination.";
        if (axis.config.tiltCoordination.enabled) {
            names.push_back(tilt + "maximumRate");
            names.push_back(tilt + "accelerationFilter.cutoff");
            names.push_back(tilt + "outputLimit.limitationFactor");
        }
    }
    // A cutoff at 0 is a filter left out on purpose: the search keeps it out.
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& name) {
                                   const Parameter* p = findParameter(name);
                                   return name.find("Filter.cutoff") != std::string::npos &&
                                          p->value(config, set) == 0.0f;
                               }),
                names.end());
    return names;
}

} // namespace tune
