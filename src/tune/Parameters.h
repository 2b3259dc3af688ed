#pragma once

#include "config/Config.h"
#include "config/Description.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The numbers of a configuration a tuner may change: every number of the record's description
// (each holds one value per parameter set), named and ranged as the description has them.
namespace tune {

struct Parameter {
    // Stable, from the record's member names: "longitudinal.travel.accelerationFilter.cutoff".
    std::string name;
    // As the editor's pages show it: the page's tab, the block on it and the value's label.
    std::string page;
    std::string block;
    std::string label;
    configDescription::Unit unit;    // stored unit; shownUnitText() and toShown() give the page's
    configDescription::Range valid;  // stored unit
    configDescription::Range tuning; // the part of `valid` a search may explore, stored unit
    std::size_t offset;              // of the FloatPair within Config

    // "page: block: label", the way a list of changes names the value.
    std::string displayName() const;
    float value(const Config& config, KEOParamSet::Enum set) const;
    void setValue(Config& config, KEOParamSet::Enum set, float value) const;
};

// Every number of the record, in record order.
const std::vector<Parameter>& tunableParameters();

// The parameter of that name; null when there is none.
const Parameter* findParameter(std::string_view name);

// What a tuner changes unless told otherwise, for the paths enabled in `config`: the cutoffs of
// the travel filters (acceleration, velocity, travel; a cutoff at 0 in `set`, a filter left out
// on purpose, stays out) and of the tilt coordination's acceleration filter, the tilt rate
// limits, and the factors of these paths' output limitations. Names, axis by axis.
std::vector<std::string> defaultParameters(const Config& config, KEOParamSet::Enum set);

} // namespace tune
