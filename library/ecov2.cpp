// ECOv2 bio-optical sensor: 1 to 4 channels of 32-bit readings with 16-bit
// deviations. A record under "(SS)" is a framing error.

#include "layouts/ecov2.h"
#include "channel_sensor.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

// Record sizes: Plain, WithSd, WithMd, WithSdMd, ParkLike.
constexpr ChannelVariant kVariants[] = {
    {18, 1, {kECOv2Layout<1>, 19}, {8, 10, 14, 16, 10}},
    {19, 2, {kECOv2Layout<2>, 20}, {12, 16, 22, 26, 14}},
    {20, 3, {kECOv2Layout<3>, 21}, {16, 22, 30, 36, 18}},
    {21, 4, {kECOv2Layout<4>, 22}, {20, 28, 38, 46, 22}},
};
constexpr ChannelSensor kECOv2{4, 2, 4, SsRecords::Refuse, kVariants};

static_assert(recordSizesHold(kECOv2, kVariants[0]) &&
              sampleHolds<ECOv2Sample<1>>(kECOv2, kVariants[0]));
static_assert(recordSizesHold(kECOv2, kVariants[1]) &&
              sampleHolds<ECOv2Sample<2>>(kECOv2, kVariants[1]));
static_assert(recordSizesHold(kECOv2, kVariants[2]) &&
              sampleHolds<ECOv2Sample<3>>(kECOv2, kVariants[2]));
static_assert(recordSizesHold(kECOv2, kVariants[3]) &&
              sampleHolds<ECOv2Sample<4>>(kECOv2, kVariants[3]));

} // namespace

std::int32_t decodeECOv2(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length) {
    return decodeChannelSensor(kECOv2, state, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataECOv2, xelo::decodeECOv2)
