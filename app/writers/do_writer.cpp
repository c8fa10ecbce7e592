// Dissolved-oxygen report: every section; profile lines by kind, park-like
// lines with pressure, the two readings and temperature.
#include "layouts/do.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kPressure = f32(offsetof(DOSample, pressure), 2);
constexpr Field kReading1 = f32(offsetof(DOSample, reading1), 3);
constexpr Field kReading2 = f32(offsetof(DOSample, reading2), 3);
constexpr Field kTemperature = f32(offsetof(DOSample, temperature), 2);
constexpr Field kReading1Sd = f32(offsetof(DOSample, reading1Sd), 3);
constexpr Field kReading2Sd = f32(offsetof(DOSample, reading2Sd), 3);
constexpr Field kTemperatureSd = f32(offsetof(DOSample, temperatureSd), 3);
constexpr Field kMedianPressure = f32(offsetof(DOSample, medianPressure), 2);
constexpr Field kMedianReading1 = f32(offsetof(DOSample, medianReading1), 3);
constexpr Field kMedianReading2 = f32(offsetof(DOSample, medianReading2), 3);
constexpr Field kMedianTemperature = f32(offsetof(DOSample, medianTemperature), 2);

constexpr Field kPlain[] = {kPressure, kReading1, kReading2, kTemperature};
constexpr Field kWithSd[] = {kPressure,   kReading1,   kReading2,     kTemperature,
                             kReading1Sd, kReading2Sd, kTemperatureSd};
constexpr Field kWithMd[] = {kPressure,       kReading1,       kReading2,       kTemperature,
                             kMedianPressure, kMedianReading1, kMedianReading2, kMedianTemperature};
constexpr Field kWithSdMd[] = {kPressure,       kReading1,       kReading2,         kTemperature,
                               kReading1Sd,     kReading2Sd,     kTemperatureSd,    kMedianPressure,
                               kMedianReading1, kMedianReading2, kMedianTemperature};

constexpr ReportFormat kFormat{
    kDOLayout,
    kAllSections,
    {kKindsRwToDw, 0, kKindsRwToDw, 0, kKindsRwToDw, 0},
    {kPlain, kPlain, kPlain, kWithSd, kWithMd, kWithSdMd, kPlain},
    kPlain,
};

constexpr AcceptedCode kAccepted[] = {{4, &kFormat}};

} // namespace

const SensorReport kDOReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
