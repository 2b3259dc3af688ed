#include "CsvWriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>
#include <cerrno>

namespace JVX {

bool writeCsv(QIODevice& device, const CsvTable& table) {
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
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool writeCsvFile(const QString& path, const CsvTable& table, QString* reason) {
    QSaveFile file(path);
    // Binary mode: the lines end with a bare line feed on every platform.
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    // The file does not notice every failed write made through a text stream and would commit a
    // truncated file (a full disk, a quota): the stream's status decides.
    errno = 0;
    if (!writeCsv(file, table)) {
        const int error = errno;
        if (reason)
            *reason = error != 0 ? qt_error_string(error)
                                 : QCoreApplication::translate("JVX::GraphWidget",
                                                               "not all data could be written");
        return false; // the unfinished file beside is removed, the earlier one stays
    }
    if (file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

} // namespace JVX
