#pragma once

#include "config/Description.h"

#include <QByteArray>
#include <QObject>
#include <QtGlobal>
#include <cstddef>
#include <vector>

class ParamSetModel;

// Common ground of every editing model. A model reads and writes one block of the record that the
// configuration manager holds, in the parameter set chosen by the shared ParamSetModel, and tells
// whether that block still equals the manager's saved copy. Models form a tree: each chains its
// modifiedStateChanged to its parent so the root learns about every effective edit.
//
// What a model holds follows from the record's description: a model of a value block (a filter,
// a limitation, one number) owns every value of it; a model of a larger block owns its switches
// and makes one child model per sub-block the pages edit apart. Modified marks, "Restore saved"
// and rebinding then work the same way for every model.
class BaseModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isModified READ isModified NOTIFY modifiedStateChanged)

public:
    // Modified when one of its own values differs from the saved record, or a child is modified.
    virtual bool isModified() const;
    // Puts back its own values and every child's, then re-announces this model.
    Q_INVOKABLE virtual void restoreDefaults();

    // Emits the notify signal of every property, then modifiedStateChanged once, so the views
    // re-read values and modified marks. Writes nothing.
    void notifyAll();

    // Retargets this model and every model below it to the same block of other records, then
    // re-announces them. saved must stay alive as long as the binding.
    void rebindBlock(void* current, const void* saved);

signals:
    void modifiedStateChanged();

protected:
    // parent is the model one level up, or null for a root; a null parent means no chaining.
    BaseModel(ParamSetModel* paramSetModel, BaseModel* parent, void* current, const void* saved);

    // Owns every value of a value block (or of the one number, for a null block).
    void ownValues(const configDescription::Block* block);
    // Owns the switches of `block` and makes the child models of its sub-blocks. With a
    // `property`, only the entries the description gives that model property (a model that edits
    // several sub-blocks of its parent's block side by side).
    void ownBlock(const configDescription::Block& block, const char* property = nullptr);

    ParamSetModel* paramSetModel() const { return m_paramSetModel; }
    template <class Block> Block& current() const { return *static_cast<Block*>(m_current); }

    // The child model made for `property`.
    template <class Model> Model* child(const char* property) const {
        BaseModel* model = childNamed(property);
        Q_ASSERT_X(model, "BaseModel::child", property);
        return static_cast<Model*>(model);
    }

    // Index into a FloatPair for the shown parameter set; anything but Second reads as First so an
    // out-of-range index can never address outside the pair.
    int shownSet() const;

    // Floats compare fuzzily because the views round-trip them through text; a zero therefore
    // equals only an exact zero.
    static bool sameValue(float a, float b) { return qFuzzyCompare(a, b); }
    template <class T> static bool sameValue(T a, T b) { return a == b; }

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

    // Points this model and its children at other records without announcing anything.
    void bindRecords(void* current, const void* saved);
    // Where the saved copy of an own value at `offset` is; the root overrides it for the values
    // it compares with a snapshot of its own.
    virtual const char* savedValue(std::size_t offset) const;

private:
    struct OwnValue {
        std::size_t offset;
        configDescription::Kind kind;
    };
    struct Child {
        BaseModel* model;
        std::size_t offset;
        const char* property; // the description's text, or prefixedProperty's
        QByteArray prefixedProperty;
        // The text the getters asked for this child with: their literals, so that after the first
        // call a lookup compares addresses instead of names.
        mutable const char* askedAs = nullptr;
    };

    void ownEntries(const configDescription::Block& block, std::size_t base,
                    const QByteArray& prefix, const char* limitProperty);
    void makeChild(const configDescription::Entry& entry, std::size_t offset, const char* property,
                   const QByteArray& prefix = {}, const char* within = nullptr);
    BaseModel* childNamed(const char* property) const;
    bool ownValueModified(const OwnValue& value) const;

    // A parameter-set switch changes what is shown, never what is modified: every model announces
    // its own state once, while the chain to the parent stays quiet, so the root and every binding
    // on it are not re-evaluated once for each model below it.
    void reannounceShownSet();
    void forwardModifiedState();

    // Set while a model re-announces itself for a parameter-set switch (GUI thread only).
    static bool s_reannouncingShownSet;

    void* m_current;
    const void* m_saved;
    std::vector<OwnValue> m_ownValues;
    std::vector<Child> m_children; // not owning: Qt parentage owns them
    ParamSetModel* m_paramSetModel;
};
