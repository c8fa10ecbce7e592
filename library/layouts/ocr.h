// OCR radiometer result areas: 4, 7 or 14 channels (FormatCode 4, 5, 6), each
// reading and deviation an unsigned 32-bit count carried unchanged.
#pragma once

#include "layouts/channel_sample.h"

#include <cstddef>

namespace xelo {

template <std::size_t N> using OCRSample = ChannelSample<N, std::uint32_t, std::uint32_t>;
template <std::size_t N> using OCRResult = ChannelResult<OCRSample<N>>;
template <std::size_t N> inline constexpr ResultLayout kOCRLayout = kChannelLayout<OCRSample<N>>;

static_assert(sizeof(OCRSample<4>) == 61 && kOCRLayout<4>.stride == 61);
static_assert(offsetof(OCRSample<4>, channel) == 9);
static_assert(offsetof(OCRSample<4>, channelSd) == 25);
static_assert(offsetof(OCRSample<4>, medianPressure) == 41);
static_assert(offsetof(OCRSample<4>, medianChannel) == 45);
static_assert(sizeof(OCRResult<4>) == 390412 && kOCRLayout<4>.size() == 390412);
static_assert(offsetof(OCRResult<4>, parkCount) == 152502 &&
              kOCRLayout<4>.countOffset(1) == 152502);
static_assert(offsetof(OCRResult<4>, deepProfileCount) == 183004 &&
              kOCRLayout<4>.countOffset(2) == 183004);
static_assert(offsetof(OCRResult<4>, shortParkCount) == 213506 &&
              kOCRLayout<4>.countOffset(3) == 213506);
static_assert(offsetof(OCRResult<4>, ascentCount) == 219608 &&
              kOCRLayout<4>.countOffset(4) == 219608);
static_assert(offsetof(OCRResult<4>, surfaceCount) == 372110 &&
              kOCRLayout<4>.countOffset(5) == 372110);
static_assert(channelShapeHolds<OCRSample<4>, OCRResult<4>>());

static_assert(sizeof(OCRSample<7>) == 97 && kOCRLayout<7>.stride == 97);
static_assert(offsetof(OCRSample<7>, channel) == 9);
static_assert(offsetof(OCRSample<7>, channelSd) == 37);
static_assert(offsetof(OCRSample<7>, medianPressure) == 65);
static_assert(offsetof(OCRSample<7>, medianChannel) == 69);
static_assert(sizeof(OCRResult<7>) == 620812 && kOCRLayout<7>.size() == 620812);
static_assert(offsetof(OCRResult<7>, parkCount) == 242502 &&
              kOCRLayout<7>.countOffset(1) == 242502);
static_assert(offsetof(OCRResult<7>, deepProfileCount) == 291004 &&
              kOCRLayout<7>.countOffset(2) == 291004);
static_assert(offsetof(OCRResult<7>, shortParkCount) == 339506 &&
              kOCRLayout<7>.countOffset(3) == 339506);
static_assert(offsetof(OCRResult<7>, ascentCount) == 349208 &&
              kOCRLayout<7>.countOffset(4) == 349208);
static_assert(offsetof(OCRResult<7>, surfaceCount) == 591710 &&
              kOCRLayout<7>.countOffset(5) == 591710);
static_assert(channelShapeHolds<OCRSample<7>, OCRResult<7>>());

static_assert(sizeof(OCRSample<14>) == 181 && kOCRLayout<14>.stride == 181);
static_assert(offsetof(OCRSample<14>, channel) == 9);
static_assert(offsetof(OCRSample<14>, channelSd) == 65);
static_assert(offsetof(OCRSample<14>, medianPressure) == 121);
static_assert(offsetof(OCRSample<14>, medianChannel) == 125);
static_assert(sizeof(OCRResult<14>) == 1158412 && kOCRLayout<14>.size() == 1158412);
static_assert(offsetof(OCRResult<14>, parkCount) == 452502 &&
              kOCRLayout<14>.countOffset(1) == 452502);
static_assert(offsetof(OCRResult<14>, deepProfileCount) == 543004 &&
              kOCRLayout<14>.countOffset(2) == 543004);
static_assert(offsetof(OCRResult<14>, shortParkCount) == 633506 &&
              kOCRLayout<14>.countOffset(3) == 633506);
static_assert(offsetof(OCRResult<14>, ascentCount) == 651608 &&
              kOCRLayout<14>.countOffset(4) == 651608);
static_assert(offsetof(OCRResult<14>, surfaceCount) == 1104110 &&
              kOCRLayout<14>.countOffset(5) == 1104110);
static_assert(channelShapeHolds<OCRSample<14>, OCRResult<14>>());

} // namespace xelo
