// External-trigger report: every section but ShortPark; each profile section
// opens with "(RW)"; every line the event's pressure.
#include "framing/module_state.h"
#include "layouts/ext_trig.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kLine[] = {f32(offsetof(ExtTrigSample, pressure), 2)};

constexpr std::uint8_t kModeLines = kinds({RW});

constexpr ReportFormat kFormat{
    kExtTrigLayout,
    {true, true, true, false, true, false},
    {kModeLines, 0, kModeLines, 0, kModeLines, 0},
    {LineFields{}, kLine},
    kLine,
};

constexpr AcceptedCode kAccepted[] = {{23, &kFormat}};

} // namespace

const SensorReport kExtTrigReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
