#pragma once

#include "BaseModel.h"
#include "config/Blocks.h"

// One tunable number, shown in the unit the description gives its page.
class FloatValueModel : public BaseModel {
    Q_OBJECT
    Q_PROPERTY(float value READ value WRITE setValue NOTIFY _keo_valueChanged)

public:
    // `unit`: the unit the number is stored in.
    FloatValueModel(FloatPair* current, const FloatPair* saved, ParamSetModel* paramSetModel,
                    BaseModel* parent = nullptr,
                    configDescription::Unit unit = configDescription::Unit::None);

    float value() const;
    void setValue(float value);

signals:
    void _keo_valueChanged();

private:
    configDescription::Unit m_unit;
};
