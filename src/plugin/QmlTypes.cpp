#include "QmlTypes.h"

#include "config/KeoEnums.h"
#include "cueingview/BodePlot.h"
#include "cueingview/FrequencyResponseModel.h"
#include "cueingview/LiveScores.h"
#include "cueingview/PerceivedStrip.h"
#include "graph/QuickGraphView.h"
#include "ui/GValidator.h"

#include <QtQml>

namespace {

bool typesRegistered = false;

template <class Gadget> void registerEnumerationHolder(const char* name) {
    qmlRegisterUncreatableMetaObject(Gadget::staticMetaObject, name, 1, 0, name, QString());
}

} // namespace

bool registerQmlTypesOnce() {
    if (typesRegistered)
        return false;
    registerEnumerationHolder<KEOFilterType>("KEOFilterType");
    registerEnumerationHolder<KEOLimitationType>("KEOLimitationType");
    registerEnumerationHolder<KEOParamSet>("KEOParamSet");
    qmlRegisterType<GValidator>("GValidator", 1, 0, "GValidator");
    qmlRegisterType<JVX::QuickGraphView>("JVX_QuickGraphView", 1, 0, "JVX_QuickGraphView");
    qmlRegisterType<BodePlot>("KEO_Cueing", 1, 0, "KEO_BodePlot");
    qmlRegisterUncreatableType<FrequencyResponseModel>("KEO_Cueing", 1, 0, "FrequencyResponseModel",
                                                       QString());
    qmlRegisterType<PerceivedStrip>("KEO_Cueing", 1, 0, "KEO_PerceivedStrip");
    qmlRegisterUncreatableType<LiveScores>("KEO_Cueing", 1, 0, "LiveScores", QString());
    typesRegistered = true;
    return true;
}
