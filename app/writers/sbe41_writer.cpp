// SBE41 report: every section; profile lines by kind, park-like lines with
// pressure, temperature and salinity.
#include "layouts/sbe41.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kPressure = f32(offsetof(SBE41Sample, pressure), 2);
constexpr Field kTemperature = f32(offsetof(SBE41Sample, temperature), 4);
constexpr Field kSalinity = f32(offsetof(SBE41Sample, salinity), 3);
constexpr Field kTemperatureSd = f32(offsetof(SBE41Sample, temperatureSd), 4);
constexpr Field kSalinitySd = f32(offsetof(SBE41Sample, salinitySd), 4);
constexpr Field kMedianPressure = f32(offsetof(SBE41Sample, medianPressure), 2);
constexpr Field kMedianTemperature = f32(offsetof(SBE41Sample, medianTemperature), 4);
constexpr Field kMedianSalinity = f32(offsetof(SBE41Sample, medianSalinity), 3);

constexpr Field kPlain[] = {kPressure, kTemperature, kSalinity};
constexpr Field kWithSd[] = {kPressure, kTemperature, kSalinity, kTemperatureSd, kSalinitySd};
constexpr Field kWithMd[] = {kPressure,       kTemperature,       kSalinity,
                             kMedianPressure, kMedianTemperature, kMedianSalinity};
constexpr Field kWithSdMd[] = {kPressure,   kTemperature,    kSalinity,          kTemperatureSd,
                               kSalinitySd, kMedianPressure, kMedianTemperature, kMedianSalinity};

constexpr ReportFormat kFormat{
    kSBE41Layout,
    kAllSections,
    {kKindsRwToDw, 0, kKindsRwToDw, 0, kAllKinds, 0},
    {kPlain, kPlain, kPlain, kWithSd, kWithMd, kWithSdMd, kPlain},
    kPlain,
};

constexpr AcceptedCode kAccepted[] = {{3, &kFormat}};

std::string_view sbe41Failure(std::int32_t code) {
    switch (code) {
    case -4:
        return "Too many data to decode (descent to parking)";
    case -5:
        return "Too many data to decode (parking drift)";
    case -6:
        return "Too many data to decode (descent to profile depth)";
    case -7:
        return "Too many data to decode (short park drift)";
    case -8:
        return "Too many data to decode (ascent)";
    case -9:
        return "Too many data to decode (surface)";
    default:
        return fileCorrupted(code);
    }
}

} // namespace

const SensorReport kSBE41Report{kAccepted, {}, sbe41Failure};

} // namespace xelo
