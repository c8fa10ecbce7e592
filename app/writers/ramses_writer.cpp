// RAMSES report: Descent, Park and Ascent; mode lines for RW and DW in the
// profile sections; eight values and the counted list on every line.
#include "layouts/ramses.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

constexpr Field kLine[] = {
    f32(offsetof(RAMSESSample, float1), 2),
    integer(offsetof(RAMSESSample, word1), FieldType::U16),
    f32(offsetof(RAMSESSample, float2), 2),
    f32(offsetof(RAMSESSample, float3), 2),
    f32(offsetof(RAMSESSample, float4), 3),
    f32(offsetof(RAMSESSample, float5), 3),
    integer(offsetof(RAMSESSample, word2), FieldType::U16),
    integer(offsetof(RAMSESSample, listCount), FieldType::U8),
    // Never more values than the sample holds, whatever the count says.
    {offsetof(RAMSESSample, listValues), FieldType::U16, 0, kRAMSESListCapacity,
     offsetof(RAMSESSample, listCount)},
};

constexpr std::uint8_t kRwDw = kinds({1, 6});

constexpr ReportFormat kFormat{
    kRAMSESLayout,
    {true, true, false, false, true, false},
    {kRwDw, 0, 0, 0, kRwDw, 0},
    {kLine, kLine, kLine, kLine, kLine, kLine, kLine},
    kLine,
};

constexpr AcceptedCode kAccepted[] = {{24, &kFormat}};

} // namespace

// A failed decode is reported like the other sensors' failures.
const SensorReport kRAMSESReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
