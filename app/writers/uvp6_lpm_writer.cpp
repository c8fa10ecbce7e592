// UVP6 LPM report: every section; mode lines for RW, AM and DW in the
// profile sections; every line the head value, pressure, temperature, the 18
// floats and the 18 bytes.
#include "framing/module_state.h"
#include "layouts/uvp6_lpm.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kLine[] = {
    integer(offsetof(UVP6LpmSample, headValue), FieldType::U16),
    f32(offsetof(UVP6LpmSample, pressure), 2),
    f32(offsetof(UVP6LpmSample, temperature), 2),
    f32(offsetof(UVP6LpmSample, floatValues), 4, kUVP6LpmClasses),
    integer(offsetof(UVP6LpmSample, byteValues), FieldType::U8, kUVP6LpmClasses),
};

constexpr std::uint8_t kModeLines = kinds({RW, AM, DW});

constexpr ReportFormat kFormat{
    kUVP6LpmLayout,        kAllSections, {kModeLines, 0, kModeLines, 0, kModeLines, 0},
    {LineFields{}, kLine}, kLine,
};

constexpr AcceptedCode kAccepted[] = {{15, &kFormat}};

} // namespace

const SensorReport kUVP6LpmReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
