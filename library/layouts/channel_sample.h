// The sample shape of the multi-channel sensors (OCR radiometer, ECO, ECOv2):
// time, pressure and N channel readings, then an N-value deviation block and
// a median block of one pressure and N readings. The sensors differ in N and
// in the widths of the readings and deviations; all share the capacities.
#pragma once

#include "layouts/result_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace xelo {

#pragma pack(push, 1)
template <std::size_t N, class Reading, class Deviation> struct ChannelSample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    Reading channel[N];
    Deviation channelSd[N];   // kinds 3, 5
    float medianPressure;     // kinds 4, 5
    Reading medianChannel[N]; // kinds 4, 5
};

template <class Sample> struct ChannelResult {
    std::uint16_t descentCount;
    Sample descent[2500];
    std::uint16_t parkCount;
    Sample park[500];
    std::uint16_t deepProfileCount;
    Sample deepProfile[500];
    std::uint16_t shortParkCount;
    Sample shortPark[100];
    std::uint16_t ascentCount;
    Sample ascent[2500];
    std::uint16_t surfaceCount;
    Sample surface[300];
};
#pragma pack(pop)

inline constexpr std::array<std::uint32_t, 6> kChannelCapacities = {2500, 500, 500, 100, 2500, 300};

template <class Sample>
inline constexpr ResultLayout kChannelLayout{sizeof(Sample), kChannelCapacities};

// The shared head of every variant's sample, and the section arrays of its
// result, as the layout describes them.
template <class Sample, class Result> constexpr bool channelShapeHolds() {
    constexpr ResultLayout layout = kChannelLayout<Sample>;
    return offsetof(Sample, time) == 1 && offsetof(Sample, pressure) == 5 &&
           offsetof(Sample, channel) == 9 && sizeof(Result) == layout.size() &&
           offsetof(Result, descent) == layout.arrayOffset(0) &&
           std::extent_v<decltype(Result::descent)> == layout.capacity[0] &&
           offsetof(Result, park) == layout.arrayOffset(1) &&
           std::extent_v<decltype(Result::park)> == layout.capacity[1] &&
           offsetof(Result, deepProfile) == layout.arrayOffset(2) &&
           std::extent_v<decltype(Result::deepProfile)> == layout.capacity[2] &&
           offsetof(Result, shortPark) == layout.arrayOffset(3) &&
           std::extent_v<decltype(Result::shortPark)> == layout.capacity[3] &&
           offsetof(Result, ascent) == layout.arrayOffset(4) &&
           std::extent_v<decltype(Result::ascent)> == layout.capacity[4] &&
           offsetof(Result, surface) == layout.arrayOffset(5) &&
           std::extent_v<decltype(Result::surface)> == layout.capacity[5] &&
           layout.size() <= kDecodeBufferSize;
}

static_assert(kChannelCapacities[0] == 2500 && kChannelCapacities[1] == 500 &&
              kChannelCapacities[2] == 500 && kChannelCapacities[3] == 100 &&
              kChannelCapacities[4] == 2500 && kChannelCapacities[5] == 300);

} // namespace xelo
