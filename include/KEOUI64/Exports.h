#pragma once

#include <QtCore/QString>

#if defined(_WIN32)
#define KEOUI64_EXPORT __declspec(dllexport)
#else
#define KEOUI64_EXPORT __attribute__((visibility("default")))
#endif

// Whether the file carries a configuration section of the first cluster; false for a file that
// cannot be read. The file is neither parsed nor kept open.
extern "C" KEOUI64_EXPORT bool ContainsKEOScript(const QString& path);
