#include "ConfigModel.h"

#include "AbsolutePitchRollModel.h"
#include "AxisConfigModel.h"
#include "EnhancerConfigModel.h"
#include "MixerConfigModel.h"
#include "MultiplexerConfigModel.h"
#include "UndersteerConfigModel.h"

namespace {

// The switches in the order of the properties; snapshot and restore both follow it.
constexpr std::array<bool AlgorithmOptions::*, 9> kSwitchFields{
    &AlgorithmOptions::enableAccMatrix,
    &AlgorithmOptions::enableAccMatrixTranslationBefore,
    &AlgorithmOptions::enableAccMatrixTranslationAfter,
    &AlgorithmOptions::enableVelocityMatrix,
    &AlgorithmOptions::enableVelocityMatrixTranslationBefore,
    &AlgorithmOptions::enableVelocityMatrixTranslationAfter,
    &AlgorithmOptions::enableCorrection,
    &AlgorithmOptions::removeVerticalComponent,
    &AlgorithmOptions::highpassUseFreshDataOnly,
};

} // namespace

ConfigModel::ConfigModel(Config* current, const Config* saved, ParamSetModel* paramSetModel,
                         BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedSwitches(startingSwitches())
    , m_lateral(new AxisConfigModel(&current->lateral, &saved->lateral, paramSetModel, this))
    , m_longitudinal(
          new AxisConfigModel(&current->longitudinal, &saved->longitudinal, paramSetModel, this))
    , m_vertical(new AxisConfigModel(&current->vertical, &saved->vertical, paramSetModel, this))
    , m_absolute(new AbsolutePitchRollModel(&current->absolutePitch, &current->absoluteRoll,
                                            &saved->absolutePitch, &saved->absoluteRoll,
                                            paramSetModel, this))
    , m_mixer(new MixerConfigModel(&current->mixer, &saved->mixer, paramSetModel, this))
    , m_enhancer(new EnhancerConfigModel(&current->enhancer, &saved->enhancer, paramSetModel, this))
    , m_understeer(
          new UndersteerConfigModel(&current->understeer, &saved->understeer, paramSetModel, this))
    , m_multiplexer(new MultiplexerConfigModel(&current->multiplexer, &saved->multiplexer,
                                               paramSetModel, this)) {}

ConfigModel::Switches ConfigModel::switchesOf(const AlgorithmOptions& options) {
    Switches switches{};
    for (std::size_t i = 0; i < kSwitchFields.size(); ++i) {
        switches[i] = options.*kSwitchFields[i];
    }
    return switches;
}

// What the root compares against before the first rebind: the algorithm's usual switch set.
ConfigModel::Switches ConfigModel::startingSwitches() {
    return {true, true, true, true, false, false, true, true, false};
}

void ConfigModel::setEnableAccMatrix(bool value) {
    write(options().enableAccMatrix, value, &ConfigModel::_keo_enableAccMatrixChanged);
}

void ConfigModel::setEnableAccMatrixTranslationBefore(bool value) {
    write(options().enableAccMatrixTranslationBefore, value,
          &ConfigModel::_keo_enableAccMatrixTranslationBeforeChanged);
}

void ConfigModel::setEnableAccMatrixTranslationAfter(bool value) {
    write(options().enableAccMatrixTranslationAfter, value,
          &ConfigModel::_keo_enableAccMatrixTranslationAfterChanged);
}

void ConfigModel::setEnableVelocityMatrix(bool value) {
    write(options().enableVelocityMatrix, value, &ConfigModel::_keo_enableVelocityMatrixChanged);
}

void ConfigModel::setEnableVelocityMatrixTranslationBefore(bool value) {
    write(options().enableVelocityMatrixTranslationBefore, value,
          &ConfigModel::_keo_enableVelocityMatrixTranslationBeforeChanged);
}

void ConfigModel::setEnableVelocityMatrixTranslationAfter(bool value) {
    write(options().enableVelocityMatrixTranslationAfter, value,
          &ConfigModel::_keo_enableVelocityMatrixTranslationAfterChanged);
}

void ConfigModel::setEnableGCorrection(bool value) {
    write(options().enableCorrection, value, &ConfigModel::_keo_enableGCorrectionChanged);
}

void ConfigModel::setRemoveGVerticalComponent(bool value) {
    write(options().removeVerticalComponent, value,
          &ConfigModel::_keo_removeGVerticalComponentChanged);
}

void ConfigModel::setHighpassUseFreshDataOnly(bool value) {
    write(options().highpassUseFreshDataOnly, value,
          &ConfigModel::_keo_highpassUseFreshDataOnlyChanged);
}

bool ConfigModel::isModified() const {
    return switchesOf(options()) != m_savedSwitches || BaseModel::isModified();
}

void ConfigModel::restoreDefaults() {
    for (std::size_t i = 0; i < kSwitchFields.size(); ++i) {
        options().*kSwitchFields[i] = m_savedSwitches[i];
    }
    BaseModel::restoreDefaults();
}

void ConfigModel::rebind(Config* current, const Config* saved) {
    m_current = current;
    m_lateral->rebind(&current->lateral, &saved->lateral);
    m_longitudinal->rebind(&current->longitudinal, &saved->longitudinal);
    m_vertical->rebind(&current->vertical, &saved->vertical);
    m_absolute->rebind(&current->absolutePitch, &current->absoluteRoll, &saved->absolutePitch,
                       &saved->absoluteRoll);
    m_mixer->rebind(&current->mixer, &saved->mixer);
    m_enhancer->rebind(&current->enhancer, &saved->enhancer);
    m_understeer->rebind(&current->understeer, &saved->understeer);
    m_multiplexer->rebind(&current->multiplexer, &saved->multiplexer);
    m_savedSwitches = switchesOf(saved->algorithm);
    notifyAll();
}
