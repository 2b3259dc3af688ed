#include "CsvText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace engine::drive::csv {

void Place::fail(int line, int column, const std::string& what,
                 const std::string& columnName) const {
    std::string where =
        m_fileName + ", line " + std::to_string(line) + ", column " + std::to_string(column);
    if (!columnName.empty())
        where += " (" + columnName + ")";
    throw DriveError(where + ": " + what);
}

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

// Where the field starting at `start` ends: the next separator outside double quotes.
std::size_t fieldEnd(std::string_view line, std::size_t start, char separator) {
    bool quoted = false;
    for (std::size_t i = start; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == separator && !quoted)
            return i;
    }
    return std::string_view::npos;
}

std::string_view unquoted(std::string_view field) {
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        return trimmed(field.substr(1, field.size() - 2));
    return field;
}

} // namespace

void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t end = fieldEnd(line, start, separator);
        fields.push_back(unquoted(trimmed(line.substr(start, end - start))));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

bool parseNumber(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    const auto [rest, error] = std::from_chars(first, end, value);
    return error == std::errc() && rest == end && std::isfinite(value);
}

Lines::Lines(std::string_view text)
    : m_text(text) {
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
        m_text.remove_prefix(3);
}

bool Lines::next(std::string_view& line) {
    if (m_position >= m_text.size())
        return false;
    const std::size_t end = std::min(m_text.find('\n', m_position), m_text.size());
    line = m_text.substr(m_position, end - m_position);
    m_position = end + 1;
    ++m_number;
    return true;
}

std::size_t lineCount(std::string_view text) {
    return std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
}

std::string seconds(double value) {
    std::ostringstream text;
    text << value << " s";
    return text.str();
}

namespace {

// Checks the row's field count and reads the fields asked for into `samples`.
void readRow(const std::vector<std::string_view>& row, int line, const Place& place,
             const std::vector<Field>& fields, const RowRules& rules, Samples& samples) {
    const std::size_t exact = rules.exactFieldCount;
    if (exact && row.size() < exact) // every field is asked for, in order
        place.fail(line, int(row.size()) + 1, "missing value", fields[row.size()].name);
    if (exact && row.size() > exact)
        place.fail(line, int(exact) + 1,
                   "more values than the header has columns (" + std::to_string(exact) + ")");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& field = fields[i];
        if (field.index >= row.size())
            place.fail(line, int(row.size()) + 1, "missing value", field.name);
        double value = 0.0;
        if (!parseNumber(row[field.index], value))
            place.fail(line, int(field.index) + 1,
                       "\"" + std::string(row[field.index]) + "\" is not a number", field.name);
        samples.values[i].push_back(value);
    }
}

} // namespace

Samples readRows(Lines& lines, const Place& place, const std::vector<Field>& fields,
                 const RowRules& rules, std::size_t rowsExpected) {
    Samples samples;
    samples.times.reserve(rowsExpected);
    samples.values.resize(fields.size());
    for (std::vector<double>& column : samples.values)
        column.reserve(rowsExpected);
    std::vector<std::string_view> row;
    std::string_view line;
    int previousLine = 0;
    const Field& timeField = fields[rules.timeField];
    while (lines.next(line)) {
        if (trimmed(line).empty())
            continue;
        splitFields(line, rules.separator, row);
        readRow(row, lines.number(), place, fields, rules, samples);
        const double time = samples.values[rules.timeField].back() * rules.timeScale;
        if (!samples.times.empty() && !(time > samples.times.back()))
            place.fail(lines.number(), int(timeField.index) + 1,
                       "time " + seconds(time) + " does not come after " +
                           seconds(samples.times.back()) + " on line " +
                           std::to_string(previousLine),
                       timeField.name);
        samples.times.push_back(time);
        previousLine = lines.number();
    }
    if (samples.times.size() < 2)
        place.fail(lines.number() + 1, 1,
                   samples.times.empty() ? "no samples after the header"
                                         : "one sample is no drive; give at least two");
    return samples;
}

} // namespace engine::drive::csv
