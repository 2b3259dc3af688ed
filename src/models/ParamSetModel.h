#pragma once

#include "config/KeoEnums.h"

#include <QObject>

// Chooses which member of every FloatPair all models show and edit. The choice is not part of the
// record, so switching it never marks anything modified.
class ParamSetModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(KEOParamSet::Enum paramSetIndex READ paramSetIndex WRITE setParamSetIndex NOTIFY
                   _keo_paramSetIndexChanged)

public:
    explicit ParamSetModel(QObject* parent = nullptr);

    KEOParamSet::Enum paramSetIndex() const { return m_paramSetIndex; }
    void setParamSetIndex(KEOParamSet::Enum index);

    Q_INVOKABLE void switchParamSet();

signals:
    void _keo_paramSetIndexChanged();

private:
    KEOParamSet::Enum m_paramSetIndex = KEOParamSet::First;
};
