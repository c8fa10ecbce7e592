// ResultCode values shared by every decoder. Success codes are per sensor and
// positive; these are the errors.
#pragma once

#include <array>
#include <cstdint>

namespace xelo {

inline constexpr std::int32_t kNoResultArea = -1;
inline constexpr std::int32_t kFramingError = -3;
inline constexpr std::int32_t kDescentFull = -4;
inline constexpr std::int32_t kOtherSectionFull = -10;

// Overflow code per section for every sensor but SBE41.
inline constexpr std::array<std::int32_t, 6> kCommonOverflowCodes = {
    kDescentFull,      kOtherSectionFull, kOtherSectionFull,
    kOtherSectionFull, kOtherSectionFull, kOtherSectionFull};

} // namespace xelo
