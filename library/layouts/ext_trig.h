// External-trigger result area (one sample per trigger event), shared by the
// decoder and the CSV writer. Surface has a count and no slots.
#pragma once

#include "layouts/result_layout.h"

#include <cstddef>
#include <cstdint>

namespace xelo {

#pragma pack(push, 1)
struct ExtTrigSample {
    std::uint8_t kind; // always 1 (RW)
    std::uint32_t time;
    float pressure;
};
struct ExtTrigResult {
    std::uint16_t descentCount;
    ExtTrigSample descent[5000];
    std::uint16_t parkCount;
    ExtTrigSample park[1000];
    std::uint16_t deepProfileCount;
    ExtTrigSample deepProfile[5000];
    std::uint16_t shortParkCount;
    ExtTrigSample shortPark[100];
    std::uint16_t ascentCount;
    ExtTrigSample ascent[5000];
    std::uint16_t surfaceCount; // always 0: no Surface slots
};
#pragma pack(pop)

inline constexpr ResultLayout kExtTrigLayout{sizeof(ExtTrigSample),
                                             {5000, 1000, 5000, 100, 5000, 0}};

static_assert(sizeof(ExtTrigSample) == 9 && kExtTrigLayout.stride == 9);
static_assert(offsetof(ExtTrigSample, time) == 1);
static_assert(offsetof(ExtTrigSample, pressure) == 5);

static_assert(sizeof(ExtTrigResult) == 144912 && kExtTrigLayout.size() == 144912);
static_assert(offsetof(ExtTrigResult, descent) == 2 && sizeof(ExtTrigResult::descent) == 45000);
static_assert(offsetof(ExtTrigResult, parkCount) == 45002 &&
              kExtTrigLayout.countOffset(1) == 45002);
static_assert(offsetof(ExtTrigResult, park) == 45004 && sizeof(ExtTrigResult::park) == 9000);
static_assert(offsetof(ExtTrigResult, deepProfileCount) == 54004 &&
              kExtTrigLayout.countOffset(2) == 54004);
static_assert(offsetof(ExtTrigResult, deepProfile) == 54006 &&
              sizeof(ExtTrigResult::deepProfile) == 45000);
static_assert(offsetof(ExtTrigResult, shortParkCount) == 99006 &&
              kExtTrigLayout.countOffset(3) == 99006);
static_assert(offsetof(ExtTrigResult, shortPark) == 99008 &&
              sizeof(ExtTrigResult::shortPark) == 900);
static_assert(offsetof(ExtTrigResult, ascentCount) == 99908 &&
              kExtTrigLayout.countOffset(4) == 99908);
static_assert(offsetof(ExtTrigResult, ascent) == 99910 && sizeof(ExtTrigResult::ascent) == 45000);
static_assert(offsetof(ExtTrigResult, surfaceCount) == 144910 &&
              kExtTrigLayout.countOffset(5) == 144910 && kExtTrigLayout.arrayOffset(5) == 144912);
static_assert(kExtTrigLayout.size() <= kDecodeBufferSize);

} // namespace xelo
