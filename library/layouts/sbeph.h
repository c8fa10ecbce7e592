// pH sensor result area, shared by the decoder and the CSV writer. The
// surface section is a count without slots: it stays 0 and the area ends
// right after it.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

#pragma pack(push, 1)
struct SBEPHSample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    double reading;
    double readingSd;     // kinds 3, 5
    float medianPressure; // kinds 4, 5
    double medianReading; // kinds 4, 5
};
struct SBEPHResult {
    std::uint16_t descentCount;
    SBEPHSample descent[2500];
    std::uint16_t parkCount;
    SBEPHSample park[500];
    std::uint16_t deepProfileCount;
    SBEPHSample deepProfile[500];
    std::uint16_t shortParkCount;
    SBEPHSample shortPark[100];
    std::uint16_t ascentCount;
    SBEPHSample ascent[2500];
    std::uint16_t surfaceCount;
};
#pragma pack(pop)

inline constexpr ResultLayout kSBEPHLayout{sizeof(SBEPHSample), {2500, 500, 500, 100, 2500, 0}};

static_assert(sizeof(SBEPHSample) == 37);
static_assert(offsetof(SBEPHSample, time) == 1);
static_assert(offsetof(SBEPHSample, pressure) == 5);
static_assert(offsetof(SBEPHSample, reading) == 9);
static_assert(offsetof(SBEPHSample, readingSd) == 17);
static_assert(offsetof(SBEPHSample, medianPressure) == 25);
static_assert(offsetof(SBEPHSample, medianReading) == 29);

static_assert(sizeof(SBEPHResult) == 225712 && kSBEPHLayout.size() == 225712);
static_assert(offsetof(SBEPHResult, descent) == 2 && sizeof(SBEPHResult::descent) == 2500 * 37);
static_assert(offsetof(SBEPHResult, parkCount) == 92502 && kSBEPHLayout.countOffset(1) == 92502);
static_assert(offsetof(SBEPHResult, park) == 92504 && sizeof(SBEPHResult::park) == 500 * 37);
static_assert(offsetof(SBEPHResult, deepProfileCount) == 111004 &&
              kSBEPHLayout.countOffset(2) == 111004);
static_assert(offsetof(SBEPHResult, deepProfile) == 111006 &&
              sizeof(SBEPHResult::deepProfile) == 500 * 37);
static_assert(offsetof(SBEPHResult, shortParkCount) == 129506 &&
              kSBEPHLayout.countOffset(3) == 129506);
static_assert(offsetof(SBEPHResult, shortPark) == 129508 &&
              sizeof(SBEPHResult::shortPark) == 100 * 37);
static_assert(offsetof(SBEPHResult, ascentCount) == 133208 &&
              kSBEPHLayout.countOffset(4) == 133208);
static_assert(offsetof(SBEPHResult, ascent) == 133210 && sizeof(SBEPHResult::ascent) == 2500 * 37);
static_assert(offsetof(SBEPHResult, surfaceCount) == 225710 &&
              kSBEPHLayout.countOffset(5) == 225710);
static_assert(kSBEPHLayout.capacity[5] == 0 && kSBEPHLayout.arrayOffset(5) == 225712);
static_assert(kSBEPHLayout.size() <= kDecodeBufferSize);

} // namespace xelo
