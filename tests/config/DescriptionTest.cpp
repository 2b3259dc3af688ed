// The description of the record is what the reader, the writer, the editor's field table, the
// models and the engine's units are derived from: a member it misses is neither saved nor shown,
// a key it names that the reader or writer ignores loses edits, and a shown unit that does not
// convert back changes a value the user only looked at.
#include "ConfigTestSupport.h"
#include "config/BlockJson.h"
#include "config/ConfigFields.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "script/ScriptFile.h"
#include "support/TempDir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using namespace configDescription;

// How many members an aggregate has, counted by the compiler: the longest brace initialiser of
// values that convert to anything that still compiles.
struct AnyMember {
    template <class T> operator T() const;
};
template <class T, class... A> constexpr auto braceable(int) -> decltype(T{A{}...}, true) {
    return true;
}
template <class T, class... A> constexpr bool braceable(...) {
    return false;
}
template <class T, class... A> constexpr std::size_t memberCount() {
    if constexpr (braceable<T, A..., AnyMember>(0))
        return memberCount<T, A..., AnyMember>();
    else
        return sizeof...(A);
}

std::size_t sizeOf(const Entry& entry) {
    switch (entry.kind) {
    case Kind::Number:
        return sizeof(FloatPair);
    case Kind::Switch:
        return sizeof(bool);
    case Kind::Block:
        return entry.block->size;
    default:
        return sizeof(std::int32_t);
    }
}

struct DescribedType {
    const Block* block;
    std::size_t members;
};

template <class... T> std::vector<DescribedType> describedTypes() {
    return {{&Described<T>::block, memberCount<T>()}...};
}

void collectBlocks(const Block& block, std::set<const Block*>& blocks) {
    blocks.insert(&block);
    for (const Entry& entry : block)
        if (entry.kind == Kind::Block)
            collectBlocks(*entry.block, blocks);
}

TEST(Description, DescribesEveryMemberOfEveryBlockOnce) {
    const auto types =
        describedTypes<FilterConfig, Limitation, SignalLimitation, TravelConfig,
                       TiltCoordinationConfig, AngularVelocityConfig, AxisConfig,
                       AbsoluteAngleConfig, MixerPathConfig, MixerConfig, SideslipPathConfig,
                       RoadHarshnessConfig, EnhancerConfig, UndersteerConfig, MultiplexerConfig,
                       AlgorithmOptions, Config>();
    std::set<const Block*> listed;
    for (const DescribedType& type : types) {
        SCOPED_TRACE(type.block->type);
        listed.insert(type.block);
        EXPECT_EQ(type.block->count, type.members);
        std::size_t end = 0; // members in record order, none overlapping, all inside the block
        for (const Entry& entry : *type.block) {
            SCOPED_TRACE(entry.member);
            EXPECT_GE(entry.offset, end);
            end = entry.offset + sizeOf(entry);
        }
        EXPECT_LE(end, type.block->size);
    }
    std::set<const Block*> reached;
    collectBlocks(record(), reached);
    EXPECT_EQ(reached, listed);
}

// A value of the record with the path of its key in a version-1 document.
struct KeyedValue {
    const Entry* entry;
    const Entry* placement; // the value block's entry for values inside one, else null
    std::size_t offset;
    Json::json_pointer key;
};

Json::json_pointer pointerTo(Json::json_pointer base, const char* path) {
    std::string text(path);
    for (std::size_t start = 0;;) {
        const std::size_t slash = text.find('/', start);
        base /= text.substr(start, slash - start);
        if (slash == std::string::npos)
            return base;
        start = slash + 1;
    }
}

void collectKeyed(const Block& block, std::size_t base, const Json::json_pointer& object,
                  const Entry* placement, std::vector<KeyedValue>& out) {
    for (const Entry& entry : block) {
        const auto key = pointerTo(object, entry.keyV1);
        if (entry.kind == Kind::Block)
            collectKeyed(*entry.block, base + entry.offset, key,
                         isValueBlock(*entry.block) ? &entry : nullptr, out);
        else
            out.push_back({&entry, placement, base + entry.offset, key});
    }
}

std::vector<KeyedValue> keyedValues() {
    std::vector<KeyedValue> values;
    collectKeyed(record(), 0, Json::json_pointer(), nullptr, values);
    return values;
}

// A number's unit and ranges: its own, or for the maximum of an input limitation its signal's.
const Entry& rangedEntry(const KeyedValue& value) {
    return value.entry->unit == Unit::Signal ? *value.placement : *value.entry;
}

// What the format does not store: a cutoff-only filter keeps only its cutoff, and a written
// name of a filter whose type the algorithm fixes is not read back.
bool stored(const KeyedValue& value) {
    if (!value.placement || value.placement->filterForm == FilterForm::Full)
        return true;
    return value.entry->offset == offsetof(FilterConfig, cutoff);
}

// Every described key is written (or, where the description says so, only read), and changing it
// in a document changes exactly its value.
TEST(Description, EveryDescribedKeyIsWrittenAndRead) {
    const Config config = distinctConfig(0);
    Json document;
    writeConfig(config, document);
    float next = 3000.0f;
    for (const KeyedValue& value : keyedValues()) {
        if (stored(value) && !value.entry->written) {
            SCOPED_TRACE(value.key.to_string());
            EXPECT_FALSE(document.contains(value.key));
            document[value.key] = Json::array({next, next + 0.5f});
            next += 1.0f;
        }
    }
    int checked = 0;
    for (const KeyedValue& value : keyedValues()) {
        if (!stored(value))
            continue;
        SCOPED_TRACE(value.key.to_string());
        Json changed = document;
        Config expected = config;
        char* target = reinterpret_cast<char*>(&expected) + value.offset;
        switch (value.entry->kind) {
        case Kind::Number:
            ASSERT_TRUE(document.contains(value.key));
            changed[value.key] = Json::array({-7.5f, 7.25f});
            *reinterpret_cast<FloatPair*>(target) = FloatPair{{-7.5f, 7.25f}};
            break;
        case Kind::Switch: {
            bool& flag = *reinterpret_cast<bool*>(target);
            ASSERT_TRUE(document.contains(value.key) ||
                        !flag); // only unset switches may be left out
            flag = !flag;
            changed[value.key] = flag;
            break;
        }
        case Kind::FilterType:
            ASSERT_TRUE(document.contains(value.key));
            *reinterpret_cast<KEOFilterType::Enum*>(target) =
                *reinterpret_cast<KEOFilterType::Enum*>(target) == KEOFilterType::LowPass
                    ? KEOFilterType::HighPass
                    : KEOFilterType::LowPass;
            changed[value.key] = filterTypeName(*reinterpret_cast<KEOFilterType::Enum*>(target));
            break;
        default:
            ASSERT_TRUE(document.contains(value.key));
            *reinterpret_cast<KEOLimitationType::Enum*>(target) = KEOLimitationType::Atan;
            if (changed[value.key] == "atan")
                *reinterpret_cast<KEOLimitationType::Enum*>(target) = KEOLimitationType::Gain;
            changed[value.key] =
                limitationTypeName(*reinterpret_cast<KEOLimitationType::Enum*>(target));
            break;
        }
        Config before = zeroConfig();
        Config after = zeroConfig();
        readConfig(document, before);
        readConfig(changed, after);
        // Only the changed value moves; everything else reads as the unchanged document reads.
        Config reference = before;
        std::memcpy(reinterpret_cast<char*>(&reference) + value.offset, target,
                    sizeOf(*value.entry));
        EXPECT_EQ(describe(after), describe(reference));
        ++checked;
    }
    EXPECT_GT(checked, 250); // the walk reached the whole record
}

// The pages show four decimals: a number typed in the shown unit is stored, shown again, and must
// read as typed, all across the range a tuner may explore.
TEST(Description, EveryShownUnitConvertsBackExactly) {
    for (const KeyedValue& value : keyedValues()) {
        if (value.entry->kind != Kind::Number)
            continue;
        SCOPED_TRACE(value.key.to_string());
        const Entry& ranged = rangedEntry(value);
        const float low = toShown(ranged.unit, ranged.tuning.low);
        const float high = toShown(ranged.unit, ranged.tuning.high);
        for (int step = 0; step <= 1000; ++step) {
            const double typed = std::round((low + (high - low) * step / 1000.0) * 1e4) / 1e4;
            const float stored = fromShown(ranged.unit, static_cast<float>(typed));
            ASSERT_EQ(std::round(toShown(ranged.unit, stored) * 1e4), std::round(typed * 1e4))
                << typed;
        }
    }
}

// Ranges are what tuners and checks rely on: every value of the bundled examples and every
// fallback lies within its valid range, and every tuning range within the valid one.
TEST(Description, BundledExamplesLieWithinTheValidRanges) {
    for (const char* name :
         {"one_cluster.cpp", "two_clusters.cpp", "config_v0.json", "config_v1.json"}) {
        ConfigMap configs;
        ASSERT_TRUE(loadScript(examplePath(name).u16string(), configs).ok()) << name;
        for (const auto& [cluster, config] : configs) {
            const char* base = reinterpret_cast<const char*>(&config);
            for (const KeyedValue& value : keyedValues()) {
                if (value.entry->kind != Kind::Number)
                    continue;
                const Entry& ranged = rangedEntry(value);
                const auto& pair = *reinterpret_cast<const FloatPair*>(base + value.offset);
                for (const float v : pair.values) {
                    EXPECT_GE(v, ranged.valid.low) << name << " " << value.key.to_string();
                    EXPECT_LE(v, ranged.valid.high) << name << " " << value.key.to_string();
                }
                EXPECT_GE(ranged.tuning.low, ranged.valid.low) << value.key.to_string();
                EXPECT_LE(ranged.tuning.high, ranged.valid.high) << value.key.to_string();
            }
        }
    }
}

} // namespace
