// CROVER transmissometer result area, shared by the decoder and the CSV
// writer. The surface section is a count without slots: it stays 0 and the
// area ends right after it.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

#pragma pack(push, 1)
struct CROVERSample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    std::uint16_t reading;       // carried bit for bit, printed as signed
    std::uint16_t readingSd;     // kinds 3, 5; carried bit for bit
    float medianPressure;        // kinds 4, 5
    std::uint16_t medianReading; // kinds 4, 5; carried bit for bit
};
struct CROVERResult {
    std::uint16_t descentCount;
    CROVERSample descent[2500];
    std::uint16_t parkCount;
    CROVERSample park[500];
    std::uint16_t deepProfileCount;
    CROVERSample deepProfile[500];
    std::uint16_t shortParkCount;
    CROVERSample shortPark[100];
    std::uint16_t ascentCount;
    CROVERSample ascent[2500];
    std::uint16_t surfaceCount;
};
#pragma pack(pop)

inline constexpr ResultLayout kCROVERLayout{sizeof(CROVERSample), {2500, 500, 500, 100, 2500, 0}};

static_assert(sizeof(CROVERSample) == 19);
static_assert(offsetof(CROVERSample, time) == 1);
static_assert(offsetof(CROVERSample, pressure) == 5);
static_assert(offsetof(CROVERSample, reading) == 9);
static_assert(offsetof(CROVERSample, readingSd) == 11);
static_assert(offsetof(CROVERSample, medianPressure) == 13);
static_assert(offsetof(CROVERSample, medianReading) == 17);

static_assert(sizeof(CROVERResult) == 115912 && kCROVERLayout.size() == 115912);
static_assert(offsetof(CROVERResult, descent) == 2 && sizeof(CROVERResult::descent) == 2500 * 19);
static_assert(offsetof(CROVERResult, parkCount) == 47502 && kCROVERLayout.countOffset(1) == 47502);
static_assert(offsetof(CROVERResult, park) == 47504 && sizeof(CROVERResult::park) == 500 * 19);
static_assert(offsetof(CROVERResult, deepProfileCount) == 57004 &&
              kCROVERLayout.countOffset(2) == 57004);
static_assert(offsetof(CROVERResult, deepProfile) == 57006 &&
              sizeof(CROVERResult::deepProfile) == 500 * 19);
static_assert(offsetof(CROVERResult, shortParkCount) == 66506 &&
              kCROVERLayout.countOffset(3) == 66506);
static_assert(offsetof(CROVERResult, shortPark) == 66508 &&
              sizeof(CROVERResult::shortPark) == 100 * 19);
static_assert(offsetof(CROVERResult, ascentCount) == 68408 &&
              kCROVERLayout.countOffset(4) == 68408);
static_assert(offsetof(CROVERResult, ascent) == 68410 && sizeof(CROVERResult::ascent) == 2500 * 19);
static_assert(offsetof(CROVERResult, surfaceCount) == 115910 &&
              kCROVERLayout.countOffset(5) == 115910);
static_assert(kCROVERLayout.capacity[5] == 0 && kCROVERLayout.arrayOffset(5) == 115912);
static_assert(kCROVERLayout.size() <= kDecodeBufferSize);

} // namespace xelo
