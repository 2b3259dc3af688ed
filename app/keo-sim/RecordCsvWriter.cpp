#include "RecordCsvWriter.h"

#include "PlatformWords.h"

#include <charconv>
#include <stdexcept>

RecordCsvWriter::RecordCsvWriter(const std::string& path, bool allWords)
    : m_file(std::fopen(path.c_str(), "wb"))
    , m_path(path)
    , m_allWords(allWords) {
    if (!m_file)
        throw std::runtime_error(path + ": cannot create the file");
    m_buffer = "time_s";
    if (allWords) {
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            m_buffer += ",word_" + std::to_string(word);
    } else {
        m_buffer += ",roll_rad,pitch_rad,yaw_rad,heave_m,sway_m,surge_m";
    }
    m_buffer += '\n';
}

RecordCsvWriter::~RecordCsvWriter() {
    if (m_file)
        std::fclose(m_file);
}

void RecordCsvWriter::write(double seconds, const KEOOutputRecord& record) {
    char text[32];
    const auto append = [this, &text](std::to_chars_result result) {
        m_buffer.append(text, result.ptr);
    };
    append(std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 6));
    const auto appendWord = [&](int word) {
        m_buffer += ',';
        append(std::to_chars(text, text + sizeof text, record.signal(word)));
    };
    if (m_allWords) {
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            appendWord(word);
    } else {
        for (int dof = 0; dof < 6; ++dof)
            appendWord(platformWords[dof]);
    }
    m_buffer += '\n';
    if (m_buffer.size() > (1u << 20))
        flush();
}

void RecordCsvWriter::flush() {
    if (!m_buffer.empty() &&
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        throw std::runtime_error(m_path + ": cannot write the file");
    m_buffer.clear();
}

void RecordCsvWriter::finish() {
    flush();
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed)
        throw std::runtime_error(m_path + ": cannot write the file");
}
