// UVP6 BLK particle counter: RW records only, each with its own absolute
// time, a pressure, a temperature and five u16 values carried unchanged. Mode
// tags are followed directly by records: these files have no time base.

#include "layouts/uvp6_blk.h"
#include "decoders.h"
#include "framing/decode_loop.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

constexpr std::uint8_t kFormatCode = 17;

// One layout in every phase: u32 time, u16 pressure, u16 temperature, 5 x u16.
constexpr std::int32_t kPressure = 4;
constexpr std::int32_t kTemperature = 6;
constexpr std::int32_t kWords = 8;
constexpr std::int32_t kRecordSize = kWords + sizeof(UVP6BlkSample::wordValues);
static_assert(kRecordSize == 18);

struct Uvp6BlkRules {
    static constexpr SensorBasics kBasics{kUVP6BlkLayout, kFormatCode + 1, kCommonOverflowCodes,
                                          /*timeBase=*/false, /*everyPhaseTagSetsRW=*/false};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode != RW || phase == Surface) return RecordPlan::refuse();
        return RecordPlan::record(kRecordSize, RecordTime::Absolute);
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == kFormatCode; }

    void fill(const Record& record, std::uint8_t* slot) const {
        const std::uint8_t* rec = record.bytes;
        storeF32(slot + offsetof(UVP6BlkSample, pressure),
                 pressureFromRaw(loadU16(rec + kPressure)));
        storeF32(slot + offsetof(UVP6BlkSample, temperature),
                 temperatureFromRaw(loadU16(rec + kTemperature)));
        copyBytes(slot + offsetof(UVP6BlkSample, wordValues), rec + kWords,
                  sizeof(UVP6BlkSample::wordValues));
    }
};

} // namespace

std::int32_t decodeUVP6Blk(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length) {
    return runDecodeLoop(state, Uvp6BlkRules{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataUVP6Blk, xelo::decodeUVP6Blk)
