// ECOv2 result areas: 1 to 4 channels (FormatCode 18 to 21). Readings and
// median readings are 32-bit, deviations 16-bit; the library gives them no
// sign, the report prints them signed.
#pragma once

#include "layouts/channel_sample.h"

#include <cstddef>

namespace xelo {

template <std::size_t N> using ECOv2Sample = ChannelSample<N, std::int32_t, std::int16_t>;
template <std::size_t N> using ECOv2Result = ChannelResult<ECOv2Sample<N>>;
template <std::size_t N>
inline constexpr ResultLayout kECOv2Layout = kChannelLayout<ECOv2Sample<N>>;

static_assert(sizeof(ECOv2Sample<1>) == 23 && kECOv2Layout<1>.stride == 23);
static_assert(offsetof(ECOv2Sample<1>, channel) == 9);
static_assert(offsetof(ECOv2Sample<1>, channelSd) == 13);
static_assert(offsetof(ECOv2Sample<1>, medianPressure) == 15);
static_assert(offsetof(ECOv2Sample<1>, medianChannel) == 19);
static_assert(sizeof(ECOv2Result<1>) == 147212 && kECOv2Layout<1>.size() == 147212);
static_assert(offsetof(ECOv2Result<1>, parkCount) == 57502 &&
              kECOv2Layout<1>.countOffset(1) == 57502);
static_assert(offsetof(ECOv2Result<1>, deepProfileCount) == 69004 &&
              kECOv2Layout<1>.countOffset(2) == 69004);
static_assert(offsetof(ECOv2Result<1>, shortParkCount) == 80506 &&
              kECOv2Layout<1>.countOffset(3) == 80506);
static_assert(offsetof(ECOv2Result<1>, ascentCount) == 82808 &&
              kECOv2Layout<1>.countOffset(4) == 82808);
static_assert(offsetof(ECOv2Result<1>, surfaceCount) == 140310 &&
              kECOv2Layout<1>.countOffset(5) == 140310);
static_assert(channelShapeHolds<ECOv2Sample<1>, ECOv2Result<1>>());

static_assert(sizeof(ECOv2Sample<2>) == 33 && kECOv2Layout<2>.stride == 33);
static_assert(offsetof(ECOv2Sample<2>, channel) == 9);
static_assert(offsetof(ECOv2Sample<2>, channelSd) == 17);
static_assert(offsetof(ECOv2Sample<2>, medianPressure) == 21);
static_assert(offsetof(ECOv2Sample<2>, medianChannel) == 25);
static_assert(sizeof(ECOv2Result<2>) == 211212 && kECOv2Layout<2>.size() == 211212);
static_assert(offsetof(ECOv2Result<2>, parkCount) == 82502 &&
              kECOv2Layout<2>.countOffset(1) == 82502);
static_assert(offsetof(ECOv2Result<2>, deepProfileCount) == 99004 &&
              kECOv2Layout<2>.countOffset(2) == 99004);
static_assert(offsetof(ECOv2Result<2>, shortParkCount) == 115506 &&
              kECOv2Layout<2>.countOffset(3) == 115506);
static_assert(offsetof(ECOv2Result<2>, ascentCount) == 118808 &&
              kECOv2Layout<2>.countOffset(4) == 118808);
static_assert(offsetof(ECOv2Result<2>, surfaceCount) == 201310 &&
              kECOv2Layout<2>.countOffset(5) == 201310);
static_assert(channelShapeHolds<ECOv2Sample<2>, ECOv2Result<2>>());

static_assert(sizeof(ECOv2Sample<3>) == 43 && kECOv2Layout<3>.stride == 43);
static_assert(offsetof(ECOv2Sample<3>, channel) == 9);
static_assert(offsetof(ECOv2Sample<3>, channelSd) == 21);
static_assert(offsetof(ECOv2Sample<3>, medianPressure) == 27);
static_assert(offsetof(ECOv2Sample<3>, medianChannel) == 31);
static_assert(sizeof(ECOv2Result<3>) == 275212 && kECOv2Layout<3>.size() == 275212);
static_assert(offsetof(ECOv2Result<3>, parkCount) == 107502 &&
              kECOv2Layout<3>.countOffset(1) == 107502);
static_assert(offsetof(ECOv2Result<3>, deepProfileCount) == 129004 &&
              kECOv2Layout<3>.countOffset(2) == 129004);
static_assert(offsetof(ECOv2Result<3>, shortParkCount) == 150506 &&
              kECOv2Layout<3>.countOffset(3) == 150506);
static_assert(offsetof(ECOv2Result<3>, ascentCount) == 154808 &&
              kECOv2Layout<3>.countOffset(4) == 154808);
static_assert(offsetof(ECOv2Result<3>, surfaceCount) == 262310 &&
              kECOv2Layout<3>.countOffset(5) == 262310);
static_assert(channelShapeHolds<ECOv2Sample<3>, ECOv2Result<3>>());

static_assert(sizeof(ECOv2Sample<4>) == 53 && kECOv2Layout<4>.stride == 53);
static_assert(offsetof(ECOv2Sample<4>, channel) == 9);
static_assert(offsetof(ECOv2Sample<4>, channelSd) == 25);
static_assert(offsetof(ECOv2Sample<4>, medianPressure) == 33);
static_assert(offsetof(ECOv2Sample<4>, medianChannel) == 37);
static_assert(sizeof(ECOv2Result<4>) == 339212 && kECOv2Layout<4>.size() == 339212);
static_assert(offsetof(ECOv2Result<4>, parkCount) == 132502 &&
              kECOv2Layout<4>.countOffset(1) == 132502);
static_assert(offsetof(ECOv2Result<4>, deepProfileCount) == 159004 &&
              kECOv2Layout<4>.countOffset(2) == 159004);
static_assert(offsetof(ECOv2Result<4>, shortParkCount) == 185506 &&
              kECOv2Layout<4>.countOffset(3) == 185506);
static_assert(offsetof(ECOv2Result<4>, ascentCount) == 190808 &&
              kECOv2Layout<4>.countOffset(4) == 190808);
static_assert(offsetof(ECOv2Result<4>, surfaceCount) == 323310 &&
              kECOv2Layout<4>.countOffset(5) == 323310);
static_assert(channelShapeHolds<ECOv2Sample<4>, ECOv2Result<4>>());

} // namespace xelo
