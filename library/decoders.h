// The decoders of the library, each on an explicit module state. The exported
// C functions run them on processState().
#pragma once

#include "framing/module_state.h"

#include <cstdint>

namespace xelo {

using DecoderEntry = std::int32_t (*)(ModuleState& state, void* result, const std::uint8_t* data,
                                      std::int32_t length);

std::int32_t decodeSBE41(ModuleState& state, void* result, const std::uint8_t* data, std::int32_t length);

} // namespace xelo
