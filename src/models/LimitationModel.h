#pragma once

#include "BaseModel.h"
#include "config/Blocks.h"

// One output limitation: slope factor and maximum (a percentage of the work envelope) in the
// shown parameter set, and the shared curve type.
class LimitationModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(float limitationFactor                 READ limitationFactor WRITE setLimitationFactor NOTIFY _keo_limitationFactorChanged)
    Q_PROPERTY(float maxValueFactor                   READ maxValueFactor   WRITE setMaxValueFactor   NOTIFY _keo_maxValueFactorChanged)
    Q_PROPERTY(KEOLimitationType::Enum limitationType READ limitationType   WRITE setLimitationType   NOTIFY _keo_limitationTypeChanged)
    // clang-format on

public:
    LimitationModel(Limitation* current, const Limitation* saved, ParamSetModel* paramSetModel,
                    BaseModel* parent = nullptr);

    float limitationFactor() const { return block().limitationFactor[shownSet()]; }
    float maxValueFactor() const { return block().maxValueFactor[shownSet()]; }
    KEOLimitationType::Enum limitationType() const { return block().type; }

    void setLimitationFactor(float value);
    void setMaxValueFactor(float value);
    void setLimitationType(KEOLimitationType::Enum type);

signals:
    void _keo_limitationFactorChanged();
    void _keo_maxValueFactorChanged();
    void _keo_limitationTypeChanged();

private:
    Limitation& block() const { return current<Limitation>(); }
};
