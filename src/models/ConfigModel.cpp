#include "ConfigModel.h"

#include "config/RecordDescription.h"

#include <cstddef>

ConfigModel::ConfigModel(Config* current, const Config* saved, ParamSetModel* paramSetModel,
                         BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved)
    , m_savedOptions(configDescription::defaultAlgorithmOptions) {
    ownBlock(configDescription::Described<Config>::block);
}

const char* ConfigModel::savedValue(std::size_t offset) const {
    constexpr std::size_t options = offsetof(Config, algorithm);
    if (offset >= options && offset < options + sizeof(AlgorithmOptions)) {
        return reinterpret_cast<const char*>(&m_savedOptions) + (offset - options);
    }
    return BaseModel::savedValue(offset);
}

void ConfigModel::rebind(Config* current, const Config* saved) {
    bindRecords(current, saved);
    m_savedOptions = saved->algorithm;
    notifyAll();
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
