// The byte layout that every result area shares: six phase sections in
// CyclePhase order, each a u16 count followed at once by capacity x stride
// bytes of packed samples. A capacity of 0 leaves a count without an array.
#pragma once

#include <array>
#include <cstdint>

namespace xelo {

struct ResultLayout {
    std::uint32_t stride;                  // bytes of one sample
    std::array<std::uint32_t, 6> capacity; // slots per section, CyclePhase order

    constexpr std::uint32_t countOffset(int phase) const {
        std::uint32_t offset = 0;
        for (int p = 0; p < phase; ++p)
            offset += 2 + capacity[p] * stride;
        return offset;
    }
    constexpr std::uint32_t arrayOffset(int phase) const { return countOffset(phase) + 2; }
    constexpr std::uint32_t sampleOffset(int phase, std::uint32_t index) const {
        return arrayOffset(phase) + index * stride;
    }
    constexpr std::uint32_t size() const { return countOffset(6); }
};

// Every result area fits in the application's DecodeBuffer.
inline constexpr std::uint32_t kDecodeBufferSize = 2097152;

} // namespace xelo
