// Scaled values: the raw integer times the scale factor, minus the exact
// offset, computed in extended precision (64-bit mantissa on x86) and rounded
// once, to single precision, when stored.
#pragma once

#include <cstdint>
#include <limits>

namespace xelo {

using Extended = long double;
#if defined(__i386__) || defined(__x86_64__)
static_assert(std::numeric_limits<Extended>::digits == 64, "x87 extended precision expected");
#endif

inline constexpr Extended kTenth = 0.1L;
inline constexpr Extended kHundredth = 0.01L;
inline constexpr Extended kThousandth = 0.001L;
inline constexpr Extended kTenThousandth = 0.0001L;

// raw x 0.1 - 100: every pressure of every sensor.
inline float pressureFromRaw(std::uint16_t raw) {
    return static_cast<float>(static_cast<Extended>(raw) * kTenth - 100);
}
// raw x 0.001 - 5: the temperatures of the one-reading sensors.
inline float temperatureFromRaw(std::uint16_t raw) {
    return static_cast<float>(static_cast<Extended>(raw) * kThousandth - 5);
}
// signed raw x 0.001: deviation values.
inline float thousandths(std::int32_t raw) {
    return static_cast<float>(static_cast<Extended>(raw) * kThousandth);
}

} // namespace xelo
