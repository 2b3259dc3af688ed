#pragma once

// Registers the view files (qrc:/keoqml/...) and the check image (qrc:/Check) with Qt's resource
// system. A static library's resources are not registered on their own: call this once before
// the first view file is loaded.
void initKeoQmlResources();
