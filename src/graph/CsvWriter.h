#pragma once

#include "GraphSource.h"

class QIODevice;
class QString;

namespace JVX {

// Writes a collected CSV table: the header "Time [ms]" followed by ";" and every column header,
// then one line per row with the row's time relative to the first row in whole milliseconds and
// ";" before every value, written with 10 decimals. Lines end with a single line feed. False when
// not everything reached the device.
bool writeCsv(QIODevice& device, const CsvTable& table);

// Writes the table to `path`: into a new file beside it that replaces the file only once it is
// complete, so a failed export leaves no partial file and any earlier file as it was. On failure
// returns false and, with `reason`, says why.
bool writeCsvFile(const QString& path, const CsvTable& table, QString* reason = nullptr);

} // namespace JVX
