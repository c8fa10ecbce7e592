// Dissolved-oxygen result area, shared by the decoder and the CSV writer.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

#pragma pack(push, 1)
struct DOSample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    float reading1; // carried bit for bit
    float reading2; // carried bit for bit
    float temperature;
    float reading1Sd;        // kinds 3, 5
    float reading2Sd;        // kinds 3, 5
    float temperatureSd;     // kinds 3, 5
    float medianPressure;    // kinds 4, 5
    float medianReading1;    // kinds 4, 5
    float medianReading2;    // kinds 4, 5
    float medianTemperature; // kinds 4, 5
};
struct DOResult {
    std::uint16_t descentCount;
    DOSample descent[4500];
    std::uint16_t parkCount;
    DOSample park[500];
    std::uint16_t deepProfileCount;
    DOSample deepProfile[1500];
    std::uint16_t shortParkCount;
    DOSample shortPark[100];
    std::uint16_t ascentCount;
    DOSample ascent[4500];
    std::uint16_t surfaceCount;
    DOSample surface[300];
};
#pragma pack(pop)

inline constexpr ResultLayout kDOLayout{sizeof(DOSample), {4500, 500, 1500, 100, 4500, 300}};

static_assert(sizeof(DOSample) == 49);
static_assert(offsetof(DOSample, time) == 1);
static_assert(offsetof(DOSample, pressure) == 5);
static_assert(offsetof(DOSample, reading1) == 9);
static_assert(offsetof(DOSample, reading2) == 13);
static_assert(offsetof(DOSample, temperature) == 17);
static_assert(offsetof(DOSample, reading1Sd) == 21);
static_assert(offsetof(DOSample, reading2Sd) == 25);
static_assert(offsetof(DOSample, temperatureSd) == 29);
static_assert(offsetof(DOSample, medianPressure) == 33);
static_assert(offsetof(DOSample, medianReading1) == 37);
static_assert(offsetof(DOSample, medianReading2) == 41);
static_assert(offsetof(DOSample, medianTemperature) == 45);

static_assert(sizeof(DOResult) == 558612 && kDOLayout.size() == 558612);
static_assert(offsetof(DOResult, descent) == 2 && sizeof(DOResult::descent) == 4500 * 49);
static_assert(offsetof(DOResult, parkCount) == 220502 && kDOLayout.countOffset(1) == 220502);
static_assert(offsetof(DOResult, park) == 220504 && sizeof(DOResult::park) == 500 * 49);
static_assert(offsetof(DOResult, deepProfileCount) == 245004 && kDOLayout.countOffset(2) == 245004);
static_assert(offsetof(DOResult, deepProfile) == 245006 &&
              sizeof(DOResult::deepProfile) == 1500 * 49);
static_assert(offsetof(DOResult, shortParkCount) == 318506 && kDOLayout.countOffset(3) == 318506);
static_assert(offsetof(DOResult, shortPark) == 318508 && sizeof(DOResult::shortPark) == 100 * 49);
static_assert(offsetof(DOResult, ascentCount) == 323408 && kDOLayout.countOffset(4) == 323408);
static_assert(offsetof(DOResult, ascent) == 323410 && sizeof(DOResult::ascent) == 4500 * 49);
static_assert(offsetof(DOResult, surfaceCount) == 543910 && kDOLayout.countOffset(5) == 543910);
static_assert(offsetof(DOResult, surface) == 543912 && sizeof(DOResult::surface) == 300 * 49);
static_assert(kDOLayout.size() <= kDecodeBufferSize);

} // namespace xelo
