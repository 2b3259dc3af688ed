#pragma once

#include "BaseModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

// The final per-DoF output limitations; no values of its own.
class MultiplexerConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* surgeOutputLimitationModel READ surgeOutputLimitationModel CONSTANT)
    Q_PROPERTY(QObject* swayOutputLimitationModel  READ swayOutputLimitationModel  CONSTANT)
    Q_PROPERTY(QObject* heaveOutputLimitationModel READ heaveOutputLimitationModel CONSTANT)
    Q_PROPERTY(QObject* pitchOutputLimitationModel READ pitchOutputLimitationModel CONSTANT)
    Q_PROPERTY(QObject* rollOutputLimitationModel  READ rollOutputLimitationModel  CONSTANT)
    Q_PROPERTY(QObject* yawOutputLimitationModel   READ yawOutputLimitationModel   CONSTANT)
    // clang-format on

public:
    MultiplexerConfigModel(MultiplexerConfig* current, const MultiplexerConfig* saved,
                           ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    LimitationModel* surgeOutputLimitationModel() const {
        return child<LimitationModel>("surgeOutputLimitationModel");
    }
    LimitationModel* swayOutputLimitationModel() const {
        return child<LimitationModel>("swayOutputLimitationModel");
    }
    LimitationModel* heaveOutputLimitationModel() const {
        return child<LimitationModel>("heaveOutputLimitationModel");
    }
    LimitationModel* pitchOutputLimitationModel() const {
        return child<LimitationModel>("pitchOutputLimitationModel");
    }
    LimitationModel* rollOutputLimitationModel() const {
        return child<LimitationModel>("rollOutputLimitationModel");
    }
    LimitationModel* yawOutputLimitationModel() const {
        return child<LimitationModel>("yawOutputLimitationModel");
    }

private:
    MultiplexerConfig& block() const { return current<MultiplexerConfig>(); }
};
