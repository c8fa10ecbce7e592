// OCR report: only the 4-channel variant is written, its counts as unsigned
// 32-bit numbers. The 7- and 14-channel variants decode but have no report.
#include "layouts/ocr.h"
#include "writers/branches.h"
#include "writers/channel_report.h"

namespace xelo {
namespace {

using FourChannels = ChannelReport<OCRSample<4>, FieldType::U32, FieldType::U32>;

constexpr AcceptedCode kAccepted[] = {{5, &FourChannels::kFormat}};
constexpr std::int32_t kUnknownSensor[] = {4, 6}; // 14 and 7 channels

} // namespace

const SensorReport kOCRReport{kAccepted, kUnknownSensor, fileCorrupted};

} // namespace xelo
