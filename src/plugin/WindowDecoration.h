#pragma once

#include <QIcon>
#include <QString>

class ConfigManager;
class QQuickView;

// "KEO Editor", then " - <path> [Cluster #n]" once a file is named, and "*" while the loaded
// configuration differs from what was last loaded or saved.
QString editorWindowTitle(const ConfigManager& manager);

// Sets the title of `view`; does nothing when either is missing.
void updateWindowTitle(QQuickView* view, const ConfigManager* manager);

// Every image of a multi-size icon file, so the window system can pick the size it needs.
QIcon multiSizeIcon(const QString& fileName);
