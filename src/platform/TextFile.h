#pragma once

#include "WidePath.h"

#include <cstdint>
#include <string>
#include <vector>

// The file layer of the script files. Script files are text: reading turns every CR LF into LF,
// writing turns every LF into CR LF, so a saved script always has CR LF line ends. Files are opened
// without locking out other readers or writers. Only regular files count as files.

// Reads every byte of a regular file; false when it cannot be opened or read whole.
bool readWholeFile(const WidePath& path, std::vector<char>& bytes);

// For the systems' readWholeFile: makes `bytes` hold `size` bytes; false when that many do not fit
// in memory.
bool sizeForWholeFile(std::vector<char>& bytes, std::uint64_t size);

// Reads a script in text mode; false when the file cannot be opened or read whole.
bool readTextFile(const WidePath& path, std::string& text);

// True when a regular file exists at the path and can be opened for reading.
bool canOpenForReading(const WidePath& path);

// Replaces the file's content with `text` in text mode, or creates the file. The new content is
// written completely beside the file and then moved over it, so a failure leaves the original
// untouched; the file keeps its permissions, and its owner and group where the process may set
// them. Where the folder refuses new files or the replacement (a shared folder in which only the
// file is writable, a file another program holds open), a file that is writable itself is
// rewritten in place instead. A file that is read-only, or not a regular file, is not written.
bool writeTextFileAtomically(const WidePath& path, const std::string& text);

// Text mode conversions, exposed for the writers of whole documents and for tests.
std::string crlfToLf(const std::string& text);
std::string lfToCrlf(const std::string& text);
