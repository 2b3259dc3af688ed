#include "TuneChanges.h"

#include "models/ConfigFieldTable.h"

namespace {

// The editor's field of a tuner parameter: both name the value by its place in the record.
int fieldAt(std::size_t offset) {
    const auto& fields = configFieldTable::fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].kind == configFieldTable::Kind::Float && fields[i].offset == offset)
            return int(i);
    return -1;
}

} // namespace

std::vector<EditHistory::Change> tunedChanges(const Config& current, const tune::Result& result,
                                              KEOParamSet::Enum set) {
    std::vector<EditHistory::Change> changes;
    for (const tune::ParameterChange& change : result.changes) {
        const tune::Parameter* parameter = tune::findParameter(change.name);
        const int field = parameter ? fieldAt(parameter->offset) : -1;
        if (field < 0)
            continue;
        const configFieldTable::Item item{field, int(set)};
        changes.push_back({item, configFieldTable::read(current, item),
                           configFieldTable::read(result.config, item)});
    }
    return changes;
}
