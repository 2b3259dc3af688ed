#pragma once

#include "AbsolutePitchRollModel.h"
#include "AxisConfigModel.h"
#include "BaseModel.h"
#include "EnhancerConfigModel.h"
#include "MixerConfigModel.h"
#include "MultiplexerConfigModel.h"
#include "UndersteerConfigModel.h"
#include "config/Config.h"

// Root of the model tree: one whole configuration, its section models and the algorithm switches.
// Its modifiedStateChanged fires after every effective edit anywhere below it.
class ConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* lateralConfigModel           READ lateralConfigModel           CONSTANT)
    Q_PROPERTY(QObject* longitudinalConfigModel      READ longitudinalConfigModel      CONSTANT)
    Q_PROPERTY(QObject* verticalConfigModel          READ verticalConfigModel          CONSTANT)
    Q_PROPERTY(QObject* absolutePitchRollConfigModel READ absolutePitchRollConfigModel CONSTANT)
    Q_PROPERTY(QObject* mixerConfigModel             READ mixerConfigModel             CONSTANT)
    Q_PROPERTY(QObject* enhancerConfigModel          READ enhancerConfigModel          CONSTANT)
    Q_PROPERTY(QObject* understeerConfigModel        READ understeerConfigModel        CONSTANT)
    Q_PROPERTY(QObject* multiplexerConfigModel       READ multiplexerConfigModel       CONSTANT)
    Q_PROPERTY(bool enableAccMatrix                       READ enableAccMatrix                       WRITE setEnableAccMatrix                       NOTIFY _keo_enableAccMatrixChanged)
    Q_PROPERTY(bool enableAccMatrixTranslationBefore      READ enableAccMatrixTranslationBefore      WRITE setEnableAccMatrixTranslationBefore      NOTIFY _keo_enableAccMatrixTranslationBeforeChanged)
    Q_PROPERTY(bool enableAccMatrixTranslationAfter       READ enableAccMatrixTranslationAfter       WRITE setEnableAccMatrixTranslationAfter       NOTIFY _keo_enableAccMatrixTranslationAfterChanged)
    Q_PROPERTY(bool enableVelocityMatrix                  READ enableVelocityMatrix                  WRITE setEnableVelocityMatrix                  NOTIFY _keo_enableVelocityMatrixChanged)
    Q_PROPERTY(bool enableVelocityMatrixTranslationBefore READ enableVelocityMatrixTranslationBefore WRITE setEnableVelocityMatrixTranslationBefore NOTIFY _keo_enableVelocityMatrixTranslationBeforeChanged)
    Q_PROPERTY(bool enableVelocityMatrixTranslationAfter  READ enableVelocityMatrixTranslationAfter  WRITE setEnableVelocityMatrixTranslationAfter  NOTIFY _keo_enableVelocityMatrixTranslationAfterChanged)
    Q_PROPERTY(bool enableGCorrection                     READ enableGCorrection                     WRITE setEnableGCorrection                     NOTIFY _keo_enableGCorrectionChanged)
    Q_PROPERTY(bool removeGVerticalComponent              READ removeGVerticalComponent              WRITE setRemoveGVerticalComponent              NOTIFY _keo_removeGVerticalComponentChanged)
    Q_PROPERTY(bool highpassUseFreshDataOnly              READ highpassUseFreshDataOnly              WRITE setHighpassUseFreshDataOnly              NOTIFY _keo_highpassUseFreshDataOnlyChanged)
    // clang-format on

public:
    ConfigModel(Config* current, const Config* saved, ParamSetModel* paramSetModel,
                BaseModel* parent = nullptr);

    AxisConfigModel* lateralConfigModel() const {
        return child<AxisConfigModel>("lateralConfigModel");
    }
    AxisConfigModel* longitudinalConfigModel() const {
        return child<AxisConfigModel>("longitudinalConfigModel");
    }
    AxisConfigModel* verticalConfigModel() const {
        return child<AxisConfigModel>("verticalConfigModel");
    }
    AbsolutePitchRollModel* absolutePitchRollConfigModel() const {
        return child<AbsolutePitchRollModel>("absolutePitchRollConfigModel");
    }
    MixerConfigModel* mixerConfigModel() const {
        return child<MixerConfigModel>("mixerConfigModel");
    }
    EnhancerConfigModel* enhancerConfigModel() const {
        return child<EnhancerConfigModel>("enhancerConfigModel");
    }
    UndersteerConfigModel* understeerConfigModel() const {
        return child<UndersteerConfigModel>("understeerConfigModel");
    }
    MultiplexerConfigModel* multiplexerConfigModel() const {
        return child<MultiplexerConfigModel>("multiplexerConfigModel");
    }

    bool enableAccMatrix() const { return options().enableAccMatrix; }
    bool enableAccMatrixTranslationBefore() const {
        return options().enableAccMatrixTranslationBefore;
    }
    bool enableAccMatrixTranslationAfter() const {
        return options().enableAccMatrixTranslationAfter;
    }
    bool enableVelocityMatrix() const { return options().enableVelocityMatrix; }
    bool enableVelocityMatrixTranslationBefore() const {
        return options().enableVelocityMatrixTranslationBefore;
    }
    bool enableVelocityMatrixTranslationAfter() const {
        return options().enableVelocityMatrixTranslationAfter;
    }
    bool enableGCorrection() const { return options().enableCorrection; }
    bool removeGVerticalComponent() const { return options().removeVerticalComponent; }
    bool highpassUseFreshDataOnly() const { return options().highpassUseFreshDataOnly; }

    void setEnableAccMatrix(bool value);
    void setEnableAccMatrixTranslationBefore(bool value);
    void setEnableAccMatrixTranslationAfter(bool value);
    void setEnableVelocityMatrix(bool value);
    void setEnableVelocityMatrixTranslationBefore(bool value);
    void setEnableVelocityMatrixTranslationAfter(bool value);
    void setEnableGCorrection(bool value);
    void setRemoveGVerticalComponent(bool value);
    void setHighpassUseFreshDataOnly(bool value);

    // The configuration being edited, for whoever must follow it live.
    const Config& current() const { return BaseModel::current<Config>(); }
    // Retargets the whole tree; the configuration manager calls it after every load, cluster
    // selection and save. saved must stay alive as long as the binding.
    void rebind(Config* current, const Config* saved);

signals:
    void _keo_enableAccMatrixChanged();
    void _keo_enableAccMatrixTranslationBeforeChanged();
    void _keo_enableAccMatrixTranslationAfterChanged();
    void _keo_enableVelocityMatrixChanged();
    void _keo_enableVelocityMatrixTranslationBeforeChanged();
    void _keo_enableVelocityMatrixTranslationAfterChanged();
    void _keo_enableGCorrectionChanged();
    void _keo_removeGVerticalComponentChanged();
    void _keo_highpassUseFreshDataOnlyChanged();

protected:
    const char* savedValue(std::size_t offset) const override;

private:
    AlgorithmOptions& options() const { return BaseModel::current<Config>().algorithm; }

    // The switches as saved, taken at each rebind; until the first, the algorithm's usual set.
    AlgorithmOptions m_savedOptions;
};
