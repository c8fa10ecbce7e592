// CROVER report: profile lines by kind, park-like lines with pressure and
// reading; the 16-bit readings print as signed numbers. The decoder stores no
// surface samples, so that section never appears.
#include "layouts/crover.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kPressure = f32(offsetof(CROVERSample, pressure), 2);
constexpr Field kReading = integer(offsetof(CROVERSample, reading), FieldType::I16);
constexpr Field kReadingSd = integer(offsetof(CROVERSample, readingSd), FieldType::I16);
constexpr Field kMedianPressure = f32(offsetof(CROVERSample, medianPressure), 2);
constexpr Field kMedianReading = integer(offsetof(CROVERSample, medianReading), FieldType::I16);

constexpr Field kPlain[] = {kPressure, kReading};
constexpr Field kWithSd[] = {kPressure, kReading, kReadingSd};
constexpr Field kWithMd[] = {kPressure, kReading, kMedianPressure, kMedianReading};
constexpr Field kWithSdMd[] = {kPressure, kReading, kReadingSd, kMedianPressure, kMedianReading};

constexpr ReportFormat kFormat{
    kCROVERLayout,
    kAllSections,
    {kKindsRwToDw, 0, kKindsRwToDw, 0, kKindsRwToDw, 0},
    {kPlain, kPlain, kPlain, kWithSd, kWithMd, kWithSdMd, kPlain},
    kPlain,
};

constexpr AcceptedCode kAccepted[] = {{11, &kFormat}};

} // namespace

const SensorReport kCROVERReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
