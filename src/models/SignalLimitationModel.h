#pragma once

#include "BaseModel.h"
#include "config/Blocks.h"

// One input limitation. Its maximum is in the unit of the limited signal and is shown in the unit
// the description gives that signal's page (radians as degrees); the slope factor is unitless.
class SignalLimitationModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(float maxValue                         READ maxValue         WRITE setMaxValue         NOTIFY _keo_maxValueChanged)
    Q_PROPERTY(float limitationFactor                 READ limitationFactor WRITE setLimitationFactor NOTIFY _keo_limitationFactorChanged)
    Q_PROPERTY(KEOLimitationType::Enum limitationType READ limitationType   WRITE setLimitationType   NOTIFY _keo_limitationTypeChanged)
    // clang-format on

public:
    // `unit`: the stored unit of the maximum.
    SignalLimitationModel(SignalLimitation* current, const SignalLimitation* saved,
                          ParamSetModel* paramSetModel, BaseModel* parent = nullptr,
                          configDescription::Unit unit = configDescription::Unit::None);

    float maxValue() const;
    float limitationFactor() const { return block().limitationFactor[shownSet()]; }
    KEOLimitationType::Enum limitationType() const { return block().type; }

    void setMaxValue(float value);
    void setLimitationFactor(float value);
    void setLimitationType(KEOLimitationType::Enum type);

    // Evaluates the curve of the current type with unit gain, for drawing the block's transfer
    // curve. The arguments are in display units, as the view shows them.
    Q_INVOKABLE float callLimitationFunction(float value, float max, float factor) const;

signals:
    void _keo_maxValueChanged();
    void _keo_limitationFactorChanged();
    void _keo_limitationTypeChanged();

private:
    SignalLimitation& block() const { return current<SignalLimitation>(); }

    configDescription::Unit m_unit;
};
