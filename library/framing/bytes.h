// Little-endian loads and stores on unaligned byte pointers. Every field of a
// data file and of a result area is read and written through these helpers,
// never through a cast, so the layouts hold on every host.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace xelo {

inline std::uint16_t loadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int16_t loadI16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(loadU16(p));
}
inline std::int8_t loadI8(const std::uint8_t* p) {
    return static_cast<std::int8_t>(p[0]);
}
inline std::uint32_t loadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t loadI32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(loadU32(p));
}
inline std::uint64_t loadU64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(loadU32(p)) |
           (static_cast<std::uint64_t>(loadU32(p + 4)) << 32);
}
inline float loadF32(const std::uint8_t* p) {
    return std::bit_cast<float>(loadU32(p));
}
inline double loadF64(const std::uint8_t* p) {
    return std::bit_cast<double>(loadU64(p));
}

inline void storeU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void storeU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void storeU64(std::uint8_t* p, std::uint64_t v) {
    storeU32(p, static_cast<std::uint32_t>(v));
    storeU32(p + 4, static_cast<std::uint32_t>(v >> 32));
}
inline void storeF32(std::uint8_t* p, float v) {
    storeU32(p, std::bit_cast<std::uint32_t>(v));
}
inline void storeF64(std::uint8_t* p, double v) {
    storeU64(p, std::bit_cast<std::uint64_t>(v));
}

// Copies bytes unchanged (readings that the library carries bit for bit).
inline void copyBytes(std::uint8_t* dst, const std::uint8_t* src, std::size_t n) {
    std::memcpy(dst, src, n);
}

} // namespace xelo
