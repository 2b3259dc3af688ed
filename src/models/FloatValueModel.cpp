#include "FloatValueModel.h"

FloatValueModel::FloatValueModel(FloatPair* current, const FloatPair* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent)
    : FloatValueModel(current, saved, paramSetModel, nullptr, parent) {}

FloatValueModel::FloatValueModel(FloatPair* current, const FloatPair* saved,
                                 ParamSetModel* paramSetModel,
                                 std::unique_ptr<IValueConverter> converter, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_saved(*saved)
    , m_converter(std::move(converter)) {}

FloatValueModel::~FloatValueModel() = default;

float FloatValueModel::value() const {
    const float stored = (*m_current)[shownSet()];
    return m_converter ? m_converter->toDisplay(stored) : stored;
}

void FloatValueModel::setValue(float value) {
    const float stored = m_converter ? m_converter->fromDisplay(value) : value;
    write((*m_current)[shownSet()], stored, &FloatValueModel::_keo_valueChanged);
}

bool FloatValueModel::isModified() const {
    return !samePair(*m_current, m_saved);
}

void FloatValueModel::restoreDefaults() {
    *m_current = m_saved;
    notifyAll();
}

void FloatValueModel::rebind(FloatPair* current, const FloatPair* saved) {
    m_current = current;
    m_saved = *saved;
    notifyAll();
}
