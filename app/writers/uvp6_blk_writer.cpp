// UVP6 BLK report: Descent, Park and Ascent only; each profile section opens
// with "(RW)"; every line pressure, temperature and the five word values.
#include "framing/module_state.h"
#include "layouts/uvp6_blk.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kLine[] = {
    f32(offsetof(UVP6BlkSample, pressure), 2),
    f32(offsetof(UVP6BlkSample, temperature), 2),
    integer(offsetof(UVP6BlkSample, wordValues), FieldType::U16, kUVP6BlkWords),
};

constexpr std::uint8_t kModeLines = kinds({RW});

constexpr ReportFormat kFormat{
    kUVP6BlkLayout,
    {true, true, false, false, true, false},
    {kModeLines, 0, 0, 0, kModeLines, 0},
    {LineFields{}, kLine},
    kLine,
};

constexpr AcceptedCode kAccepted[] = {{18, &kFormat}};

} // namespace

const SensorReport kUVP6BlkReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
