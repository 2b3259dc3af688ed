#include "BaseModel.h"

#include "ParamSetModel.h"

#include <QMetaProperty>
#include <QScopedValueRollback>

BaseModel::BaseModel(ParamSetModel* paramSetModel, BaseModel* parent)
    : QObject(parent)
    , m_paramSetModel(paramSetModel) {
    Q_ASSERT(paramSetModel);
    if (parent) {
        connect(this, &BaseModel::modifiedStateChanged, parent, &BaseModel::forwardModifiedState);
        parent->m_children.push_back(this);
    }
    connect(paramSetModel, &ParamSetModel::_keo_paramSetIndexChanged, this,
            &BaseModel::reannounceShownSet);
}

bool BaseModel::s_reannouncingShownSet = false;

void BaseModel::reannounceShownSet() {
    const QScopedValueRollback<bool> quietChain(s_reannouncingShownSet, true);
    notifyAll();
}

void BaseModel::forwardModifiedState() {
    if (!s_reannouncingShownSet) {
        emit modifiedStateChanged();
    }
}

bool BaseModel::isModified() const {
    for (const BaseModel* child : m_children) {
        if (child->isModified()) {
            return true;
        }
    }
    return false;
}

void BaseModel::restoreDefaults() {
    for (BaseModel* child : m_children) {
        child->restoreDefaults();
    }
    notifyAll();
}

void BaseModel::notifyAll() {
    const QMetaObject* meta = metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaMethod notify = meta->property(i).notifySignal();
        if (notify.isValid() && notify.name().startsWith("_keo_")) {
            notify.invoke(this, Qt::DirectConnection);
        }
    }
    // Every model has exactly one modified signal; announcing it last lets bindings on isModified
    // see the values that were just re-announced.
    emit modifiedStateChanged();
}

int BaseModel::shownSet() const {
    return m_paramSetModel->paramSetIndex() == KEOParamSet::Second ? 1 : 0;
}
