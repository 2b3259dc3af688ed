#pragma once

#include <cstdio>

// Whether `stream` writes to an interactive terminal rather than to a file or a pipe, so that a
// program may draw progress on it.
bool isTerminal(std::FILE* stream);
