#pragma once

#include <cstdio>

// Whether a standard stream goes to a terminal (a console on Windows) rather than a file or a
// pipe: progress bars are drawn only there.
bool isTerminal(std::FILE* stream);
