// UVP6 LPM particle-counter result area, shared by the decoder and the CSV
// writer. Surface has a count and no slots.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

inline constexpr std::size_t kUVP6LpmClasses = 18;

#pragma pack(push, 1)
struct UVP6LpmSample {
    std::uint8_t kind;
    std::uint32_t time;
    std::uint16_t headValue; // 0 for profile RW and DW records, which carry none
    float pressure;
    float temperature;
    float floatValues[kUVP6LpmClasses];       // carried bit for bit
    std::uint8_t byteValues[kUVP6LpmClasses]; // carried unchanged
};
struct UVP6LpmResult {
    std::uint16_t descentCount;
    UVP6LpmSample descent[1500];
    std::uint16_t parkCount;
    UVP6LpmSample park[500];
    std::uint16_t deepProfileCount;
    UVP6LpmSample deepProfile[1500];
    std::uint16_t shortParkCount;
    UVP6LpmSample shortPark[20];
    std::uint16_t ascentCount;
    UVP6LpmSample ascent[1500];
    std::uint16_t surfaceCount; // always 0: no Surface slots
};
#pragma pack(pop)

inline constexpr ResultLayout kUVP6LpmLayout{sizeof(UVP6LpmSample), {1500, 500, 1500, 20, 1500, 0}};

static_assert(sizeof(UVP6LpmSample) == 105 && kUVP6LpmLayout.stride == 105);
static_assert(offsetof(UVP6LpmSample, time) == 1);
static_assert(offsetof(UVP6LpmSample, headValue) == 5);
static_assert(offsetof(UVP6LpmSample, pressure) == 7);
static_assert(offsetof(UVP6LpmSample, temperature) == 11);
static_assert(offsetof(UVP6LpmSample, floatValues) == 15 &&
              sizeof(UVP6LpmSample::floatValues) == 72);
static_assert(offsetof(UVP6LpmSample, byteValues) == 87 && sizeof(UVP6LpmSample::byteValues) == 18);

static_assert(sizeof(UVP6LpmResult) == 527112 && kUVP6LpmLayout.size() == 527112);
static_assert(offsetof(UVP6LpmResult, descent) == 2 && sizeof(UVP6LpmResult::descent) == 157500);
static_assert(offsetof(UVP6LpmResult, parkCount) == 157502 &&
              kUVP6LpmLayout.countOffset(1) == 157502);
static_assert(offsetof(UVP6LpmResult, park) == 157504 && sizeof(UVP6LpmResult::park) == 52500);
static_assert(offsetof(UVP6LpmResult, deepProfileCount) == 210004 &&
              kUVP6LpmLayout.countOffset(2) == 210004);
static_assert(offsetof(UVP6LpmResult, deepProfile) == 210006 &&
              sizeof(UVP6LpmResult::deepProfile) == 157500);
static_assert(offsetof(UVP6LpmResult, shortParkCount) == 367506 &&
              kUVP6LpmLayout.countOffset(3) == 367506);
static_assert(offsetof(UVP6LpmResult, shortPark) == 367508 &&
              sizeof(UVP6LpmResult::shortPark) == 2100);
static_assert(offsetof(UVP6LpmResult, ascentCount) == 369608 &&
              kUVP6LpmLayout.countOffset(4) == 369608);
static_assert(offsetof(UVP6LpmResult, ascent) == 369610 && sizeof(UVP6LpmResult::ascent) == 157500);
static_assert(offsetof(UVP6LpmResult, surfaceCount) == 527110 &&
              kUVP6LpmLayout.countOffset(5) == 527110 && kUVP6LpmLayout.arrayOffset(5) == 527112);
static_assert(kUVP6LpmLayout.size() <= kDecodeBufferSize);

} // namespace xelo
