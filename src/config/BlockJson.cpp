#include "BlockJson.h"

#include "JsonAccess.h"
#include "RecordDescription.h"

#include <QtGlobal>
#include <cmath>
#include <stdexcept>

using jsonAccess::has;
using jsonAccess::required;

namespace {

// The keys as the description names them.
constexpr const char* cutoffKey = KEO_KEY(FilterConfig, cutoff);
constexpr const char* cutoffStartKey = KEO_KEY(FilterConfig, cutoffStart);
constexpr const char* cutoffEndKey = KEO_KEY(FilterConfig, cutoffEnd);
constexpr const char* filterTypeKey = KEO_KEY(FilterConfig, type);
constexpr const char* factorKey = KEO_KEY(Limitation, limitationFactor);
constexpr const char* limitationTypeKey = KEO_KEY(Limitation, type);
constexpr const char* maxValueFactorKey = KEO_KEY(Limitation, maxValueFactor);
constexpr const char* maxValueKey = KEO_KEY(SignalLimitation, maxValue);
constexpr const char* signalFactorKey = KEO_KEY(SignalLimitation, limitationFactor);
constexpr const char* signalTypeKey = KEO_KEY(SignalLimitation, type);

constexpr float defaultMaxValueFactor =
    configDescription::entryAt<Limitation>(offsetof(Limitation, maxValueFactor)).absentNumber;

// A value that is not finite in single precision could be held in memory but would be written
// as null and make the saved file unreadable, so it is refused when loading.
float readNumber(const Json& value) {
    const float number = value.get<float>();
    if (!std::isfinite(number)) {
        throw std::runtime_error("Number is out of single-precision range");
    }
    return number;
}

FloatPair scaled(const FloatPair& pair, float factor) {
    return FloatPair{{pair[0] * factor, pair[1] * factor}};
}

std::string readName(const Json& parent, const char* key) {
    return required(parent, key).get<std::string>();
}

bool isDefaultMaxValueFactor(const FloatPair& pair) {
    // Qt's single-precision fuzzy comparison, as the editor's models use it: a value the editor
    // shows as 100 counts as 100.
    return qFuzzyCompare(pair[0], defaultMaxValueFactor) &&
           qFuzzyCompare(pair[1], defaultMaxValueFactor);
}

} // namespace

// A pair is written as two numbers; a value of any other size stands for both parameter sets.
// An object of two members is refused by the library's numeric subscript (type error 305).
FloatPair readFloatPair(const Json& value) {
    if (value.size() == 2) {
        return FloatPair{{readNumber(value[std::size_t{0}]), readNumber(value[std::size_t{1}])}};
    }
    return FloatPair::both(readNumber(value));
}

FilterConfig readFilterConfig(const Json& value) {
    FilterConfig filter{};
    filter.cutoff = readFloatPair(required(value, cutoffKey));
    filter.cutoffStart = scaled(filter.cutoff, 0.05f);
    filter.cutoffEnd = scaled(filter.cutoff, 2.2f);
    if (has(value, cutoffStartKey)) {
        filter.cutoffStart = readFloatPair(required(value, cutoffStartKey));
    }
    if (has(value, cutoffEndKey)) {
        filter.cutoffEnd = readFloatPair(required(value, cutoffEndKey));
    }
    filter.type = filterTypeFromName(readName(value, filterTypeKey));
    return filter;
}

// The type of these filters is fixed by the algorithm, so any name in the object is ignored.
FilterConfig readCutoffOnlyFilter(const Json& value, KEOFilterType::Enum type) {
    FilterConfig filter{};
    filter.cutoff = readFloatPair(required(value, cutoffKey));
    filter.cutoffStart = FloatPair::both(0.0f);
    filter.cutoffEnd = FloatPair::both(0.0f);
    filter.type = type;
    return filter;
}

Limitation readLimitation(const Json& value) {
    Limitation limitation{};
    limitation.limitationFactor = readFloatPair(required(value, factorKey));
    limitation.type = limitationTypeFromName(readName(value, limitationTypeKey));
    limitation.maxValueFactor = has(value, maxValueFactorKey)
                                    ? readFloatPair(required(value, maxValueFactorKey))
                                    : FloatPair::both(defaultMaxValueFactor);
    return limitation;
}

SignalLimitation readSignalLimitation(const Json& value) {
    SignalLimitation limitation{};
    limitation.maxValue = readFloatPair(required(value, maxValueKey));
    limitation.limitationFactor = readFloatPair(required(value, signalFactorKey));
    limitation.type = limitationTypeFromName(readName(value, signalTypeKey));
    return limitation;
}

KEOFilterType::Enum filterTypeFromName(const std::string& name) {
    if (name == "high_pass") {
        return KEOFilterType::HighPass;
    }
    if (name == "low_pass") {
        return KEOFilterType::LowPass;
    }
    if (name == "none") {
        return KEOFilterType::None;
    }
    // The misspelling is part of the text users and existing tooling already see.
    throw std::runtime_error("Uknown filter type: " + name);
}

KEOLimitationType::Enum limitationTypeFromName(const std::string& name) {
    if (name == "exp" || name == "logistic") {
        return KEOLimitationType::Logistic;
    }
    if (name == "atan") {
        return KEOLimitationType::Atan;
    }
    if (name == "gain") {
        return KEOLimitationType::Gain;
    }
    if (name == "none") {
        return KEOLimitationType::None;
    }
    throw std::runtime_error("Unknown limitation type: " + name);
}

const char* filterTypeName(KEOFilterType::Enum type) {
    switch (type) {
    case KEOFilterType::HighPass:
        return "high_pass";
    case KEOFilterType::LowPass:
        return "low_pass";
    default:
        return "none";
    }
}

const char* limitationTypeName(KEOLimitationType::Enum type) {
    switch (type) {
    case KEOLimitationType::Logistic:
        return "logistic";
    case KEOLimitationType::Atan:
        return "atan";
    case KEOLimitationType::Gain:
        return "gain";
    default:
        return "none";
    }
}

Json writeFloatPair(const FloatPair& pair) {
    return Json::array({pair[0], pair[1]});
}

Json writeFilterConfig(const FilterConfig& filter) {
    Json object = writeCutoffOnlyFilter(filter);
    object[filterTypeKey] = filterTypeName(filter.type);
    return object;
}

Json writeCutoffOnlyFilter(const FilterConfig& filter) {
    Json object = Json::object();
    object[cutoffKey] = writeFloatPair(filter.cutoff);
    return object;
}

Json writeLimitation(const Limitation& limitation) {
    Json object = Json::object();
    object[factorKey] = writeFloatPair(limitation.limitationFactor);
    object[limitationTypeKey] = limitationTypeName(limitation.type);
    if (!isDefaultMaxValueFactor(limitation.maxValueFactor)) {
        object[maxValueFactorKey] = writeFloatPair(limitation.maxValueFactor);
    }
    return object;
}

Json writeSignalLimitation(const SignalLimitation& limitation) {
    Json object = Json::object();
    object[maxValueKey] = writeFloatPair(limitation.maxValue);
    object[signalFactorKey] = writeFloatPair(limitation.limitationFactor);
    object[signalTypeKey] = limitationTypeName(limitation.type);
    return object;
}
