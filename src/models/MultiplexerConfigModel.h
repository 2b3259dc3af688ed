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

    LimitationModel* surgeOutputLimitationModel() const { return m_surge; }
    LimitationModel* swayOutputLimitationModel() const { return m_sway; }
    LimitationModel* heaveOutputLimitationModel() const { return m_heave; }
    LimitationModel* pitchOutputLimitationModel() const { return m_pitch; }
    LimitationModel* rollOutputLimitationModel() const { return m_roll; }
    LimitationModel* yawOutputLimitationModel() const { return m_yaw; }

    void rebind(MultiplexerConfig* current, const MultiplexerConfig* saved);

private:
    LimitationModel* const m_surge;
    LimitationModel* const m_sway;
    LimitationModel* const m_heave;
    LimitationModel* const m_pitch;
    LimitationModel* const m_roll;
    LimitationModel* const m_yaw;
};
