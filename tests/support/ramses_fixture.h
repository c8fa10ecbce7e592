// Data files of the test library's RAMSES fixture format: 'R', then per
// record the phase, the first 30 bytes of a RAMSES sample and its list.
#pragma once

#include "support/bytes_builder.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace xelo::test {

struct RamsesRecord {
    std::uint8_t phase;
    std::uint8_t kind;
    std::uint32_t time;
    float float1, float2, float3, float4, float5;
    std::uint16_t word1, word2;
    std::uint8_t listCount;
    std::vector<std::uint16_t> values; // as many as the file carries
};

inline std::vector<std::uint8_t> ramsesFixture(const std::vector<RamsesRecord>& records) {
    Bytes bytes('R');
    auto f32 = [&](float v) { bytes.u32(std::bit_cast<std::uint32_t>(v)); };
    for (const RamsesRecord& r : records) {
        bytes.u8(r.phase).u8(r.kind).u32(r.time);
        f32(r.float1);
        bytes.u16(r.word1);
        f32(r.float2);
        f32(r.float3);
        f32(r.float4);
        f32(r.float5);
        bytes.u16(r.word2).u8(r.listCount);
        for (std::uint16_t v : r.values)
            bytes.u16(v);
    }
    return bytes.vec();
}

} // namespace xelo::test
