// ECO result areas: 1, 2 or 3 channels (FormatCode 7, 8, 9). Readings and
// median readings are 16-bit, deviations 8-bit, both two's complement.
#pragma once

#include "layouts/channel_sample.h"

#include <cstddef>

namespace xelo {

template <std::size_t N> using ECOSample = ChannelSample<N, std::int16_t, std::int8_t>;
template <std::size_t N> using ECOResult = ChannelResult<ECOSample<N>>;
template <std::size_t N> inline constexpr ResultLayout kECOLayout = kChannelLayout<ECOSample<N>>;

static_assert(sizeof(ECOSample<1>) == 18 && kECOLayout<1>.stride == 18);
static_assert(offsetof(ECOSample<1>, channel) == 9);
static_assert(offsetof(ECOSample<1>, channelSd) == 11);
static_assert(offsetof(ECOSample<1>, medianPressure) == 12);
static_assert(offsetof(ECOSample<1>, medianChannel) == 16);
static_assert(sizeof(ECOResult<1>) == 115212 && kECOLayout<1>.size() == 115212);
static_assert(offsetof(ECOResult<1>, parkCount) == 45002 && kECOLayout<1>.countOffset(1) == 45002);
static_assert(offsetof(ECOResult<1>, deepProfileCount) == 54004 &&
              kECOLayout<1>.countOffset(2) == 54004);
static_assert(offsetof(ECOResult<1>, shortParkCount) == 63006 &&
              kECOLayout<1>.countOffset(3) == 63006);
static_assert(offsetof(ECOResult<1>, ascentCount) == 64808 &&
              kECOLayout<1>.countOffset(4) == 64808);
static_assert(offsetof(ECOResult<1>, surfaceCount) == 109810 &&
              kECOLayout<1>.countOffset(5) == 109810);
static_assert(channelShapeHolds<ECOSample<1>, ECOResult<1>>());

static_assert(sizeof(ECOSample<2>) == 23 && kECOLayout<2>.stride == 23);
static_assert(offsetof(ECOSample<2>, channel) == 9);
static_assert(offsetof(ECOSample<2>, channelSd) == 13);
static_assert(offsetof(ECOSample<2>, medianPressure) == 15);
static_assert(offsetof(ECOSample<2>, medianChannel) == 19);
static_assert(sizeof(ECOResult<2>) == 147212 && kECOLayout<2>.size() == 147212);
static_assert(offsetof(ECOResult<2>, parkCount) == 57502 && kECOLayout<2>.countOffset(1) == 57502);
static_assert(offsetof(ECOResult<2>, deepProfileCount) == 69004 &&
              kECOLayout<2>.countOffset(2) == 69004);
static_assert(offsetof(ECOResult<2>, shortParkCount) == 80506 &&
              kECOLayout<2>.countOffset(3) == 80506);
static_assert(offsetof(ECOResult<2>, ascentCount) == 82808 &&
              kECOLayout<2>.countOffset(4) == 82808);
static_assert(offsetof(ECOResult<2>, surfaceCount) == 140310 &&
              kECOLayout<2>.countOffset(5) == 140310);
static_assert(channelShapeHolds<ECOSample<2>, ECOResult<2>>());

static_assert(sizeof(ECOSample<3>) == 28 && kECOLayout<3>.stride == 28);
static_assert(offsetof(ECOSample<3>, channel) == 9);
static_assert(offsetof(ECOSample<3>, channelSd) == 15);
static_assert(offsetof(ECOSample<3>, medianPressure) == 18);
static_assert(offsetof(ECOSample<3>, medianChannel) == 22);
static_assert(sizeof(ECOResult<3>) == 179212 && kECOLayout<3>.size() == 179212);
static_assert(offsetof(ECOResult<3>, parkCount) == 70002 && kECOLayout<3>.countOffset(1) == 70002);
static_assert(offsetof(ECOResult<3>, deepProfileCount) == 84004 &&
              kECOLayout<3>.countOffset(2) == 84004);
static_assert(offsetof(ECOResult<3>, shortParkCount) == 98006 &&
              kECOLayout<3>.countOffset(3) == 98006);
static_assert(offsetof(ECOResult<3>, ascentCount) == 100808 &&
              kECOLayout<3>.countOffset(4) == 100808);
static_assert(offsetof(ECOResult<3>, surfaceCount) == 170810 &&
              kECOLayout<3>.countOffset(5) == 170810);
static_assert(channelShapeHolds<ECOSample<3>, ECOResult<3>>());

} // namespace xelo
