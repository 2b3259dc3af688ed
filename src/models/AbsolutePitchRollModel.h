#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "SignalLimitationModel.h"
#include "config/Config.h"

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
    AbsolutePitchRollModel(Config* current, const Config* saved, ParamSetModel* paramSetModel,
                           BaseModel* parent = nullptr);

    SignalLimitationModel* pitchInputLimitModel() const {
        return child<SignalLimitationModel>("pitchInputLimitModel");
    }
    FilterConfigModel* pitchOutputFilterModel() const {
        return child<FilterConfigModel>("pitchOutputFilterModel");
    }
    LimitationModel* pitchOutputLimitModel() const {
        return child<LimitationModel>("pitchOutputLimitModel");
    }
    SignalLimitationModel* rollInputLimitModel() const {
        return child<SignalLimitationModel>("rollInputLimitModel");
    }
    FilterConfigModel* rollOutputFilterModel() const {
        return child<FilterConfigModel>("rollOutputFilterModel");
    }
    LimitationModel* rollOutputLimitModel() const {
        return child<LimitationModel>("rollOutputLimitModel");
    }

    bool pitchEnabled() const { return block().absolutePitch.enabled; }
    bool rollEnabled() const { return block().absoluteRoll.enabled; }
    void setPitchEnabled(bool value);
    void setRollEnabled(bool value);

signals:
    void _keo_pitchEnabledChanged();
    void _keo_rollEnabledChanged();

private:
    Config& block() const { return current<Config>(); }
};
