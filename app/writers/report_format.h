// A sensor's CSV report described as data: which sections it writes, which
// kinds announce a mode line, and the fields of each data line. The driver
// walks the result area and prints these fields; no writer has a loop of its own.
#pragma once

#include "layouts/result_layout.h"

#include <array>
#include <cstdint>
#include <span>

namespace xelo {

enum class FieldType : std::uint8_t { F32, F64, U8, I8, U16, I16, U32, I32 };

// One value of a data line, or `repeat` values of one type that follow each
// other in the sample. With `countFrom` set, the number of values is the u8 at
// that sample offset, never more than `repeat`.
struct Field {
    std::uint16_t offset;
    FieldType type;
    std::uint8_t decimals = 0; // for F32 and F64 ("%.<decimals>f")
    std::uint16_t repeat = 1;
    std::int16_t countFrom = -1;
};
using LineFields = std::span<const Field>;

inline constexpr Field f32(std::uint16_t offset, std::uint8_t decimals, std::uint16_t repeat = 1) {
    return {offset, FieldType::F32, decimals, repeat};
}
inline constexpr Field f64(std::uint16_t offset, std::uint8_t decimals) {
    return {offset, FieldType::F64, decimals};
}
inline constexpr Field integer(std::uint16_t offset, FieldType type, std::uint16_t repeat = 1) {
    return {offset, type, 0, repeat};
}

inline constexpr std::uint8_t kinds(std::initializer_list<int> list) {
    std::uint8_t mask = 0;
    for (int k : list)
        mask = static_cast<std::uint8_t>(mask | (1u << k));
    return mask;
}
inline constexpr std::uint8_t kAllKinds = 0x7F;    // 0 to 6
inline constexpr std::uint8_t kKindsRwToDw = 0x7E; // 1 to 6

struct ReportFormat {
    ResultLayout layout;
    std::array<bool, 6> sectionWritten;
    // Per phase: the kinds whose change announces a mode line (profile phases).
    std::array<std::uint8_t, 6> modeLineKinds;
    // Data line of a profile-phase sample, by kind (0 to 6); an empty span
    // falls back to kind 1's line.
    std::array<LineFields, 7> profileLine;
    // Data line of every park-like-phase sample, whatever its kind.
    LineFields parkLine;
};

inline constexpr std::array<bool, 6> kAllSections = {true, true, true, true, true, true};

} // namespace xelo
