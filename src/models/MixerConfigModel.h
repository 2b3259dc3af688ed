#pragma once

#include "BaseModel.h"
#include "MixerPathModel.h"
#include "config/Config.h"

// The DoF mixer: six cross-feed paths, no values of its own.
class MixerConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* swayToRollModel           READ swayToRollModel           CONSTANT)
    Q_PROPERTY(QObject* yawToRollModel            READ yawToRollModel            CONSTANT)
    Q_PROPERTY(QObject* surgeToPitchModel         READ surgeToPitchModel         CONSTANT)
    Q_PROPERTY(QObject* heaveToPitchModel         READ heaveToPitchModel         CONSTANT)
    Q_PROPERTY(QObject* roadHarshnessToSurgeModel READ roadHarshnessToSurgeModel CONSTANT)
    Q_PROPERTY(QObject* roadHarshnessToPitchModel READ roadHarshnessToPitchModel CONSTANT)
    // clang-format on

public:
    MixerConfigModel(MixerConfig* current, const MixerConfig* saved, ParamSetModel* paramSetModel,
                     BaseModel* parent = nullptr);

    MixerPathModel* swayToRollModel() const { return child<MixerPathModel>("swayToRollModel"); }
    MixerPathModel* yawToRollModel() const { return child<MixerPathModel>("yawToRollModel"); }
    MixerPathModel* surgeToPitchModel() const { return child<MixerPathModel>("surgeToPitchModel"); }
    MixerPathModel* heaveToPitchModel() const { return child<MixerPathModel>("heaveToPitchModel"); }
    MixerPathModel* roadHarshnessToSurgeModel() const {
        return child<MixerPathModel>("roadHarshnessToSurgeModel");
    }
    MixerPathModel* roadHarshnessToPitchModel() const {
        return child<MixerPathModel>("roadHarshnessToPitchModel");
    }

private:
    MixerConfig& block() const { return current<MixerConfig>(); }
};
