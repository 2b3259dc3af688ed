#pragma once

#include "ConfigFieldTable.h"

#include <QObject>
#include <QUndoStack>
#include <vector>

class BaseModel;
class ConfigModel;
class ParamSetModel;

// The undo history of the edited cluster's configuration.
//
// The models write the record in place and announce every effective write through the root's
// modifiedStateChanged. The history keeps a copy of the record as it last knew it; whenever the
// root announces something, the values that differ from that copy form one undoable step, so
// every kind of edit (a value, a type, a switch, a whole "Restore saved") is recorded without the
// models knowing. Re-announcements that change nothing (a parameter-set switch, a rebind) leave
// no step. Consecutive edits of the same value merge into one step, so typing "12.5" is undone
// at once. Undo and redo write the stored values back and let the models owning them re-announce,
// so every mark, the title and the Save button follow.
class EditHistory : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY historyChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY historyChanged)
    Q_PROPERTY(int steps READ steps NOTIFY historyChanged)

public:
    struct Change {
        configFieldTable::Item item;
        std::uint32_t before;
        std::uint32_t after;
    };

    EditHistory(ConfigModel* configModel, ParamSetModel* paramSetModel, Config* current,
                const Config* saved, QObject* parent = nullptr);
    ~EditHistory() override;

    // Starts a new, empty history on the record the models are about to be bound to.
    void restart(Config* current);

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    int steps() const { return m_stack.count(); }
    const QUndoStack& stack() const { return m_stack; }

    const Config& current() const { return *m_current; }
    const Config& saved() const { return *m_saved; }
    // The model that shows a field (the root for the algorithm switches).
    BaseModel* modelOf(int field) const { return m_fieldModels[field]; }

    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();

    // Writes changes made by the editor itself (reverting, copying between parameter sets) as
    // one undoable step. Changes whose value is already in place are dropped.
    void applyStep(std::vector<Change> changes, const QString& text);

    // Used by the steps: writes one side of the changes and lets the owning models re-announce.
    void apply(const std::vector<Change>& changes, bool forward);
    // Whether the current value of an item equals its saved value.
    bool isSaved(const configFieldTable::Item& item) const;

signals:
    void historyChanged();
    // After an undo or redo: the page, model and property of the value that changed, so that the
    // view can bring it into view.
    void revealed(int page, QObject* model, const QString& property);
    // The current record (by an edit, already recorded) or the saved copy (by a save) changed
    // other than through undo or redo.
    void recordChanged();

private:
    void recordEdits();
    void recordStep();
    void remember();
    void reveal(const Change& change);
    std::vector<BaseModel*> resolveFieldModels(ConfigModel* root) const;

    QUndoStack m_stack;
    ParamSetModel* m_paramSetModel;
    Config* m_current;
    const Config* m_saved;
    Config m_known;      // the record as the history last knew it
    Config m_knownSaved; // and the saved copy
    std::vector<BaseModel*> m_fieldModels;
    bool m_applying = false;
};
