#include "BaseModel.h"

#include "AbsolutePitchRollModel.h"
#include "AngularVelocityModel.h"
#include "AxisConfigModel.h"
#include "EnhancerConfigModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "MixerConfigModel.h"
#include "MixerPathModel.h"
#include "MultiplexerConfigModel.h"
#include "ParamSetModel.h"
#include "SignalLimitationModel.h"
#include "TiltCoordinationModel.h"
#include "TravelConfigModel.h"
#include "UndersteerConfigModel.h"
#include "config/ConfigFields.h"

#include <QMetaProperty>
#include <QScopedValueRollback>
#include <cctype>
#include <cstring>

namespace {

using namespace configDescription;

// A property taken over from a sub-block: the prefix, then the property capitalised.
QByteArray prefixed(const QByteArray& prefix, const char* property) {
    QByteArray name;
    name.reserve(prefix.size() + static_cast<int>(std::strlen(property)));
    name += prefix;
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(property[0])));
    name += property + 1;
    return name;
}

template <class T> bool is(const Block* block) {
    return block == &Described<T>::block;
}

// The model class that edits a sub-block, chosen by the block's type.
template <class Model, class Block>
BaseModel* make(char* current, const char* saved, ParamSetModel* paramSets, BaseModel* parent) {
    return new Model(reinterpret_cast<Block*>(current), reinterpret_cast<const Block*>(saved),
                     paramSets, parent);
}

BaseModel* makeModel(const Block* block, Unit unit, char* current, const char* saved,
                     ParamSetModel* paramSets, BaseModel* parent) {
    if (!block)
        return new FloatValueModel(reinterpret_cast<FloatPair*>(current),
                                   reinterpret_cast<const FloatPair*>(saved), paramSets, parent,
                                   unit);
    if (is<SignalLimitation>(block))
        return new SignalLimitationModel(reinterpret_cast<SignalLimitation*>(current),
                                         reinterpret_cast<const SignalLimitation*>(saved),
                                         paramSets, parent, unit);
    if (is<FilterConfig>(block))
        return make<FilterConfigModel, FilterConfig>(current, saved, paramSets, parent);
    if (is<Limitation>(block))
        return make<LimitationModel, Limitation>(current, saved, paramSets, parent);
    if (is<AxisConfig>(block))
        return make<AxisConfigModel, AxisConfig>(current, saved, paramSets, parent);
    if (is<TravelConfig>(block))
        return make<TravelConfigModel, TravelConfig>(current, saved, paramSets, parent);
    if (is<TiltCoordinationConfig>(block))
        return make<TiltCoordinationModel, TiltCoordinationConfig>(current, saved, paramSets,
                                                                   parent);
    if (is<AngularVelocityConfig>(block))
        return make<AngularVelocityModel, AngularVelocityConfig>(current, saved, paramSets, parent);
    if (is<MixerConfig>(block))
        return make<MixerConfigModel, MixerConfig>(current, saved, paramSets, parent);
    if (is<MixerPathConfig>(block))
        return make<MixerPathModel, MixerPathConfig>(current, saved, paramSets, parent);
    if (is<EnhancerConfig>(block))
        return make<EnhancerConfigModel, EnhancerConfig>(current, saved, paramSets, parent);
    if (is<UndersteerConfig>(block))
        return make<UndersteerConfigModel, UndersteerConfig>(current, saved, paramSets, parent);
    if (is<MultiplexerConfig>(block))
        return make<MultiplexerConfigModel, MultiplexerConfig>(current, saved, paramSets, parent);
    Q_ASSERT_X(is<Config>(block), "BaseModel", "a described block without a model");
    return make<AbsolutePitchRollModel, Config>(current, saved, paramSets, parent);
}

} // namespace

BaseModel::BaseModel(ParamSetModel* paramSetModel, BaseModel* parent, void* current,
                     const void* saved)
    : QObject(parent)
    , m_current(current)
    , m_saved(saved)
    , m_paramSetModel(paramSetModel) {
    Q_ASSERT(paramSetModel);
    if (parent) {
        connect(this, &BaseModel::modifiedStateChanged, parent, &BaseModel::forwardModifiedState);
        parent->m_children.push_back({this, 0, nullptr, {}, nullptr});
    }
    connect(paramSetModel, &ParamSetModel::_keo_paramSetIndexChanged, this,
            &BaseModel::reannounceShownSet);
}

void BaseModel::ownValues(const Block* block) {
    if (!block) {
        m_ownValues.push_back({0, Kind::Number});
        return;
    }
    forEachValue(*block, [this](const Entry& entry, std::size_t offset) {
        m_ownValues.push_back({offset, entry.kind});
    });
}

void BaseModel::ownBlock(const Block& block, const char* property) {
    if (!property) {
        ownEntries(block, 0, {}, nullptr);
        return;
    }
    for (const Entry& entry : block)
        if (entry.property && std::strcmp(entry.property, property) == 0)
            ownEntries(*entry.block, entry.offset, entry.prefix, entry.limitProperty);
}

void BaseModel::ownEntries(const Block& block, std::size_t base, const QByteArray& prefix,
                           const char* limitProperty) {
    for (const Entry& entry : block) {
        const std::size_t offset = base + entry.offset;
        if (entry.kind == Kind::Switch) {
            m_ownValues.push_back({offset, Kind::Switch});
        } else if (entry.kind == Kind::Block && entry.prefix && !entry.property) {
            ownEntries(*entry.block, offset, entry.prefix, entry.limitProperty);
        } else if (entry.kind == Kind::Block && entry.prefix) {
            if (!childNamed(entry.property)) // one model for all the entries it edits
                makeChild(entry, base, entry.property, {}, entry.property);
        } else if (limitProperty && is<Limitation>(entry.block)) {
            makeChild(entry, offset, limitProperty);
        } else {
            makeChild(entry, offset, entry.property, prefix);
        }
    }
}

void BaseModel::makeChild(const Entry& entry, std::size_t offset, const char* property,
                          const QByteArray& prefix, const char* within) {
    char* const current = static_cast<char*>(m_current) + offset;
    const char* const saved = static_cast<const char*>(m_saved) + offset;
    const Block* block = within ? &Described<Config>::block : entry.block;
    makeModel(block, entry.unit, current, saved, m_paramSetModel, this);
    Child& child = m_children.back();
    child.offset = offset;
    child.property = property;
    if (!prefix.isEmpty()) {
        child.prefixedProperty = prefixed(prefix, property);
        child.property = child.prefixedProperty.constData();
    }
}

BaseModel* BaseModel::childNamed(const char* property) const {
    for (const Child& child : m_children)
        if (child.askedAs == property)
            return child.model;
    for (const Child& child : m_children) {
        if (child.property && std::strcmp(child.property, property) == 0) {
            child.askedAs = property;
            return child.model;
        }
    }
    return nullptr;
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

const char* BaseModel::savedValue(std::size_t offset) const {
    return static_cast<const char*>(m_saved) + offset;
}

bool BaseModel::ownValueModified(const OwnValue& value) const {
    const char* current = static_cast<const char*>(m_current) + value.offset;
    const char* saved = savedValue(value.offset);
    switch (value.kind) {
    case Kind::Number: {
        const auto& a = *reinterpret_cast<const FloatPair*>(current);
        const auto& b = *reinterpret_cast<const FloatPair*>(saved);
        return !sameValue(a[0], b[0]) || !sameValue(a[1], b[1]);
    }
    case Kind::Switch:
        return *reinterpret_cast<const bool*>(current) != *reinterpret_cast<const bool*>(saved);
    default: // the types, 32-bit enumerations
        return std::memcmp(current, saved, sizeof(std::int32_t)) != 0;
    }
}

bool BaseModel::isModified() const {
    for (const OwnValue& value : m_ownValues) {
        if (ownValueModified(value)) {
            return true;
        }
    }
    for (const Child& child : m_children) {
        if (child.model->isModified()) {
            return true;
        }
    }
    return false;
}

void BaseModel::restoreDefaults() {
    for (const OwnValue& value : m_ownValues) {
        const std::size_t size = value.kind == Kind::Number   ? sizeof(FloatPair)
                                 : value.kind == Kind::Switch ? sizeof(bool)
                                                              : sizeof(std::int32_t);
        std::memcpy(static_cast<char*>(m_current) + value.offset, savedValue(value.offset), size);
    }
    for (const Child& child : m_children) {
        child.model->restoreDefaults();
    }
    notifyAll();
}

void BaseModel::bindRecords(void* current, const void* saved) {
    m_current = current;
    m_saved = saved;
    for (const Child& child : m_children) {
        child.model->rebindBlock(static_cast<char*>(current) + child.offset,
                                 static_cast<const char*>(saved) + child.offset);
    }
}

void BaseModel::rebindBlock(void* current, const void* saved) {
    bindRecords(current, saved);
    notifyAll();
}

void BaseModel::notifyAll() {
    const QMetaObject* meta = metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QMetaMethod notify = property.notifySignal();
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
