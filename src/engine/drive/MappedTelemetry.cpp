#include "MappedTelemetry.h"

#include "CsvText.h"
#include "FileBytes.h"

#include <algorithm>

namespace engine::drive {
namespace {

// Moves `lines` on until the next line it hands out is line `number`; false when the text ends.
bool skipTo(csv::Lines& lines, int number) {
    std::string_view line;
    while (lines.number() + 1 < number)
        if (!lines.next(line))
            return false;
    return true;
}

std::string quotedList(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::string_view name : names)
        text += (text.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    return text;
}

// Each column the map reads, found by its name in the header line.
std::vector<csv::Field> mappedFields(std::string_view header, const ColumnMap& map, int line,
                                     const csv::Place& place) {
    std::vector<std::string_view> names;
    csv::splitFields(header, map.separator, names);
    std::vector<csv::Field> fields;
    for (const std::string& column : map.columns()) {
        const auto found = std::find(names.begin(), names.end(), column);
        if (found == names.end())
            place.fail(line, 1,
                       "no column \"" + column + "\", which " + map.fileName +
                           " reads; the columns are " + quotedList(names));
        const std::size_t index = std::size_t(found - names.begin());
        const auto again = std::find(found + 1, names.end(), column);
        if (again != names.end())
            place.fail(line, int(again - names.begin()) + 1,
                       "column \"" + column + "\" also stands in column " +
                           std::to_string(index + 1) + "; " + map.fileName +
                           " cannot tell which to read");
        fields.push_back({index, column});
    }
    return fields;
}

} // namespace

std::unique_ptr<Drive> parseMappedTelemetry(const std::string& text, const std::string& fileName,
                                            const ColumnMap& map) {
    const csv::Place place(fileName);
    csv::Lines lines(text);
    std::string_view header;
    if (!skipTo(lines, map.headerLine) || !lines.next(header))
        place.fail(lines.number() + 1, 1,
                   "no header line " + std::to_string(map.headerLine) + ", where " + map.fileName +
                       " expects the column names");
    const std::vector<csv::Field> fields = mappedFields(header, map, map.headerLine, place);
    if (!skipTo(lines, map.firstDataLine))
        place.fail(lines.number() + 1, 1, "no samples after the header");

    csv::RowRules rules;
    rules.separator = map.separator;
    rules.timeScale = map.time.factor;
    csv::Samples samples = csv::readRows(lines, place, fields, rules, csv::lineCount(text));
    std::map<std::string, std::vector<double>> raw;
    for (std::size_t i = 0; i < fields.size(); ++i)
        raw[fields[i].name] = std::move(samples.values[i]);
    return makeRecordedDrive(std::move(samples.times), mappedSignals(map, raw));
}

std::unique_ptr<Drive> loadMappedTelemetry(const std::string& path, const ColumnMap& map) {
    return parseMappedTelemetry(readWholeFile(path), path, map);
}

} // namespace engine::drive
