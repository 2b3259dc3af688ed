#include "TuneParameterList.h"

#include "tune/Parameters.h"

#include <QVariantMap>
#include <algorithm>

namespace {

QVariantMap rowOf(const tune::Parameter& parameter, const Config& config, KEOParamSet::Enum set,
                  bool chosen) {
    using configDescription::toShown;
    const auto shown = [&parameter](float stored) {
        return double(toShown(parameter.unit, stored));
    };
    return {
        {QStringLiteral("name"), QString::fromStdString(parameter.name)},
        {QStringLiteral("page"), QString::fromStdString(parameter.page)},
        {QStringLiteral("title"), QString::fromStdString(parameter.block + ": " + parameter.label)},
        {QStringLiteral("unit"),
         QString::fromUtf8(configDescription::shownUnitText(parameter.unit))},
        {QStringLiteral("low"), shown(parameter.tuning.low)},
        {QStringLiteral("high"), shown(parameter.tuning.high)},
        {QStringLiteral("value"), shown(parameter.value(config, set))},
        {QStringLiteral("chosen"), chosen}};
}

} // namespace

QVariantList tuneParameterRows(const Config& config, KEOParamSet::Enum set) {
    const std::vector<std::string> defaults = tune::defaultParameters(config, set);
    QVariantList rows;
    for (const tune::Parameter& parameter : tune::tunableParameters()) {
        const bool chosen =
            std::find(defaults.begin(), defaults.end(), parameter.name) != defaults.end();
        rows.append(rowOf(parameter, config, set, chosen));
    }
    return rows;
}
