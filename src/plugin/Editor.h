#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class DestructionNotifier;
class HostOutputSource;
class QQuickView;
struct WorkEnvelopeLimits;
namespace JVX {
class GraphWidgetRepainter;
}

// Everything the host hands over when it asks for an editor.
struct EditorArguments {
    QQuickView* view = nullptr;
    QString scriptPath;
    bool attachedToScript = false;
    DestructionNotifier* destructionNotifier = nullptr;
    JVX::GraphWidgetRepainter* repainter = nullptr;
    std::unique_ptr<HostOutputSource> outputSource;
    const WorkEnvelopeLimits* workEnvelopes = nullptr;
};

// Builds the editor in the host's view: every object becomes a child of the view. Returns the
// initial load's result code, or 6 without a view.
std::int32_t createEditor(EditorArguments arguments);
