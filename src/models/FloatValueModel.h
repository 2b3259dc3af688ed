#pragma once

#include "BaseModel.h"
#include "IValueConverter.h"

#include <memory>

// One tunable number. Unlike the block models it keeps its saved pair by value.
class FloatValueModel : public BaseModel {
    Q_OBJECT
    Q_PROPERTY(float value READ value WRITE setValue NOTIFY _keo_valueChanged)

public:
    FloatValueModel(FloatPair* current, const FloatPair* saved, ParamSetModel* paramSetModel,
                    BaseModel* parent = nullptr);
    FloatValueModel(FloatPair* current, const FloatPair* saved, ParamSetModel* paramSetModel,
                    std::unique_ptr<IValueConverter> converter, BaseModel* parent = nullptr);
    ~FloatValueModel() override;

    float value() const;
    void setValue(float value);

    bool isModified() const override;
    void restoreDefaults() override;
    void rebind(FloatPair* current, const FloatPair* saved);

signals:
    void _keo_valueChanged();

private:
    FloatPair* m_current;
    FloatPair m_saved;
    std::unique_ptr<IValueConverter> m_converter;
};
