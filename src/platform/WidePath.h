#pragma once

#include <string>

// Paths cross the library's interfaces as UTF-16 strings, as the host's wide-character file API
// expects them; they are turned into the local encoding only where a file is opened.
using WidePath = std::u16string;

// UTF-8 form of a wide path; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(const WidePath& path);
WidePath fromUtf8(const std::string& text);

// Case-sensitive test of the last characters of a path.
bool endsWith(const WidePath& path, const std::u16string& suffix);
