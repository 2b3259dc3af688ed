#pragma once

#include "RecordDescription.h"

// Walks the values of a record, or of one of its blocks, in record order as the description lists
// them. Used where a check must cover the whole record without listing it again (finite-number
// checks, tests).

namespace configDescription {

// Calls f(entry, offset) for every value (number, switch or type) below `block`, with the value's
// offset from the start of the block.
template <class F> void forEachValue(const Block& block, F&& f, std::size_t base = 0) {
    for (const Entry& entry : block) {
        if (entry.kind == Kind::Block)
            forEachValue(*entry.block, f, base + entry.offset);
        else
            f(entry, base + entry.offset);
    }
}

} // namespace configDescription

namespace configFields {

// Hands every value of `block` to a visitor that accepts FloatPair&, bool&, KEOFilterType::Enum&
// and KEOLimitationType::Enum&.
template <class B, class V> void visit(B& block, V& visitor) {
    using namespace configDescription;
    char* const base = reinterpret_cast<char*>(&block);
    forEachValue(Described<B>::block, [&](const Entry& entry, std::size_t offset) {
        char* const value = base + offset;
        switch (entry.kind) {
        case Kind::Number:
            visitor(*reinterpret_cast<FloatPair*>(value));
            break;
        case Kind::Switch:
            visitor(*reinterpret_cast<bool*>(value));
            break;
        case Kind::FilterType:
            visitor(*reinterpret_cast<KEOFilterType::Enum*>(value));
            break;
        default:
            visitor(*reinterpret_cast<KEOLimitationType::Enum*>(value));
            break;
        }
    });
}

} // namespace configFields

// True when every float of the record is finite, so that it can be written and read back.
bool allFloatsFinite(const Config& config);
