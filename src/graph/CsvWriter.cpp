#include "CsvWriter.h"

#include <QFile>
#include <QTextStream>

namespace JVX {

void writeCsv(QIODevice& device, const CsvTable& table) {
    QTextStream out(&device);
    out << "Time [ms]";
    for (const QString& header : table.headers)
        out << ';' << header;
    out << '\n';

    const std::uint64_t start = table.rows.empty() ? 0 : table.rows.front().timestamp;
    for (const CsvRow& row : table.rows) {
        // Unsigned on purpose: the time stamps only grow within one export.
        out << QString::number(row.timestamp - start);
        for (float value : row.values)
            out << ';' << QString::number(double(value), 'f', 10);
        out << '\n';
    }
}

bool writeCsvFile(const QString& path, const CsvTable& table) {
    QFile file(path);
    // Binary mode: the lines end with a bare line feed on every platform.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    writeCsv(file, table);
    return true;
}

} // namespace JVX
