#pragma once

#include "config/Blocks.h"

#include <QObject>
#include <QtGlobal>
#include <vector>

class ParamSetModel;

// Common ground of every editing model. A model reads and writes one block of the record that the
// configuration manager holds, in the parameter set chosen by the shared ParamSetModel, and tells
// whether that block still equals the manager's saved copy. Models form a tree: each chains its
// modifiedStateChanged to its parent so the root learns about every effective edit.
class BaseModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isModified READ isModified NOTIFY modifiedStateChanged)

public:
    // Default: modified when any child is.
    virtual bool isModified() const;
    // Default: restore every child, then re-announce this model.
    Q_INVOKABLE virtual void restoreDefaults();

    // Emits the notify signal of every property, then modifiedStateChanged once, so the views
    // re-read values and modified marks. Writes nothing.
    void notifyAll();

signals:
    void modifiedStateChanged();

protected:
    // parent is the model one level up, or null for a root; a null parent means no chaining.
    BaseModel(ParamSetModel* paramSetModel, BaseModel* parent);

    ParamSetModel* paramSetModel() const { return m_paramSetModel; }

    // Index into a FloatPair for the shown parameter set; anything but Second reads as First so an
    // out-of-range index can never address outside the pair.
    int shownSet() const;

    // Floats compare fuzzily because the views round-trip them through text; a zero therefore
    // equals only an exact zero.
    static bool sameValue(float a, float b) { return qFuzzyCompare(a, b); }
    template <class T> static bool sameValue(T a, T b) { return a == b; }
    static bool samePair(const FloatPair& a, const FloatPair& b) {
        return sameValue(a[0], b[0]) && sameValue(a[1], b[1]);
    }

    // The setter protocol: a value equal to the stored one changes nothing; otherwise it is
    // written, then the property's own signal fires, then modifiedStateChanged.
    template <class Model, class T> void write(T& field, T value, void (Model::*changed)()) {
        if (sameValue(field, value)) {
            return;
        }
        field = value;
        emit(static_cast<Model*>(this)->*changed)();
        emit modifiedStateChanged();
    }

private:
    // A parameter-set switch changes what is shown, never what is modified: every model announces
    // its own state once, while the chain to the parent stays quiet, so the root and every binding
    // on it are not re-evaluated once for each model below it.
    void reannounceShownSet();
    void forwardModifiedState();

    // Set while a model re-announces itself for a parameter-set switch (GUI thread only).
    static bool s_reannouncingShownSet;

    std::vector<BaseModel*> m_children; // not owning: Qt parentage owns them
    ParamSetModel* m_paramSetModel;
};
