#pragma once

#include "ConfigManager.h"
#include "models/ChangesListModel.h"
#include "models/CompareSetsModel.h"
#include "models/EditHistory.h"

#include <QQmlContext>

// Publishes the manager's undo history and its lists of unsaved changes and parameter-set
// differences to the view files, beside cpp_configManager.
inline void publishEditing(QQmlContext& context, const ConfigManager& manager) {
    context.setContextProperty(QStringLiteral("cpp_editHistory"), manager.editHistory());
    context.setContextProperty(QStringLiteral("cpp_configChanges"), manager.configChanges());
    context.setContextProperty(QStringLiteral("cpp_paramSetComparison"),
                               manager.paramSetComparison());
}
