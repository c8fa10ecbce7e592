// RAMSES radiometer result area, as the CSV writer reads it. The library
// has no RAMSES decoder; a library that has one fills this layout.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

inline constexpr std::uint32_t kRAMSESListCapacity = 245;

#pragma pack(push, 1)
struct RAMSESSample {
    std::uint8_t kind; // 1 RW, 6 DW
    std::uint32_t time;
    float float1;
    std::uint16_t word1;
    float float2;
    float float3;
    float float4;
    float float5;
    std::uint16_t word2;
    std::uint8_t listCount; // list values in use, at most 245
    std::uint16_t listValues[kRAMSESListCapacity];
};
// Park, DeepProfile and ShortPark share 620 slots; this split and the
// Ascent and Surface capacities are the layout's own choice, within the
// program's DecodeBuffer.
struct RAMSESResult {
    std::uint16_t descentCount;
    RAMSESSample descent[500];
    std::uint16_t parkCount;
    RAMSESSample park[500];
    std::uint16_t deepProfileCount;
    RAMSESSample deepProfile[100];
    std::uint16_t shortParkCount;
    RAMSESSample shortPark[20];
    std::uint16_t ascentCount;
    RAMSESSample ascent[2500];
    std::uint16_t surfaceCount;
    RAMSESSample surface[300];
};
#pragma pack(pop)

inline constexpr ResultLayout kRAMSESLayout{sizeof(RAMSESSample), {500, 500, 100, 20, 2500, 300}};

static_assert(sizeof(RAMSESSample) == 520);
static_assert(offsetof(RAMSESSample, time) == 1);
static_assert(offsetof(RAMSESSample, float1) == 5);
static_assert(offsetof(RAMSESSample, word1) == 9);
static_assert(offsetof(RAMSESSample, float2) == 11);
static_assert(offsetof(RAMSESSample, float3) == 15);
static_assert(offsetof(RAMSESSample, float4) == 19);
static_assert(offsetof(RAMSESSample, float5) == 23);
static_assert(offsetof(RAMSESSample, word2) == 27);
static_assert(offsetof(RAMSESSample, listCount) == 29);
static_assert(offsetof(RAMSESSample, listValues) == 30 && sizeof(RAMSESSample::listValues) == 490);

static_assert(offsetof(RAMSESResult, descentCount) == 0 && kRAMSESLayout.countOffset(0) == 0);
static_assert(offsetof(RAMSESResult, descent) == 2 && sizeof(RAMSESResult::descent) == 260000);
static_assert(offsetof(RAMSESResult, parkCount) == 260002 &&
              kRAMSESLayout.countOffset(1) == 260002);
static_assert(offsetof(RAMSESResult, park) == 260004 && kRAMSESLayout.arrayOffset(1) == 260004);
// Park, DeepProfile and ShortPark: two counts and 620 shared slots.
static_assert(offsetof(RAMSESResult, ascentCount) - offsetof(RAMSESResult, park) == 322404);
static_assert(sizeof(RAMSESResult::park) + sizeof(RAMSESResult::deepProfile) +
                  sizeof(RAMSESResult::shortPark) ==
              620 * 520);
static_assert(offsetof(RAMSESResult, deepProfileCount) == kRAMSESLayout.countOffset(2));
static_assert(offsetof(RAMSESResult, shortParkCount) == kRAMSESLayout.countOffset(3));
static_assert(offsetof(RAMSESResult, ascentCount) == 582408 &&
              kRAMSESLayout.countOffset(4) == 582408);
static_assert(offsetof(RAMSESResult, ascent) == 582410 && kRAMSESLayout.arrayOffset(4) == 582410);
static_assert(offsetof(RAMSESResult, surfaceCount) == kRAMSESLayout.countOffset(5));
static_assert(sizeof(RAMSESResult) == kRAMSESLayout.size());
static_assert(kRAMSESLayout.size() <= kDecodeBufferSize);

} // namespace xelo
