#include "AxisConfigModel.h"

#include "config/RecordDescription.h"

AxisConfigModel::AxisConfigModel(AxisConfig* current, const AxisConfig* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<AxisConfig>::block);
}
