#include "AbsolutePitchRollModel.h"

#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "RadToDegConverter.h"
#include "SignalLimitationModel.h"

AbsolutePitchRollModel::AbsolutePitchRollModel(AbsoluteAngleConfig* currentPitch,
                                               AbsoluteAngleConfig* currentRoll,
                                               const AbsoluteAngleConfig* savedPitch,
                                               const AbsoluteAngleConfig* savedRoll,
                                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_currentPitch(currentPitch)
    , m_currentRoll(currentRoll)
    , m_savedSwitches{savedPitch->enabled, savedRoll->enabled}
    , m_pitchInputLimit(new SignalLimitationModel(&currentPitch->inputLimit,
                                                  &savedPitch->inputLimit, paramSetModel,
                                                  std::make_unique<RadToDegConverter>(), this))
    , m_pitchOutputFilter(new FilterConfigModel(&currentPitch->outputFilter,
                                                &savedPitch->outputFilter, paramSetModel, this))
    , m_pitchOutputLimit(new LimitationModel(&currentPitch->outputLimit, &savedPitch->outputLimit,
                                             paramSetModel, this))
    , m_rollInputLimit(new SignalLimitationModel(&currentRoll->inputLimit, &savedRoll->inputLimit,
                                                 paramSetModel,
                                                 std::make_unique<RadToDegConverter>(), this))
    , m_rollOutputFilter(new FilterConfigModel(&currentRoll->outputFilter, &savedRoll->outputFilter,
                                               paramSetModel, this))
    , m_rollOutputLimit(new LimitationModel(&currentRoll->outputLimit, &savedRoll->outputLimit,
                                            paramSetModel, this)) {}

void AbsolutePitchRollModel::setPitchEnabled(bool value) {
    write(m_currentPitch->enabled, value, &AbsolutePitchRollModel::_keo_pitchEnabledChanged);
}

void AbsolutePitchRollModel::setRollEnabled(bool value) {
    write(m_currentRoll->enabled, value, &AbsolutePitchRollModel::_keo_rollEnabledChanged);
}

bool AbsolutePitchRollModel::isModified() const {
    const Switches current{m_currentPitch->enabled, m_currentRoll->enabled};
    return current != m_savedSwitches || BaseModel::isModified();
}

void AbsolutePitchRollModel::restoreDefaults() {
    m_currentPitch->enabled = m_savedSwitches[0];
    m_currentRoll->enabled = m_savedSwitches[1];
    BaseModel::restoreDefaults();
}

void AbsolutePitchRollModel::rebind(AbsoluteAngleConfig* currentPitch,
                                    AbsoluteAngleConfig* currentRoll,
                                    const AbsoluteAngleConfig* savedPitch,
                                    const AbsoluteAngleConfig* savedRoll) {
    m_currentPitch = currentPitch;
    m_currentRoll = currentRoll;
    m_savedSwitches = {savedPitch->enabled, savedRoll->enabled};
    m_pitchInputLimit->rebind(&currentPitch->inputLimit, &savedPitch->inputLimit);
    m_pitchOutputFilter->rebind(&currentPitch->outputFilter, &savedPitch->outputFilter);
    m_pitchOutputLimit->rebind(&currentPitch->outputLimit, &savedPitch->outputLimit);
    m_rollInputLimit->rebind(&currentRoll->inputLimit, &savedRoll->inputLimit);
    m_rollOutputFilter->rebind(&currentRoll->outputFilter, &savedRoll->outputFilter);
    m_rollOutputLimit->rebind(&currentRoll->outputLimit, &savedRoll->outputLimit);
    notifyAll();
}
