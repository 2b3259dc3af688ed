#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

// One cross-feed path of the mixer; the understeer outputs share the same record layout.
class MixerPathModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* outputFilterModel READ outputFilterModel CONSTANT)
    Q_PROPERTY(QObject* outputLimitModel  READ outputLimitModel  CONSTANT)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY _keo_enabledChanged)
    // clang-format on

public:
    MixerPathModel(MixerPathConfig* current, const MixerPathConfig* saved,
                   ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    FilterConfigModel* outputFilterModel() const {
        return child<FilterConfigModel>("outputFilterModel");
    }
    LimitationModel* outputLimitModel() const { return child<LimitationModel>("outputLimitModel"); }

    bool enabled() const { return block().enabled; }
    void setEnabled(bool value);

signals:
    void _keo_enabledChanged();

private:
    MixerPathConfig& block() const { return current<MixerPathConfig>(); }
};
