#include "ParamSetModel.h"

ParamSetModel::ParamSetModel(QObject* parent)
    : QObject(parent) {}

void ParamSetModel::setParamSetIndex(KEOParamSet::Enum index) {
    if (index == m_paramSetIndex) {
        return;
    }
    m_paramSetIndex = index;
    emit _keo_paramSetIndexChanged();
}

void ParamSetModel::switchParamSet() {
    setParamSetIndex(m_paramSetIndex == KEOParamSet::First ? KEOParamSet::Second
                                                           : KEOParamSet::First);
}
