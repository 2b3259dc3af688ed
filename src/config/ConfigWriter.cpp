#include "ConfigWriter.h"

#include "BlockJson.h"
#include "RecordDescription.h"

#include <string_view>

namespace {

using namespace configDescription;

// Objects keep their members sorted by key, so the order in which entries are written does not
// change the written text.

// The member at `path` below `object` ('/' between levels), made with the objects leading to it.
Json& memberAt(Json& object, std::string_view path) {
    Json* node = &object;
    for (;;) {
        const std::size_t slash = path.find('/');
        node = &(*node)[path.substr(0, slash)];
        if (slash == std::string_view::npos)
            return *node;
        path.remove_prefix(slash + 1);
    }
}

Json writeValueBlock(const Entry& entry, const char* value) {
    if (entry.block == &Described<FilterConfig>::block) {
        const auto& filter = *reinterpret_cast<const FilterConfig*>(value);
        return entry.filterForm == FilterForm::CutoffOnly ? writeCutoffOnlyFilter(filter)
                                                          : writeFilterConfig(filter);
    }
    if (entry.block == &Described<Limitation>::block)
        return writeLimitation(*reinterpret_cast<const Limitation*>(value));
    return writeSignalLimitation(*reinterpret_cast<const SignalLimitation*>(value));
}

void writeBlock(const Block& block, const char* values, Json& object);

void writeEntry(const Entry& entry, const char* value, Json& object) {
    switch (entry.kind) {
    case Kind::Number:
        memberAt(object, entry.keyV1) = writeFloatPair(*reinterpret_cast<const FloatPair*>(value));
        break;
    case Kind::Switch: {
        const bool flag = *reinterpret_cast<const bool*>(value);
        // Switches that older tools lack are left out unless set, so their documents stay equal.
        if (flag || entry.accessV1 != Access::IfSet)
            memberAt(object, entry.keyV1) = flag;
        break;
    }
    case Kind::Block:
        if (isValueBlock(*entry.block)) {
            memberAt(object, entry.keyV1) = writeValueBlock(entry, value);
        } else {
            Json& member = memberAt(object, entry.keyV1);
            member = Json::object();
            writeBlock(*entry.block, value, member);
        }
        break;
    default: // types live inside the value blocks, which their codecs write
        break;
    }
}

void writeBlock(const Block& block, const char* values, Json& object) {
    for (const Entry& entry : block)
        if (entry.keyV1)
            writeEntry(entry, values + entry.offset, object);
}

} // namespace

void writeConfig(const Config& config, Json& document) {
    document = Json::object();
    document["version"] = 1;
    writeBlock(record(), reinterpret_cast<const char*>(&config), document);
}
