// UVP6 BLK particle counter: RW records only, each with its own absolute
// time, a pressure, a temperature and five u16 values carried unchanged. Mode
// tags are followed directly by records: these files have no time base.

#include "layouts/uvp6_blk.h"
#include "decoders.h"
#include "framing/absolute_rw_rules.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

// One layout in every phase: u32 time, u16 pressure, u16 temperature, 5 x u16.
constexpr std::int32_t kPressure = 4;
constexpr std::int32_t kTemperature = 6;
constexpr std::int32_t kWords = 8;

struct Uvp6Blk {
    static constexpr const ResultLayout& kLayout = kUVP6BlkLayout;
    static constexpr std::uint8_t kFormatCode = 17;
    static constexpr std::int32_t kRecordSize = kWords + sizeof(UVP6BlkSample::wordValues);
    static constexpr bool kEveryPhaseTagSetsRW = false;

    static void fill(const std::uint8_t* rec, std::uint8_t* slot) {
        storeF32(slot + offsetof(UVP6BlkSample, pressure),
                 pressureFromRaw(loadU16(rec + kPressure)));
        storeF32(slot + offsetof(UVP6BlkSample, temperature),
                 temperatureFromRaw(loadU16(rec + kTemperature)));
        copyBytes(slot + offsetof(UVP6BlkSample, wordValues), rec + kWords,
                  sizeof(UVP6BlkSample::wordValues));
    }
};
static_assert(Uvp6Blk::kRecordSize == 18);

} // namespace

std::int32_t decodeUVP6Blk(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length) {
    return runDecodeLoop(state, AbsoluteRwRules<Uvp6Blk>{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataUVP6Blk, xelo::decodeUVP6Blk)
