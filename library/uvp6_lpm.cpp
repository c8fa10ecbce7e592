// UVP6 LPM particle counter: a head value, pressure and temperature, then 18
// floats and 18 bytes carried unchanged. Three record layouts: AM records of
// the profile phases (with a u16 head value), RW and DW records of the profile
// phases (no head value) and the records of Park and ShortPark (u8 head byte).

#include "layouts/uvp6_lpm.h"
#include "decoders.h"
#include "framing/decode_loop.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

constexpr std::uint8_t kFormatCode = 14;
constexpr std::int8_t kNoHead = -1;

struct LpmRecord {
    std::int32_t size;
    RecordTime time;
    std::int8_t head;      // offset of the head value, kNoHead when absent
    std::uint8_t headSize; // 2 (u16) or 1 (u8, zero-extended)
    std::int8_t pressure;  // u16
    std::int8_t temperature;
    std::int8_t floatValues; // 18 x 4 bytes
    std::int8_t byteValues;  // 18 bytes
};

enum LpmShape { ProfileAM, ProfilePlain, ParkLike, kLpmShapeCount };

constexpr LpmRecord kRecords[kLpmShapeCount] = {
    {98, RecordTime::Step, 2, 2, 4, 6, 8, 80},
    {96, RecordTime::Step, kNoHead, 0, 2, 4, 6, 78},
    {99, RecordTime::Absolute, 4, 1, 5, 7, 9, 81},
};

constexpr bool blocksCloseTheRecord(const LpmRecord& r) {
    return r.byteValues == r.floatValues + 4 * static_cast<std::int32_t>(kUVP6LpmClasses) &&
           r.size == r.byteValues + static_cast<std::int32_t>(kUVP6LpmClasses);
}
static_assert(blocksCloseTheRecord(kRecords[ProfileAM]));
static_assert(blocksCloseTheRecord(kRecords[ProfilePlain]));
static_assert(blocksCloseTheRecord(kRecords[ParkLike]));

// -1: no layout for this mode in this phase.
constexpr int shapeOf(std::uint8_t mode, std::uint8_t phase) {
    if (phase == Surface) return -1;
    if (mode == RW || mode == DW) return isProfilePhase(phase) ? ProfilePlain : ParkLike;
    if (mode == AM) return isProfilePhase(phase) ? ProfileAM : -1;
    return -1;
}

struct Uvp6LpmRules {
    static constexpr SensorBasics kBasics{kUVP6LpmLayout, kFormatCode + 1};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        const int shape = shapeOf(mode, phase);
        if (shape < 0) return RecordPlan::refuse();
        return RecordPlan::record(kRecords[shape].size, kRecords[shape].time);
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == kFormatCode; }

    void fill(const Record& record, std::uint8_t* slot) const {
        const LpmRecord& layout = kRecords[shapeOf(record.mode, record.phase)];
        const std::uint8_t* rec = record.bytes;
        std::uint16_t head = 0; // a fixed value where the record has none
        if (layout.head != kNoHead)
            head = layout.headSize == 2 ? loadU16(rec + layout.head) : rec[layout.head];
        storeU16(slot + offsetof(UVP6LpmSample, headValue), head);
        storeF32(slot + offsetof(UVP6LpmSample, pressure),
                 pressureFromRaw(loadU16(rec + layout.pressure)));
        storeF32(slot + offsetof(UVP6LpmSample, temperature),
                 temperatureFromRaw(loadU16(rec + layout.temperature)));
        copyBytes(slot + offsetof(UVP6LpmSample, floatValues), rec + layout.floatValues,
                  sizeof(UVP6LpmSample::floatValues));
        copyBytes(slot + offsetof(UVP6LpmSample, byteValues), rec + layout.byteValues,
                  sizeof(UVP6LpmSample::byteValues));
    }
};

} // namespace

std::int32_t decodeUVP6Lpm(ModuleState& state, void* result, const std::uint8_t* data,
                           std::int32_t length) {
    return runDecodeLoop(state, Uvp6LpmRules{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataUVP6Lpm, xelo::decodeUVP6Lpm)
