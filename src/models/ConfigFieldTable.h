#pragma once

#include "config/Config.h"
#include "config/Description.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

// Every value of a Config as the editor's pages present it: the page (tab) and block it sits in,
// its label and unit there, and where the models expose it, as the record's description has them.
// The undo history, the list of unsaved changes and the parameter-set comparison all work on this
// table, so a value is named the same way everywhere and can be brought into view.
namespace configFieldTable {

enum class Kind { Float, Switch, FilterType, LimitationType };

// The tabs of the main view, in its order.
using namespace configDescription::pages;

struct Field {
    Page page;
    QString block;
    QString label;
    QString unit; // as the page writes it; empty for plain factors and non-numbers
    Kind kind;
    bool shownInDegrees; // stored in radians, shown in degrees
    std::size_t offset;  // of the value (a FloatPair for floats) inside Config
    QString modelPath;   // child-model properties from the ConfigModel down, joined by '/'
    QByteArray property; // the model property that edits it
    configDescription::Unit storedUnit;
};

// One stored value: a field and, for numbers, the parameter set (0 or 1); -1 for values shared
// by both sets (switches and types).
struct Item {
    int field;
    int set;
    bool operator==(const Item& other) const { return field == other.field && set == other.set; }
    bool operator!=(const Item& other) const { return !(*this == other); }
};

const std::vector<Field>& fields();
QString pageTitle(Page page);

// Raw 32-bit image of a value (float bits, enum value or bool); what undo steps store.
std::uint32_t read(const Config& config, const Item& item);
void write(Config& config, const Item& item, std::uint32_t raw);

// A value as its page shows it: number in the page's unit, type name, or on/off.
QString display(const Item& item, std::uint32_t raw);
QString display(const Config& config, const Item& item);
// The number as shown (degrees for angles); 0 for non-numbers.
double shownNumber(const Item& item, std::uint32_t raw);
// A shown number as text, with the pages' precision and decimal separator.
QString numberText(double value);
double shownNumber(const Config& config, const Item& item);

// Equal as the models judge modification: floats fuzzily, everything else exactly.
bool sameValue(const Item& item, std::uint32_t a, std::uint32_t b);
bool sameValue(const Config& a, const Config& b, const Item& item);

// Every item of the table: both sets of each float field, once each shared value.
const std::vector<Item>& allItems();
// Items whose raw value differs between the two records (exact, not fuzzy).
std::vector<Item> changedItems(const Config& before, const Config& after);

} // namespace configFieldTable
