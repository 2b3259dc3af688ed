#pragma once

#include "Drive.h"

#include <string>
#include <string_view>
#include <vector>

// The text of a telemetry CSV file: its lines, their fields, numbers, and the place of a fault
// for messages ("drive.csv, line 3, column 2 (speed_mps): ...").
namespace engine::drive::csv {

class Place {
public:
    explicit Place(const std::string& fileName)
        : m_fileName(fileName) {}

    // Throws DriveError naming the file, the line and column (1-based) and a column's name.
    [[noreturn]] void fail(int line, int column, const std::string& what,
                           const std::string& columnName = {}) const;

private:
    const std::string& m_fileName;
};

// `text` without the blanks, tabs and carriage returns around it.
std::string_view trimmed(std::string_view text);

// The fields of a line separated by `separator`, trimmed, into `fields` (kept to save
// allocations). A field in double quotes may hold the separator; the quotes are not part of it.
void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields);

// A finite number in C notation, with an optional leading '+'; false for anything else.
bool parseNumber(std::string_view text, double& value);

// Hands out the lines of a text one by one, without their line ends; the first without a UTF-8
// byte-order mark some spreadsheets write.
class Lines {
public:
    explicit Lines(std::string_view text);
    bool next(std::string_view& line);
    int number() const { return m_number; } // of the line last handed out, 1-based

private:
    std::string_view m_text;
    std::size_t m_position = 0;
    int m_number = 0;
};

// How many lines the text has at most, to reserve room for its rows.
std::size_t lineCount(std::string_view text);

// "0.2 s"
std::string seconds(double value);

// A field each data row must have, by its index in the row, named for messages.
struct Field {
    std::size_t index;
    std::string name;
};

// Samples read from rows: the time of each row, in seconds, and the values of each field asked
// for, in the order asked for (the time's field included).
struct Samples {
    std::vector<double> times;
    std::vector<std::vector<double>> values;
};

// How data rows are read: `fields[timeField]` holds the time, in units of `timeScale` seconds,
// increasing from row to row; with `exactFieldCount` every row has exactly that many fields, else
// fields the reader does not ask for are not looked at. Blank lines are skipped.
struct RowRules {
    char separator = ',';
    std::size_t timeField = 0;
    double timeScale = 1.0;
    std::size_t exactFieldCount = 0; // 0: any number of fields
};

// Reads every data row left in `lines`; throws DriveError at the first fault, and when fewer than
// two samples came.
Samples readRows(Lines& lines, const Place& place, const std::vector<Field>& fields,
                 const RowRules& rules, std::size_t rowsExpected);

} // namespace engine::drive::csv
