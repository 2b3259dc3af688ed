#include "ConfigFieldTable.h"

#include "config/RecordDescription.h"
#include "ui/DecimalSeparators.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace configFieldTable {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ConfigFieldTable", text);
}

using configDescription::Block;
using configDescription::Entry;

// Where the entries of one block sit: the page, the name of the path that prefixes its blocks'
// titles, the model that edits them, and how that model names values it took over from a
// sub-block (see Entry::prefix).
struct Place {
    Page page;
    QString name;
    QString modelPath;
    QByteArray prefix;
    QByteArray switchPrefix;
    const char* limitProperty = nullptr;
};

QString joined(const QString& first, const QString& second, const QString& separator) {
    return first.isEmpty() ? second : first + separator + second;
}

QByteArray prefixed(const QByteArray& prefix, const char* property) {
    QByteArray name(property);
    if (!prefix.isEmpty())
        name = prefix + name.left(1).toUpper() + name.mid(1);
    return name;
}

QString text(const char* source) {
    return source ? tr(source) : QString();
}

// The entries of a block in the order its page shows them.
std::vector<const Entry*> pageOrder(const Block& block) {
    std::vector<const Entry*> order;
    for (const Entry& entry : block)
        order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(),
                     [](const Entry* a, const Entry* b) { return a->pageRank < b->pageRank; });
    return order;
}

Kind kindOf(const Entry& entry) {
    switch (entry.kind) {
    case configDescription::Kind::Switch:
        return Kind::Switch;
    case configDescription::Kind::FilterType:
        return Kind::FilterType;
    case configDescription::Kind::LimitationType:
        return Kind::LimitationType;
    default:
        return Kind::Float;
    }
}

class Builder {
public:
    explicit Builder(std::vector<Field>& out)
        : m_out(out) {}

    void block(const Block& block, std::size_t base, const Place& at) {
        for (const Entry* entry : pageOrder(block))
            add(*entry, base + entry->offset, at);
    }

private:
    void add(const Entry& entry, std::size_t offset, const Place& parent) {
        Place at = parent;
        if (entry.page != configDescription::Page::Inherited)
            at.page = entry.page;
        if (entry.kind == configDescription::Kind::Switch) {
            const QString title = entry.title     ? tr(entry.title)
                                  : m_switchTitle ? tr(m_switchTitle)
                                                  : at.name;
            push(at.page, title, entry, entry.unit, offset, at.modelPath,
                 prefixed(at.switchPrefix, entry.property));
        } else if (entry.kind == configDescription::Kind::Number) {
            push(at.page, joined(at.name, text(entry.title), ": "), entry, entry.unit, offset,
                 joined(at.modelPath, prefixed(at.prefix, entry.property), "/"), "value");
        } else if (configDescription::isValueBlock(*entry.block)) {
            valueBlock(entry, offset, at);
        } else {
            composite(entry, offset, at);
        }
    }

    void valueBlock(const Entry& placement, std::size_t offset, const Place& at) {
        const bool renamedLimit =
            at.limitProperty && placement.block == &configDescription::Described<Limitation>::block;
        const QString model = renamedLimit
                                  ? QString::fromLatin1(at.limitProperty)
                                  : QString::fromLatin1(prefixed(at.prefix, placement.property));
        const QString title = joined(at.name, text(placement.label), ": ");
        for (const Entry* value : pageOrder(*placement.block)) {
            const auto unit =
                value->unit == configDescription::Unit::Signal ? placement.unit : value->unit;
            push(at.page, title, *value, unit, offset + value->offset,
                 joined(at.modelPath, model, "/"), value->property);
        }
    }

    void composite(const Entry& placement, std::size_t offset, const Place& at) {
        Place inner{at.page, text(placement.label), at.modelPath, {}, {}, nullptr};
        if (placement.property)
            inner.modelPath = joined(at.modelPath, placement.property, "/");
        if (placement.prefix) {
            inner.prefix = placement.prefix;
            inner.switchPrefix = placement.switchPrefix;
            inner.limitProperty = placement.limitProperty;
        }
        const char* outerSwitchTitle = m_switchTitle;
        m_switchTitle = placement.block->switchTitle;
        block(*placement.block, offset, inner);
        m_switchTitle = outerSwitchTitle;
    }

    void push(Page page, const QString& title, const Entry& entry, configDescription::Unit unit,
              std::size_t offset, const QString& modelPath, const QByteArray& property) {
        m_out.push_back(Field{page, title, text(entry.label),
                              QString::fromUtf8(configDescription::shownUnitText(unit)),
                              kindOf(entry), configDescription::shownInDegrees(unit), offset,
                              modelPath, property, unit});
    }

    std::vector<Field>& m_out;
    const char* m_switchTitle = nullptr;
};

// Pages in the order of the tabs; within a page, blocks in the order the page shows them.
std::vector<Field> buildTable() {
    std::vector<Field> table;
    Builder builder(table);
    builder.block(configDescription::record(), 0, Place{Page::Lateral, {}, {}, {}, {}, nullptr});
    std::stable_sort(table.begin(), table.end(),
                     [](const Field& a, const Field& b) { return a.page < b.page; });
    return table;
}

std::vector<Item> buildItems() {
    std::vector<Item> items;
    const auto& table = fields();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        if (table[i].kind == Kind::Float) {
            items.push_back({i, 0});
            items.push_back({i, 1});
        } else {
            items.push_back({i, -1});
        }
    }
    return items;
}

std::size_t byteOffset(const Item& item) {
    const Field& field = fields()[item.field];
    return field.offset + (item.set > 0 ? sizeof(float) : 0);
}

std::size_t byteSize(const Field& field) {
    return field.kind == Kind::Switch ? sizeof(bool) : sizeof(std::uint32_t);
}

QString filterTypeName(std::int32_t type) {
    switch (type) {
    case KEOFilterType::None:
        return tr("None");
    case KEOFilterType::HighPass:
        return tr("High pass");
    case KEOFilterType::LowPass:
        return tr("Low pass");
    case KEOFilterType::HighPassDelta:
        return tr("High pass (delta)");
    default:
        return QString::number(type);
    }
}

QString limitationTypeName(std::int32_t type) {
    switch (type) {
    case KEOLimitationType::None:
        return tr("None");
    case KEOLimitationType::Logistic:
        return tr("Logistic (Sigmoid)");
    case KEOLimitationType::Atan:
        return tr("Atan");
    case KEOLimitationType::Gain:
        return tr("Gain");
    default:
        return QString::number(type);
    }
}

} // namespace

const std::vector<Field>& fields() {
    static const std::vector<Field> table = buildTable();
    return table;
}

const std::vector<Item>& allItems() {
    static const std::vector<Item> items = buildItems();
    return items;
}

QString pageTitle(Page page) {
    return tr(configDescription::pageTitle(page));
}

std::uint32_t read(const Config& config, const Item& item) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, reinterpret_cast<const char*>(&config) + byteOffset(item),
                byteSize(fields()[item.field]));
    return raw;
}

void write(Config& config, const Item& item, std::uint32_t raw) {
    std::memcpy(reinterpret_cast<char*>(&config) + byteOffset(item), &raw,
                byteSize(fields()[item.field]));
}

double shownNumber(const Item& item, std::uint32_t raw) {
    const Field& field = fields()[item.field];
    if (field.kind != Kind::Float)
        return 0.0;
    float stored;
    std::memcpy(&stored, &raw, sizeof stored);
    return configDescription::toShown(field.storedUnit, stored);
}

double shownNumber(const Config& config, const Item& item) {
    return shownNumber(item, read(config, item));
}

QString numberText(double value) {
    static const DecimalSeparators separators = DecimalSeparators::detect();
    QString text = QString::number(value, 'f', 4);
    text.replace(separators.machine, separators.display);
    return text;
}

QString display(const Item& item, std::uint32_t raw) {
    const auto value = static_cast<std::int32_t>(raw);
    switch (fields()[item.field].kind) {
    case Kind::Float:
        return numberText(shownNumber(item, raw));
    case Kind::Switch:
        return value ? tr("On") : tr("Off");
    case Kind::FilterType:
        return filterTypeName(value);
    case Kind::LimitationType:
        return limitationTypeName(value);
    }
    return QString();
}

QString display(const Config& config, const Item& item) {
    return display(item, read(config, item));
}

bool sameValue(const Item& item, std::uint32_t a, std::uint32_t b) {
    if (fields()[item.field].kind != Kind::Float)
        return a == b;
    float first;
    float second;
    std::memcpy(&first, &a, sizeof first);
    std::memcpy(&second, &b, sizeof second);
    return qFuzzyCompare(first, second);
}

bool sameValue(const Config& a, const Config& b, const Item& item) {
    return sameValue(item, read(a, item), read(b, item));
}

std::vector<Item> changedItems(const Config& before, const Config& after) {
    std::vector<Item> changed;
    for (const Item& item : allItems()) {
        if (read(before, item) != read(after, item))
            changed.push_back(item);
    }
    return changed;
}

} // namespace configFieldTable
