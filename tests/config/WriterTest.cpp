// A float that is not finite is written as null, which no reader accepts; allFloatsFinite is how
// callers find such a record before saving it. The written text itself is pinned byte for byte by
// ScriptFileTest.SavingUnchangedScriptsOnlyChangesLineEnds on every bundled layout.
#include "ConfigTestSupport.h"
#include "config/ConfigFields.h"
#include "config/ConfigWriter.h"

#include <gtest/gtest.h>
#include <limits>

TEST(ConfigWriter, NonFiniteFloatsAreDetectedBeforeWriting) {
    const Config reference = distinctConfig(0);
    EXPECT_TRUE(allFloatsFinite(reference));
    const std::size_t count = floatValues(reference).size();
    for (std::size_t target = 0; target < count; ++target) {
        for (const float poison :
             {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
            Config config = reference;
            std::size_t index = 0;
            auto poisonTarget = [&](auto& value) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, FloatPair>)
                    for (float& member : value.values)
                        member = index++ == target ? poison : member;
            };
            configFields::visit(config, poisonTarget);
            ASSERT_FALSE(allFloatsFinite(config)) << "float #" << target;
        }
    }
}
