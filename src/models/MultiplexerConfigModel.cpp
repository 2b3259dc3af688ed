#include "MultiplexerConfigModel.h"

#include "config/RecordDescription.h"

MultiplexerConfigModel::MultiplexerConfigModel(MultiplexerConfig* current,
                                               const MultiplexerConfig* saved,
                                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<MultiplexerConfig>::block);
}
