#include "KeoQmlResources.h"

#include <QtGlobal>

void initKeoQmlResources() {
    Q_INIT_RESOURCE(keoqml);
}
