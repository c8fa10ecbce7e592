// ECO bio-optical sensor: 1, 2 or 3 channels of 16-bit readings with 8-bit
// deviations. Records under "(SS)" are not decoded: only filler may follow.

#include "layouts/eco.h"
#include "channel_sensor.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

// Record sizes: Plain, WithSd, WithMd, WithSdMd, ParkLike.
constexpr ChannelVariant kVariants[] = {
    {7, 1, {kECOLayout<1>, 8}, {6, 7, 10, 11, 8}},
    {8, 2, {kECOLayout<2>, 9}, {8, 10, 14, 16, 10}},
    {9, 3, {kECOLayout<3>, 10}, {10, 13, 18, 21, 12}},
};
constexpr ChannelSensor kECO{2, 1, 2, SsRecords::EndIfFiller, kVariants};

static_assert(recordSizesHold(kECO, kVariants[0]) && sampleHolds<ECOSample<1>>(kECO, kVariants[0]));
static_assert(recordSizesHold(kECO, kVariants[1]) && sampleHolds<ECOSample<2>>(kECO, kVariants[1]));
static_assert(recordSizesHold(kECO, kVariants[2]) && sampleHolds<ECOSample<3>>(kECO, kVariants[2]));

} // namespace

std::int32_t decodeECO(ModuleState& state, void* result, const std::uint8_t* data,
                       std::int32_t length) {
    return decodeChannelSensor(kECO, state, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataECO, xelo::decodeECO)
