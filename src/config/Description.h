#pragma once

#include "Config.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The vocabulary in which every block type of the record describes its values once: where each
// value sits, how a document names and reads it, where the editor shows it and in which unit, and
// which values it may take. The tables themselves are in RecordDescription.h; the JSON reader and
// writer, the walk over every value, the editor's field table, the models and the engine's units
// are all derived from them.
namespace configDescription {

// What one entry of a block holds.
enum class Kind : std::uint8_t { Number, Switch, FilterType, LimitationType, Block };

// The unit a number is stored in. `Signal` stands for the unit of the signal a limitation block
// limits; the entry that places the block names it.
enum class Unit : std::uint8_t {
    None,
    Hertz,
    Percent,
    MetresPerSecondSquared,
    Metres,
    Radians,
    RadiansPerSecond,
    DegreesPerSecond,
    Signal,
};

// How a document holds a value of one format version.
enum class Access : std::uint8_t {
    Absent,       // not part of this version: never read, left as the reader found it
    Required,     // must exist below an object (library errors 304 and 403 otherwise)
    Plain,        // read without a presence test (a non-object parent is library error 305)
    Optional,     // the key's first level may be absent (then: the absent value or the fallback);
                  // below it every level is required
    OptionalLast, // levels above the last reached plainly; the last may be absent (the value
                  // found there is kept)
    IfSet,        // a switch that may be absent (false) and is written only when on
    Legacy,       // read by hand: layouts of older tools that no key path describes
};

// How a filter block is encoded.
enum class FilterForm : std::uint8_t {
    Full,            // cutoff, optional cutoff range and the type's name
    CutoffOnly,      // the cutoff alone; the type is fixed by the algorithm
    NamedCutoffOnly, // written in full, read as the cutoff alone with the fixed type
};

// The editor's pages, in the order of its tabs. Unscoped, in a namespace of their own, so that
// users of the field table name them as before (configFieldTable::Mixer).
namespace pages {
enum Page : std::uint8_t {
    Lateral,
    Longitudinal,
    Vertical,
    Absolute,
    Enhancer,
    Understeer,
    Mixer,
    Multiplexer,
    Options,
    Inherited, // the page of the enclosing entry
};
} // namespace pages
using pages::Page;

// The title of a page's tab.
const char* pageTitle(Page page);

struct Range {
    float low;
    float high;
};

struct Block;

// One member of a block. Built with the chained setters below, so each table row names only what
// differs from the defaults.
struct Entry {
    const char* member = nullptr; // its name in the record
    std::size_t offset = 0;       // within the block
    Kind kind = Kind::Number;
    const Block* block = nullptr; // the sub-block's description, for Kind::Block

    // Version 1: key path below the block's object ('/' between levels), how it is read, when it
    // is read (phase, then rank, both among the block's entries), and what an absent optional
    // number stands for.
    const char* keyV1 = nullptr;
    Access accessV1 = Access::Required;
    std::uint8_t phase = 1;
    std::uint8_t readRank = 0;
    float absentNumber = 0.0f;
    const char* olderKey = nullptr; // read in place of keyV1 when only it is present
    bool written = true;            // false: read where present, never written
    FilterForm filterForm = FilterForm::Full;
    KEOFilterType::Enum fixedType = KEOFilterType::HighPass;

    // Version 0: key path and access, and the whole sub-block stored when its key is absent.
    const char* keyV0 = nullptr;
    Access accessV0 = Access::Absent;
    const void* fallbackV0 = nullptr;

    // The page: where the entry is shown, its label (for a path: the name that prefixes its
    // blocks' titles), the title of the block it forms on its own, and its place on the page.
    Page page = Page::Inherited;
    const char* label = nullptr;
    const char* title = nullptr;
    std::uint8_t pageRank = 0;

    // The model property that edits the value or holds the sub-block's model. A sub-block with a
    // `prefix` has no model of its own: its values belong to the enclosing model, each under the
    // prefix followed by its own property name capitalised.
    const char* property = nullptr;
    const char* prefix = nullptr;
    const char* switchPrefix = nullptr;  // where the path's switches are prefixed differently
    const char* limitProperty = nullptr; // where a flattened path names its limit differently

    Unit unit = Unit::None;
    Range valid{0.0f, 0.0f};
    Range tuning{0.0f, 0.0f};

    // clang-format off
    constexpr Entry json(const char* key, Access access = Access::Required) const { Entry e = *this; e.keyV1 = key; e.accessV1 = access; e.keyV0 = key; e.accessV0 = access; return e; }
    constexpr Entry v1Only(const char* key, Access access = Access::Required) const { Entry e = json(key, access); e.keyV0 = nullptr; e.accessV0 = Access::Absent; return e; }
    constexpr Entry v0(const char* key, Access access, const void* fallback = nullptr) const { Entry e = *this; e.keyV0 = key; e.accessV0 = access; e.fallbackV0 = fallback; return e; }
    constexpr Entry olderMayLack() const { Entry e = *this; e.keyV0 = keyV1; e.accessV0 = Access::OptionalLast; return e; }
    constexpr Entry reading(std::uint8_t p, std::uint8_t rank) const { Entry e = *this; e.phase = p; e.readRank = rank; return e; }
    constexpr Entry absentAs(float number) const { Entry e = *this; e.absentNumber = number; return e; }
    constexpr Entry formerly(const char* key) const { Entry e = *this; e.olderKey = key; return e; }
    constexpr Entry readOnly() const { Entry e = *this; e.written = false; return e; }
    constexpr Entry filter(FilterForm form, KEOFilterType::Enum type = KEOFilterType::HighPass) const { Entry e = *this; e.filterForm = form; e.fixedType = type; return e; }
    constexpr Entry on(Page p) const { Entry e = *this; e.page = p; return e; }
    constexpr Entry shown(const char* l, std::uint8_t rank, const char* t = nullptr) const { Entry e = *this; e.label = l; e.pageRank = rank; e.title = t; return e; }
    constexpr Entry edits(const char* p) const { Entry e = *this; e.property = p; return e; }
    constexpr Entry flattened(const char* p, const char* switches = nullptr, const char* limit = nullptr) const { Entry e = *this; e.prefix = p; e.switchPrefix = switches ? switches : p; e.limitProperty = limit; return e; }
    constexpr Entry in(Unit u, Range v, Range t) const { Entry e = *this; e.unit = u; e.valid = v; e.tuning = t; return e; }
    constexpr Entry in(Unit u) const { Entry e = *this; e.unit = u; return e; }

    // The rows every path shares: its switch, its input limitation and its output stage.
    constexpr Entry pathSwitch(std::uint8_t rank) const { return json("enabled").shown("Path on", rank).edits("enabled"); }
    constexpr Entry inputLimitation(std::uint8_t rank, Unit u, Range v, Range t) const { return json("input_limit").shown("Input limitation", rank).edits("inputLimitModel").in(u, v, t); }
    constexpr Entry outputFilter(std::uint8_t rank, const char* property) const { return json("output_filter").shown("Output filter", rank).edits(property); }
    constexpr Entry outputLimit(std::uint8_t rank, const char* property) const { return json("output_limit").shown("Limit", rank).edits(property); }
    // clang-format on
};

// The most entries a block has, so that walks may order them on the stack.
constexpr std::size_t maxEntries = 16;

// One block type of the record.
struct Block {
    const char* type;
    const Entry* entries;
    std::size_t count;
    std::size_t size;
    const char* switchTitle; // the page block its switches sit in; null: the path's own name
    // Read in phases: the version-1 reader reads every phase-0 value of the block's subtree, then
    // every phase-1 value, and so on, in the order older tools wrote them.
    bool phased;
    // A value block (filter, limitation, input limitation): one model edits it whole, one codec
    // reads and writes it, and the page shows it as one block.
    bool value;
    // The reading phases present below the block, a bit each, for version 0 and version 1.
    std::uint8_t phases[2];

    constexpr const Entry* begin() const { return entries; }
    constexpr const Entry* end() const { return entries + count; }
};

// Specialised for every block type in RecordDescription.h.
template <class T> struct Described;

template <class T> constexpr Kind kindOf() {
    if constexpr (std::is_same_v<T, FloatPair>)
        return Kind::Number;
    else if constexpr (std::is_same_v<T, bool>)
        return Kind::Switch;
    else if constexpr (std::is_same_v<T, KEOFilterType::Enum>)
        return Kind::FilterType;
    else if constexpr (std::is_same_v<T, KEOLimitationType::Enum>)
        return Kind::LimitationType;
    else
        return Kind::Block;
}

template <class T> constexpr Entry memberEntry(const char* name, std::size_t offset) {
    Entry e;
    e.member = name;
    e.offset = offset;
    e.kind = kindOf<T>();
    if constexpr (kindOf<T>() == Kind::Block)
        e.block = &Described<T>::block;
    return e;
}

// The reading phases of a block's entries and of the blocks below them, for one version.
template <std::size_t N> constexpr std::uint8_t phaseMask(const Entry (&entries)[N], bool current) {
    std::uint8_t mask = 0;
    for (const Entry& entry : entries) {
        if ((current ? entry.accessV1 : entry.accessV0) == Access::Absent)
            continue;
        if (entry.kind == Kind::Block && !entry.block->value)
            mask |= entry.block->phases[current ? 1 : 0];
        else
            mask |= static_cast<std::uint8_t>(1u << entry.phase);
    }
    return mask;
}

template <class T, std::size_t N>
constexpr Block describeBlock(const char* type, const Entry (&entries)[N],
                              const char* switchTitle = nullptr, bool phased = false) {
    static_assert(N <= maxEntries, "a block of more entries than the walks order on the stack");
    return Block{
        type,        entries, N,     sizeof(T),
        switchTitle, phased,  false, {phaseMask(entries, false), phaseMask(entries, true)}};
}

template <class T, std::size_t N>
constexpr Block describeValueBlock(const char* type, const Entry (&entries)[N]) {
    static_assert(N <= maxEntries, "a block of more entries than the walks order on the stack");
    return Block{type, entries, N, sizeof(T), nullptr, false, true, {0, 0}};
}

constexpr bool isValueBlock(const Block& block) {
    return block.value;
}

// The entry of `Owner` at `offset`; a compile error where there is none.
template <class Owner> constexpr const Entry& entryAt(std::size_t offset) {
    for (const Entry& e : Described<Owner>::block)
        if (e.offset == offset)
            return e;
    throw "no such member is described"; // reached only in constant evaluation: does not compile
}

// Units as the pages show them.
constexpr bool shownInDegrees(Unit unit) {
    return unit == Unit::Radians || unit == Unit::RadiansPerSecond;
}
const char* shownUnitText(Unit unit);
// A stored number as its page shows it, and a shown one as it is stored.
float toShown(Unit unit, float stored);
float fromShown(Unit unit, float shown);
// A stored number in SI units (rates in rad/s), for computation.
constexpr double toSI(Unit unit, double stored) {
    constexpr double degree = 3.14159265358979323846 / 180.0;
    return unit == Unit::DegreesPerSecond ? stored * degree : stored;
}

} // namespace configDescription

// The unit the description gives a member of a block type, as a constant.
#define KEO_STORED_UNIT(Type, name) ::configDescription::entryAt<Type>(offsetof(Type, name)).unit

// The version-1 key of a member of a block type, as a constant.
#define KEO_KEY(Type, name) ::configDescription::entryAt<Type>(offsetof(Type, name)).keyV1

// Names a member of a block type for its description.
#define KEO_MEMBER(Type, name)                                                                     \
    ::configDescription::memberEntry<decltype(Type::name)>(#name, offsetof(Type, name))
