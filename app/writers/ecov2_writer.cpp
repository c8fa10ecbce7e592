// ECOv2 report: only the 3-channel variant is written, readings and median
// readings as signed 32-bit numbers, deviations as signed 16-bit numbers. The
// 1-, 2- and 4-channel variants decode but have no report.
#include "layouts/ecov2.h"
#include "writers/branches.h"
#include "writers/channel_report.h"

namespace xelo {
namespace {

using ThreeChannels = ChannelReport<ECOv2Sample<3>, FieldType::I32, FieldType::I16>;

constexpr AcceptedCode kAccepted[] = {{21, &ThreeChannels::kFormat}};
constexpr std::int32_t kUnknownSensor[] = {19, 20, 22}; // 1, 2 and 4 channels

} // namespace

const SensorReport kECOv2Report{kAccepted, kUnknownSensor, fileCorrupted};

} // namespace xelo
