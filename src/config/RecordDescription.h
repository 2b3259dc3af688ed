#pragma once

#include "SectionDescriptions.h"

// Every block type of the record, described once (see Description.h for the vocabulary). Each
// table lists its block's members in record order; a member's row says how documents name it
// (version 1, and version 0 where that differs), where and how the editor shows it, and which
// values it may take. The tables are split by part of the record: PathDescriptions.h (the value
// blocks and the axes), SectionDescriptions.h (the sections below the axes), this file (the
// record itself).
namespace configDescription {

// The whole record. Version 0 has layouts of its own for the axes (read by hand, see
// ConfigReader.cpp) and fallbacks for the sections it may lack.
template <> struct Described<Config> {
    using B = Config;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, lateral)
            .json("lateral_acceleration_and_roll_rate", Access::Required)
            .v0("lateral_acceleration_and_roll_rate", Access::Legacy)
            .on(Page::Lateral)
            .edits("lateralConfigModel"),
        KEO_MEMBER(B, longitudinal)
            .json("longitudinal_acceleration_and_pitch_rate")
            .v0("longitudinal_acceleration_and_pitch_rate", Access::Legacy)
            .on(Page::Longitudinal)
            .edits("longitudinalConfigModel"),
        KEO_MEMBER(B, vertical)
            .json("vertical_acceleration_and_yaw_rate")
            .v0("vertical_acceleration_and_yaw_rate", Access::Legacy)
            .on(Page::Vertical)
            .edits("verticalConfigModel"),
        KEO_MEMBER(B, absolutePitch)
            .json("absolute/pitch")
            .v0("absolute/pitch", Access::Optional, &defaultAbsolutePath)
            .on(Page::Absolute)
            .shown("Pitch", 0)
            .edits("absolutePitchRollConfigModel")
            .flattened("pitch"),
        KEO_MEMBER(B, absoluteRoll)
            .json("absolute/roll")
            .v0("absolute/roll", Access::Optional, &defaultAbsolutePath)
            .on(Page::Absolute)
            .shown("Roll", 1)
            .edits("absolutePitchRollConfigModel")
            .flattened("roll"),
        KEO_MEMBER(B, mixer)
            .json("mixer")
            .v0("mixer", Access::Optional, &defaultMixer)
            .on(Page::Mixer)
            .edits("mixerConfigModel"),
        KEO_MEMBER(B, enhancer)
            .json("enhancer")
            .v0("enhancer", Access::Optional, &defaultEnhancer)
            .on(Page::Enhancer)
            .edits("enhancerConfigModel"),
        KEO_MEMBER(B, understeer)
            .v1Only("understeer", Access::Optional)
            .on(Page::Understeer)
            .edits("understeerConfigModel"),
        KEO_MEMBER(B, multiplexer)
            .json("multiplexer")
            .v0("multiplexer", Access::Optional, &defaultMultiplexer)
            .on(Page::Multiplexer)
            .edits("multiplexerConfigModel"),
        KEO_MEMBER(B, algorithm)
            .json("algorithm", Access::Plain)
            .v0("algorithm", Access::Optional, &defaultAlgorithmOptions)
            .on(Page::Options)
            .flattened(""),
    };
    static constexpr Block block = describeBlock<B>("Config", entries);
};

inline const Block& record() {
    return Described<Config>::block;
}

} // namespace configDescription
