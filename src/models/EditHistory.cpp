#include "EditHistory.h"

#include "ConfigModel.h"
#include "ParamSetModel.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QVariant>
#include <algorithm>
#include <cstring>

using configFieldTable::Item;

namespace {

// Steps that may absorb the next edit of the same value.
constexpr int kMergeableEdit = 1;

class ConfigEditStep : public QUndoCommand {
public:
    ConfigEditStep(EditHistory& history, std::vector<EditHistory::Change> changes,
                   bool alreadyApplied, bool mergeable, const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_changes(std::move(changes))
        , m_skipRedo(alreadyApplied)
        , m_mergeable(mergeable && m_changes.size() == 1) {}

    int id() const override { return m_mergeable ? kMergeableEdit : -1; }

    void undo() override { m_history.apply(m_changes, false); }

    void redo() override {
        if (m_skipRedo) {
            m_skipRedo = false; // the user's edit is already in the record
            return;
        }
        m_history.apply(m_changes, true);
    }

    // An edit that brings a value back to its saved state starts a step of its own, so that a
    // "Restore saved" right after typing stays undoable on its own.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const ConfigEditStep*>(other);
        const EditHistory::Change& last = next->m_changes.front();
        EditHistory::Change& mine = m_changes.front();
        if (last.item != mine.item || m_history.isSaved(last.item))
            return false;
        mine.after = last.after;
        setObsolete(mine.after == mine.before);
        return true;
    }

    const std::vector<EditHistory::Change>& changes() const { return m_changes; }

private:
    EditHistory& m_history;
    std::vector<EditHistory::Change> m_changes;
    bool m_skipRedo;
    const bool m_mergeable;
};

QString stepText(const std::vector<EditHistory::Change>& changes) {
    if (changes.size() != 1)
        return QCoreApplication::translate("EditHistory", "%n values", nullptr,
                                           static_cast<int>(changes.size()));
    const configFieldTable::Field& field = configFieldTable::fields()[changes.front().item.field];
    return field.block + QStringLiteral(" - ") + field.label;
}

} // namespace

EditHistory::EditHistory(ConfigModel* configModel, ParamSetModel* paramSetModel, Config* current,
                         const Config* saved, QObject* parent)
    : QObject(parent)
    , m_paramSetModel(paramSetModel)
    , m_current(current)
    , m_saved(saved)
    , m_fieldModels(resolveFieldModels(configModel)) {
    remember();
    std::memcpy(&m_knownSaved, saved, sizeof(Config));
    connect(configModel, &BaseModel::modifiedStateChanged, this, &EditHistory::recordEdits);
    connect(&m_stack, &QUndoStack::indexChanged, this, &EditHistory::historyChanged);
}

EditHistory::~EditHistory() = default;

std::vector<BaseModel*> EditHistory::resolveFieldModels(ConfigModel* root) const {
    std::vector<BaseModel*> models;
    for (const configFieldTable::Field& field : configFieldTable::fields()) {
        QObject* model = root;
        for (const QString& child : field.modelPath.split('/', Qt::SkipEmptyParts))
            model = model ? model->property(child.toLatin1()).value<QObject*>() : nullptr;
        auto* baseModel = qobject_cast<BaseModel*>(model);
        Q_ASSERT_X(baseModel, "EditHistory", qPrintable(field.modelPath));
        models.push_back(baseModel ? baseModel : root);
    }
    return models;
}

// A byte copy, padding included, so that the byte comparison sees only real edits.
void EditHistory::remember() {
    std::memcpy(&m_known, m_current, sizeof(Config));
}

void EditHistory::restart(Config* current) {
    m_current = current;
    remember();
    std::memcpy(&m_knownSaved, m_saved, sizeof(Config));
    m_stack.clear();
    emit historyChanged();
}

void EditHistory::recordEdits() {
    if (m_applying)
        return;
    // Most announcements change nothing (a parameter-set switch re-announces every model); the
    // byte comparisons keep those cheap.
    const bool edited = std::memcmp(&m_known, m_current, sizeof(Config)) != 0;
    if (edited)
        recordStep();
    const bool saved = std::memcmp(&m_knownSaved, m_saved, sizeof(Config)) != 0;
    if (saved) {
        std::memcpy(&m_knownSaved, m_saved, sizeof(Config));
        m_stack.setClean(); // an edit after saving never merges into one made before
    }
    if (edited || saved)
        emit recordChanged();
}

void EditHistory::recordStep() {
    std::vector<Change> changes;
    for (const Item& item : configFieldTable::changedItems(m_known, *m_current))
        changes.push_back({item, configFieldTable::read(m_known, item),
                           configFieldTable::read(*m_current, item)});
    remember();
    if (changes.empty())
        return; // only padding bytes differed
    const QString text = stepText(changes);
    m_stack.push(new ConfigEditStep(*this, std::move(changes), true, true, text));
}

void EditHistory::applyStep(std::vector<Change> changes, const QString& text) {
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [this](const Change& change) {
                                     return change.before == change.after ||
                                            configFieldTable::read(*m_current, change.item) ==
                                                change.after;
                                 }),
                  changes.end());
    if (changes.empty())
        return;
    m_stack.push(new ConfigEditStep(*this, std::move(changes), false, false, text));
}

void EditHistory::apply(const std::vector<Change>& changes, bool forward) {
    const QScopedValueRollback<bool> applying(m_applying, true);
    std::vector<BaseModel*> touched;
    for (const Change& change : changes) {
        configFieldTable::write(*m_current, change.item, forward ? change.after : change.before);
        BaseModel* model = m_fieldModels[change.item.field];
        if (std::find(touched.begin(), touched.end(), model) == touched.end())
            touched.push_back(model);
    }
    for (BaseModel* model : touched)
        model->notifyAll();
    // Whatever the views wrote back while re-reading is part of this step, not a new one.
    remember();
}

bool EditHistory::isSaved(const Item& item) const {
    return configFieldTable::sameValue(*m_current, *m_saved, item);
}

void EditHistory::undo() {
    if (!m_stack.canUndo())
        return;
    const auto* step = static_cast<const ConfigEditStep*>(m_stack.command(m_stack.index() - 1));
    m_stack.undo();
    reveal(step->changes().front());
    remember();
}

void EditHistory::redo() {
    if (!m_stack.canRedo())
        return;
    const auto* step = static_cast<const ConfigEditStep*>(m_stack.command(m_stack.index()));
    m_stack.redo();
    reveal(step->changes().front());
    remember();
}

void EditHistory::reveal(const Change& change) {
    const QScopedValueRollback<bool> applying(m_applying, true);
    const configFieldTable::Field& field = configFieldTable::fields()[change.item.field];
    // A number of the other parameter set is shown in its own set; switching the shown set is a
    // view change, not an edit.
    if (change.item.set >= 0)
        m_paramSetModel->setParamSetIndex(static_cast<KEOParamSet::Enum>(change.item.set));
    emit revealed(field.page, m_fieldModels[change.item.field],
                  QString::fromLatin1(field.property));
}
