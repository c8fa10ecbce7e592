// SBE41 CTD result area, shared by the decoder and the CSV writer.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

#pragma pack(push, 1)
struct SBE41Sample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    float temperature;
    float salinity;
    float temperatureSd;     // kinds 3, 5
    float salinitySd;        // kinds 3, 5
    float medianPressure;    // kinds 4, 5
    float medianTemperature; // kinds 4, 5
    float medianSalinity;    // kinds 4, 5
};
struct SBE41Result {
    std::uint16_t descentCount;
    SBE41Sample descent[4500];
    std::uint16_t parkCount;
    SBE41Sample park[500];
    std::uint16_t deepProfileCount;
    SBE41Sample deepProfile[1500];
    std::uint16_t shortParkCount;
    SBE41Sample shortPark[100];
    std::uint16_t ascentCount;
    SBE41Sample ascent[4500];
    std::uint16_t surfaceCount;
    SBE41Sample surface[300];
};
#pragma pack(pop)

inline constexpr ResultLayout kSBE41Layout{sizeof(SBE41Sample), {4500, 500, 1500, 100, 4500, 300}};

static_assert(sizeof(SBE41Sample) == 37);
static_assert(offsetof(SBE41Sample, time) == 1);
static_assert(offsetof(SBE41Sample, pressure) == 5);
static_assert(offsetof(SBE41Sample, temperature) == 9);
static_assert(offsetof(SBE41Sample, salinity) == 13);
static_assert(offsetof(SBE41Sample, temperatureSd) == 17);
static_assert(offsetof(SBE41Sample, salinitySd) == 21);
static_assert(offsetof(SBE41Sample, medianPressure) == 25);
static_assert(offsetof(SBE41Sample, medianTemperature) == 29);
static_assert(offsetof(SBE41Sample, medianSalinity) == 33);

static_assert(sizeof(SBE41Result) == 421812 && kSBE41Layout.size() == 421812);
static_assert(offsetof(SBE41Result, descent) == 2 && sizeof(SBE41Result::descent) == 166500);
static_assert(offsetof(SBE41Result, parkCount) == 166502 && kSBE41Layout.countOffset(1) == 166502);
static_assert(offsetof(SBE41Result, park) == 166504 && sizeof(SBE41Result::park) == 18500);
static_assert(offsetof(SBE41Result, deepProfileCount) == 185004 &&
              kSBE41Layout.countOffset(2) == 185004);
static_assert(offsetof(SBE41Result, deepProfile) == 185006 &&
              sizeof(SBE41Result::deepProfile) == 55500);
static_assert(offsetof(SBE41Result, shortParkCount) == 240506 &&
              kSBE41Layout.countOffset(3) == 240506);
static_assert(offsetof(SBE41Result, shortPark) == 240508 && sizeof(SBE41Result::shortPark) == 3700);
static_assert(offsetof(SBE41Result, ascentCount) == 244208 &&
              kSBE41Layout.countOffset(4) == 244208);
static_assert(offsetof(SBE41Result, ascent) == 244210 && sizeof(SBE41Result::ascent) == 166500);
static_assert(offsetof(SBE41Result, surfaceCount) == 410710 &&
              kSBE41Layout.countOffset(5) == 410710);
static_assert(offsetof(SBE41Result, surface) == 410712 && sizeof(SBE41Result::surface) == 11100);
static_assert(kSBE41Layout.size() <= kDecodeBufferSize);

} // namespace xelo
