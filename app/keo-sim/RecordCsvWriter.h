#pragma once

#include "KEOUI64/OutputRecord.h"

#include <cstdio>
#include <string>

// Writes one CSV row per step: the time and the six degrees of freedom, or every word.
class RecordCsvWriter {
public:
    // Throws std::runtime_error when the file cannot be created.
    RecordCsvWriter(const std::string& path, bool allWords);
    ~RecordCsvWriter();
    RecordCsvWriter(const RecordCsvWriter&) = delete;
    RecordCsvWriter& operator=(const RecordCsvWriter&) = delete;

    void write(double seconds, const KEOOutputRecord& record);
    // Throws std::runtime_error when the data did not reach the disk.
    void finish();

private:
    void flush();

    std::FILE* m_file;
    std::string m_path;
    bool m_allWords;
    std::string m_buffer;
};
