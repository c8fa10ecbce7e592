// External trigger: one record per trigger event, its absolute time and a
// pressure. Every phase tag, of a profile phase too, sets RW and is followed
// directly by records; there is no time base anywhere.

#include "layouts/ext_trig.h"
#include "decoders.h"
#include "framing/decode_loop.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

constexpr std::uint8_t kFormatCode = 22;

// One layout in every phase: u32 time, u16 pressure.
constexpr std::int32_t kPressure = 4;
constexpr std::int32_t kRecordSize = 6;

struct ExtTrigRules {
    static constexpr SensorBasics kBasics{kExtTrigLayout, kFormatCode + 1, kCommonOverflowCodes,
                                          /*timeBase=*/false, /*everyPhaseTagSetsRW=*/true};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode != RW || phase == Surface) return RecordPlan::refuse();
        return RecordPlan::record(kRecordSize, RecordTime::Absolute);
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == kFormatCode; }

    void fill(const Record& record, std::uint8_t* slot) const {
        storeF32(slot + offsetof(ExtTrigSample, pressure),
                 pressureFromRaw(loadU16(record.bytes + kPressure)));
    }
};

} // namespace

std::int32_t decodeExtTrig(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length) {
    return runDecodeLoop(state, ExtTrigRules{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataExtTrig, xelo::decodeExtTrig)
