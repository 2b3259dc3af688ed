#pragma once

#include "BaseModel.h"
#include "IValueConverter.h"

#include <memory>

// One input limitation. Its maximum is in the unit of the limited signal and may be shown
// converted (radians as degrees); the slope factor is unitless and never converted.
class SignalLimitationModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(float maxValue                         READ maxValue         WRITE setMaxValue         NOTIFY _keo_maxValueChanged)
    Q_PROPERTY(float limitationFactor                 READ limitationFactor WRITE setLimitationFactor NOTIFY _keo_limitationFactorChanged)
    Q_PROPERTY(KEOLimitationType::Enum limitationType READ limitationType   WRITE setLimitationType   NOTIFY _keo_limitationTypeChanged)
    // clang-format on

public:
    SignalLimitationModel(SignalLimitation* current, const SignalLimitation* saved,
                          ParamSetModel* paramSetModel, BaseModel* parent = nullptr);
    SignalLimitationModel(SignalLimitation* current, const SignalLimitation* saved,
                          ParamSetModel* paramSetModel, std::unique_ptr<IValueConverter> converter,
                          BaseModel* parent = nullptr);
    ~SignalLimitationModel() override;

    float maxValue() const;
    float limitationFactor() const { return m_current->limitationFactor[shownSet()]; }
    KEOLimitationType::Enum limitationType() const { return m_current->type; }

    void setMaxValue(float value);
    void setLimitationFactor(float value);
    void setLimitationType(KEOLimitationType::Enum type);

    bool isModified() const override;
    void rebind(SignalLimitation* current, const SignalLimitation* saved);

    Q_INVOKABLE void restoreDefaults() override;
    // Evaluates the curve of the current type with unit gain, for drawing the block's transfer
    // curve. The arguments are in display units, as the view shows them.
    Q_INVOKABLE float callLimitationFunction(float value, float max, float factor) const;

signals:
    void _keo_maxValueChanged();
    void _keo_limitationFactorChanged();
    void _keo_limitationTypeChanged();

private:
    SignalLimitation* m_current;
    const SignalLimitation* m_saved;
    std::unique_ptr<IValueConverter> m_converter;
};
