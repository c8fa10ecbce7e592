// What every exported decoder promises its callers, as data for the fuzz
// targets: its variants (FormatCode, success code, layout) and the kinds it
// may store in each section.
#pragma once

#include "layouts/result_layout.h"
#include "xelo_library.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace xelo::fuzz {

struct Variant {
    std::uint8_t formatCode;
    std::int32_t successCode;
    ResultLayout layout;
};

struct DecoderInfo {
    std::string_view name; // the target's name, e.g. "sbe41"
    int entry;             // its bound entry in the program (BoundEntry)
    DecodeFunction decode;
    std::span<const Variant> variants;
    // True when an unknown FormatCode is refused before anything is written.
    bool unknownFormatLeavesAreaUntouched;
    // Per section, a bit per kind (0 to 6) the decoder may store there.
    std::array<std::uint8_t, 6> storableKinds;
};

std::span<const DecoderInfo> decoderCatalog();
const DecoderInfo* findDecoder(std::string_view name);

constexpr std::uint8_t kindBits(std::initializer_list<int> kinds) {
    std::uint8_t bits = 0;
    for (int k : kinds)
        bits = static_cast<std::uint8_t>(bits | 1u << k);
    return bits;
}
inline constexpr std::uint8_t kRwOnly = 1u << 1;
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kProfileModes = 0x7E; // 1 to 6

} // namespace xelo::fuzz
