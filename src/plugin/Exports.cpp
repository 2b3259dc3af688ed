#include "KEOUI64/Exports.h"

#include "Editor.h"
#include "KEOUI64/HostOutputSource.h"
#include "script/ScriptDetection.h"
#include "script/ScriptResult.h"

#include <QtGlobal>

// Nothing may escape into a host that may have been built with another compiler, so both entry
// points turn any exception into their failure result.

extern "C" KEOUI64_EXPORT bool ContainsKEOScript(const QString& path) {
    try {
        return containsScriptSection(path.toStdU16String());
    } catch (...) {
        return false;
    }
}

extern "C" KEOUI64_EXPORT std::int32_t
Create(QQuickView* view, const QString& scriptPath, bool attachedToScript,
       DestructionNotifier* destructionNotifier, JVX::GraphWidgetRepainter* repainter,
       HostOutputSource* outputSource, const WorkEnvelopeLimits* workEnvelopes) {
    EditorArguments arguments;
    arguments.outputSource.reset(outputSource); // ours from here on, whatever happens
    arguments.view = view;
    arguments.scriptPath = scriptPath;
    arguments.attachedToScript = attachedToScript;
    arguments.destructionNotifier = destructionNotifier;
    arguments.repainter = repainter;
    arguments.workEnvelopes = workEnvelopes;
    try {
        return createEditor(std::move(arguments));
    } catch (const std::exception& error) {
        qCritical("Creating the editor failed: %s", error.what());
        return InternalError;
    } catch (...) {
        return InternalError;
    }
}
