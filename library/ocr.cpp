// OCR radiometer: 4, 7 or 14 channels of unsigned 32-bit counts, with 32-bit
// deviations. Records under "(SS)" are not decoded: only filler may follow.

#include "layouts/ocr.h"
#include "channel_sensor.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

// The 14-channel variant's success code is 4, below the others'.
// Record sizes: Plain, WithSd, WithMd, WithSdMd, ParkLike.
constexpr ChannelVariant kVariants[] = {
    {4, 4, {kOCRLayout<4>, 5}, {20, 36, 38, 54, 22}},
    {5, 7, {kOCRLayout<7>, 6}, {32, 60, 62, 90, 34}},
    {6, 14, {kOCRLayout<14>, 4}, {60, 116, 118, 174, 62}},
};
constexpr ChannelSensor kOCR{4, 4, 4, SsRecords::EndIfFiller, kVariants};

static_assert(recordSizesHold(kOCR, kVariants[0]) && sampleHolds<OCRSample<4>>(kOCR, kVariants[0]));
static_assert(recordSizesHold(kOCR, kVariants[1]) && sampleHolds<OCRSample<7>>(kOCR, kVariants[1]));
static_assert(recordSizesHold(kOCR, kVariants[2]) &&
              sampleHolds<OCRSample<14>>(kOCR, kVariants[2]));

} // namespace

std::int32_t decodeOCR(ModuleState& state, void* result, const std::uint8_t* data,
                       std::int32_t length) {
    return decodeChannelSensor(kOCR, state, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataOCR, xelo::decodeOCR)
