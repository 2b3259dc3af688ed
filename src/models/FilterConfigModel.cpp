#include "FilterConfigModel.h"

#include "config/RecordDescription.h"

FilterConfigModel::FilterConfigModel(FilterConfig* current, const FilterConfig* saved,
                                     ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownValues(&configDescription::Described<FilterConfig>::block);
}

void FilterConfigModel::setCutoffFrequency(float value) {
    write(block().cutoff[shownSet()], value, &FilterConfigModel::_keo_cutoffFrequencyChanged);
}

void FilterConfigModel::setCutoffFrequencyStart(float value) {
    write(block().cutoffStart[shownSet()], value,
          &FilterConfigModel::_keo_cutoffFrequencyStartChanged);
}

void FilterConfigModel::setCutoffFrequencyEnd(float value) {
    write(block().cutoffEnd[shownSet()], value, &FilterConfigModel::_keo_cutoffFrequencyEndChanged);
}

void FilterConfigModel::setFilterType(KEOFilterType::Enum type) {
    write(block().type, type, &FilterConfigModel::_keo_filterTypeChanged);
}
