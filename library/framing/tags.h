// Phase and mode tags of the data files, and the four tag helpers. A tag
// matches only when all of its bytes lie inside the data that remain.
#pragma once

#include "framing/module_state.h"

#include <cstdint>
#include <string_view>

namespace xelo {

struct Tag {
    std::string_view text;
    std::uint8_t value;
};

// In the order the helpers test them: the longer "(AM)" tags come before "(AM)".
inline constexpr Tag kPhaseTags[] = {
    {"[DESCENT]", Descent},      {"[PARK]", Park},     {"[DEEP_PROFILE]", DeepProfile},
    {"[SHORT_PARK]", ShortPark}, {"[ASCENT]", Ascent}, {"[SURFACE]", Surface},
};
inline constexpr Tag kModeTags[] = {
    {"(AM)(SD)(MD)", AM_SD_MD},
    {"(AM)(MD)", AM_MD},
    {"(AM)(SD)", AM_SD},
    {"(AM)", AM},
    {"(RW)", RW},
    {"(DW)", DW},
    {"(SS)", SS},
};

const std::uint8_t* SkipPhaseTag(const ModuleState& state, const std::uint8_t* p);
const std::uint8_t* ReadPhaseTag(ModuleState& state, const std::uint8_t* p);
const std::uint8_t* SkipModeTag(const ModuleState& state, const std::uint8_t* p);
const std::uint8_t* ReadModeTag(ModuleState& state, const std::uint8_t* p);

} // namespace xelo
