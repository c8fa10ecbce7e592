// UVP6 BLK particle-counter result area, shared by the decoder and the CSV
// writer. Surface has a count and no slots.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

inline constexpr std::size_t kUVP6BlkWords = 5;

#pragma pack(push, 1)
struct UVP6BlkSample {
    std::uint8_t kind; // always 1 (RW)
    std::uint32_t time;
    float pressure;
    float temperature;
    std::uint16_t wordValues[kUVP6BlkWords]; // carried unchanged
};
struct UVP6BlkResult {
    std::uint16_t descentCount;
    UVP6BlkSample descent[1000];
    std::uint16_t parkCount;
    UVP6BlkSample park[500];
    std::uint16_t deepProfileCount;
    UVP6BlkSample deepProfile[1000];
    std::uint16_t shortParkCount;
    UVP6BlkSample shortPark[50];
    std::uint16_t ascentCount;
    UVP6BlkSample ascent[1000];
    std::uint16_t surfaceCount; // always 0: no Surface slots
};
#pragma pack(pop)

inline constexpr ResultLayout kUVP6BlkLayout{sizeof(UVP6BlkSample), {1000, 500, 1000, 50, 1000, 0}};

static_assert(sizeof(UVP6BlkSample) == 23 && kUVP6BlkLayout.stride == 23);
static_assert(offsetof(UVP6BlkSample, time) == 1);
static_assert(offsetof(UVP6BlkSample, pressure) == 5);
static_assert(offsetof(UVP6BlkSample, temperature) == 9);
static_assert(offsetof(UVP6BlkSample, wordValues) == 13 && sizeof(UVP6BlkSample::wordValues) == 10);

static_assert(sizeof(UVP6BlkResult) == 81662 && kUVP6BlkLayout.size() == 81662);
static_assert(offsetof(UVP6BlkResult, descent) == 2 && sizeof(UVP6BlkResult::descent) == 23000);
static_assert(offsetof(UVP6BlkResult, parkCount) == 23002 &&
              kUVP6BlkLayout.countOffset(1) == 23002);
static_assert(offsetof(UVP6BlkResult, park) == 23004 && sizeof(UVP6BlkResult::park) == 11500);
static_assert(offsetof(UVP6BlkResult, deepProfileCount) == 34504 &&
              kUVP6BlkLayout.countOffset(2) == 34504);
static_assert(offsetof(UVP6BlkResult, deepProfile) == 34506 &&
              sizeof(UVP6BlkResult::deepProfile) == 23000);
static_assert(offsetof(UVP6BlkResult, shortParkCount) == 57506 &&
              kUVP6BlkLayout.countOffset(3) == 57506);
static_assert(offsetof(UVP6BlkResult, shortPark) == 57508 &&
              sizeof(UVP6BlkResult::shortPark) == 1150);
static_assert(offsetof(UVP6BlkResult, ascentCount) == 58658 &&
              kUVP6BlkLayout.countOffset(4) == 58658);
static_assert(offsetof(UVP6BlkResult, ascent) == 58660 && sizeof(UVP6BlkResult::ascent) == 23000);
static_assert(offsetof(UVP6BlkResult, surfaceCount) == 81660 &&
              kUVP6BlkLayout.countOffset(5) == 81660 && kUVP6BlkLayout.arrayOffset(5) == 81662);
static_assert(kUVP6BlkLayout.size() <= kDecodeBufferSize);

} // namespace xelo
