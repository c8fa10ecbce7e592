// The decoders of the library, each on an explicit module state. The exported
// C functions run them on processState().
#pragma once

#include "framing/module_state.h"

#include <cstdint>

namespace xelo {

using DecoderEntry = std::int32_t (*)(ModuleState& state, void* result, const std::uint8_t* data,
                                      std::int32_t length);

std::int32_t decodeSBE41(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length);
std::int32_t decodeDO(ModuleState& state, void* result, const std::uint8_t* data,
                      std::int32_t length);
std::int32_t decodeOCR(ModuleState& state, void* result, const std::uint8_t* data,
                       std::int32_t length);
std::int32_t decodeECO(ModuleState& state, void* result, const std::uint8_t* data,
                       std::int32_t length);
std::int32_t decodeECOv2(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length);
std::int32_t decodeCROVER(ModuleState& state, void* result, const std::uint8_t* data,
                          std::int32_t length);
std::int32_t decodeSBEPH(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length);
std::int32_t decodeSUNA(ModuleState& state, void* result, const std::uint8_t* data,
                        std::int32_t length);
std::int32_t decodeUVP6Lpm(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length);
std::int32_t decodeUVP6Blk(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length);
std::int32_t decodeExtTrig(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length);

} // namespace xelo
