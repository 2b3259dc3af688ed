#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "SignalLimitationModel.h"
#include "config/Config.h"

#include <array>

// The absolute (body) pitch and roll paths, edited together on one page.
class AbsolutePitchRollModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* pitchInputLimitModel   READ pitchInputLimitModel   CONSTANT)
    Q_PROPERTY(QObject* pitchOutputFilterModel READ pitchOutputFilterModel CONSTANT)
    Q_PROPERTY(QObject* pitchOutputLimitModel  READ pitchOutputLimitModel  CONSTANT)
    Q_PROPERTY(QObject* rollInputLimitModel    READ rollInputLimitModel    CONSTANT)
    Q_PROPERTY(QObject* rollOutputFilterModel  READ rollOutputFilterModel  CONSTANT)
    Q_PROPERTY(QObject* rollOutputLimitModel   READ rollOutputLimitModel   CONSTANT)
    Q_PROPERTY(bool pitchEnabled READ pitchEnabled WRITE setPitchEnabled NOTIFY _keo_pitchEnabledChanged)
    Q_PROPERTY(bool rollEnabled  READ rollEnabled  WRITE setRollEnabled  NOTIFY _keo_rollEnabledChanged)
    // clang-format on

public:
    AbsolutePitchRollModel(AbsoluteAngleConfig* currentPitch, AbsoluteAngleConfig* currentRoll,
                           const AbsoluteAngleConfig* savedPitch,
                           const AbsoluteAngleConfig* savedRoll, ParamSetModel* paramSetModel,
                           BaseModel* parent = nullptr);

    SignalLimitationModel* pitchInputLimitModel() const { return m_pitchInputLimit; }
    FilterConfigModel* pitchOutputFilterModel() const { return m_pitchOutputFilter; }
    LimitationModel* pitchOutputLimitModel() const { return m_pitchOutputLimit; }
    SignalLimitationModel* rollInputLimitModel() const { return m_rollInputLimit; }
    FilterConfigModel* rollOutputFilterModel() const { return m_rollOutputFilter; }
    LimitationModel* rollOutputLimitModel() const { return m_rollOutputLimit; }

    bool pitchEnabled() const { return m_currentPitch->enabled; }
    bool rollEnabled() const { return m_currentRoll->enabled; }
    void setPitchEnabled(bool value);
    void setRollEnabled(bool value);

    bool isModified() const override;
    void rebind(AbsoluteAngleConfig* currentPitch, AbsoluteAngleConfig* currentRoll,
                const AbsoluteAngleConfig* savedPitch, const AbsoluteAngleConfig* savedRoll);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_pitchEnabledChanged();
    void _keo_rollEnabledChanged();

private:
    using Switches = std::array<bool, 2>;

    AbsoluteAngleConfig* m_currentPitch;
    AbsoluteAngleConfig* m_currentRoll;
    Switches m_savedSwitches;
    SignalLimitationModel* const m_pitchInputLimit;
    FilterConfigModel* const m_pitchOutputFilter;
    LimitationModel* const m_pitchOutputLimit;
    SignalLimitationModel* const m_rollInputLimit;
    FilterConfigModel* const m_rollOutputFilter;
    LimitationModel* const m_rollOutputLimit;
};
