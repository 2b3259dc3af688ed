#pragma once

#include "GraphSource.h"

class QIODevice;
class QString;

namespace JVX {

// Writes a collected CSV table: the header "Time [ms]" followed by ";" and every column header,
// then one line per row with the row's time relative to the first row in whole milliseconds and
// ";" before every value, written with 10 decimals. Lines end with a single line feed.
void writeCsv(QIODevice& device, const CsvTable& table);

// Writes the table to `path`, replacing the file; false when it cannot be opened.
bool writeCsvFile(const QString& path, const CsvTable& table);

} // namespace JVX
