// pH report: profile lines by kind, park-like lines with pressure and
// reading; the readings are doubles printed with six decimals. The decoder
// stores no surface samples, so that section never appears.
#include "layouts/sbeph.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kPressure = f32(offsetof(SBEPHSample, pressure), 2);
constexpr Field kReading = f64(offsetof(SBEPHSample, reading), 6);
constexpr Field kReadingSd = f64(offsetof(SBEPHSample, readingSd), 6);
constexpr Field kMedianPressure = f32(offsetof(SBEPHSample, medianPressure), 2);
constexpr Field kMedianReading = f64(offsetof(SBEPHSample, medianReading), 6);

constexpr Field kPlain[] = {kPressure, kReading};
constexpr Field kWithSd[] = {kPressure, kReading, kReadingSd};
constexpr Field kWithMd[] = {kPressure, kReading, kMedianPressure, kMedianReading};
constexpr Field kWithSdMd[] = {kPressure, kReading, kReadingSd, kMedianPressure, kMedianReading};

constexpr ReportFormat kFormat{
    kSBEPHLayout,
    kAllSections,
    {kKindsRwToDw, 0, kKindsRwToDw, 0, kKindsRwToDw, 0},
    {kPlain, kPlain, kPlain, kWithSd, kWithMd, kWithSdMd, kPlain},
    kPlain,
};

constexpr AcceptedCode kAccepted[] = {{12, &kFormat}};

} // namespace

const SensorReport kSBEPHReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
