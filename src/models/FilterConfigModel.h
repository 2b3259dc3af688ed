#pragma once

#include "BaseModel.h"
#include "config/Blocks.h"

// One filter block: cutoff and cutoff range in the shown parameter set, and the shared type.
class FilterConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(float cutoffFrequency              READ cutoffFrequency      WRITE setCutoffFrequency      NOTIFY _keo_cutoffFrequencyChanged)
    Q_PROPERTY(float cutoffFrequencyStart         READ cutoffFrequencyStart WRITE setCutoffFrequencyStart NOTIFY _keo_cutoffFrequencyStartChanged)
    Q_PROPERTY(float cutoffFrequencyEnd           READ cutoffFrequencyEnd   WRITE setCutoffFrequencyEnd   NOTIFY _keo_cutoffFrequencyEndChanged)
    Q_PROPERTY(KEOFilterType::Enum filterType     READ filterType           WRITE setFilterType           NOTIFY _keo_filterTypeChanged)
    // clang-format on

public:
    FilterConfigModel(FilterConfig* current, const FilterConfig* saved,
                      ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    float cutoffFrequency() const { return block().cutoff[shownSet()]; }
    float cutoffFrequencyStart() const { return block().cutoffStart[shownSet()]; }
    float cutoffFrequencyEnd() const { return block().cutoffEnd[shownSet()]; }
    KEOFilterType::Enum filterType() const { return block().type; }

    void setCutoffFrequency(float value);
    void setCutoffFrequencyStart(float value);
    void setCutoffFrequencyEnd(float value);
    void setFilterType(KEOFilterType::Enum type);

signals:
    void _keo_cutoffFrequencyChanged();
    void _keo_cutoffFrequencyStartChanged();
    void _keo_cutoffFrequencyEndChanged();
    void _keo_filterTypeChanged();

private:
    FilterConfig& block() const { return current<FilterConfig>(); }
};
