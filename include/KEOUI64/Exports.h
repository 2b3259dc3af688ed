#pragma once

#include <QtCore/QString>
#include <cstdint>

#if defined(_WIN32)
#define KEOUI64_EXPORT __declspec(dllexport)
#else
#define KEOUI64_EXPORT __attribute__((visibility("default")))
#endif

class QQuickView;
class DestructionNotifier;
class HostOutputSource;
struct WorkEnvelopeLimits;
namespace JVX {
class GraphWidgetRepainter;
}

// Whether the file carries a configuration section of the first cluster; false for a file that
// cannot be read. The file is neither parsed nor kept open.
extern "C" KEOUI64_EXPORT bool ContainsKEOScript(const QString& path);

// Builds the editor in `view` (which then owns every object of it) and loads `scriptPath`.
// Set the root context property "qt_scale" (the display scale factor) on the view first.
// `outputSource` passes to the library, also on failure; null disables the live graphs.
// `workEnvelopes` points to two records, for cluster 0 and cluster 1, copied during the call.
// Returns 6 for a null view, 0 or 5 (empty path) when the editor was built, and 2, 3 or 4 when the
// initial load failed (file not accessible, no section, syntax error); the window is not shown
// then.
extern "C" KEOUI64_EXPORT std::int32_t
Create(QQuickView* view, const QString& scriptPath, bool attachedToScript,
       DestructionNotifier* destructionNotifier, JVX::GraphWidgetRepainter* repainter,
       HostOutputSource* outputSource, const WorkEnvelopeLimits* workEnvelopes);
