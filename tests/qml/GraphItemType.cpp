#include "GraphItemType.h"

#include "graph/QuickGraphView.h"

#include <QtQml>

void registerGraphItemType() {
    qmlRegisterType<JVX::QuickGraphView>("JVX_QuickGraphView", 1, 0, "JVX_QuickGraphView");
}
