// External trigger: one record per trigger event, its absolute time and a
// pressure. Every phase tag, of a profile phase too, sets RW and is followed
// directly by records; there is no time base anywhere.

#include "layouts/ext_trig.h"
#include "decoders.h"
#include "framing/absolute_rw_rules.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

// One layout in every phase: u32 time, u16 pressure.
constexpr std::int32_t kPressure = 4;

struct ExtTrig {
    static constexpr const ResultLayout& kLayout = kExtTrigLayout;
    static constexpr std::uint8_t kFormatCode = 22;
    static constexpr std::int32_t kRecordSize = 6;
    static constexpr bool kEveryPhaseTagSetsRW = true;

    static void fill(const std::uint8_t* rec, std::uint8_t* slot) {
        storeF32(slot + offsetof(ExtTrigSample, pressure),
                 pressureFromRaw(loadU16(rec + kPressure)));
    }
};

} // namespace

std::int32_t decodeExtTrig(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length) {
    return runDecodeLoop(state, AbsoluteRwRules<ExtTrig>{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataExtTrig, xelo::decodeExtTrig)
