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

    MixerPathModel* swayToRollModel() const { return m_swayToRoll; }
    MixerPathModel* yawToRollModel() const { return m_yawToRoll; }
    MixerPathModel* surgeToPitchModel() const { return m_surgeToPitch; }
    MixerPathModel* heaveToPitchModel() const { return m_heaveToPitch; }
    MixerPathModel* roadHarshnessToSurgeModel() const { return m_roadHarshnessToSurge; }
    MixerPathModel* roadHarshnessToPitchModel() const { return m_roadHarshnessToPitch; }

    void rebind(MixerConfig* current, const MixerConfig* saved);

private:
    MixerPathModel* const m_swayToRoll;
    MixerPathModel* const m_yawToRoll;
    MixerPathModel* const m_surgeToPitch;
    MixerPathModel* const m_heaveToPitch;
    MixerPathModel* const m_roadHarshnessToSurge;
    MixerPathModel* const m_roadHarshnessToPitch;
};
