// SBE41 CTD: pressure, temperature and salinity. FormatCode 1 adds a nibble
// of resolution to each pressure and temperature; FormatCode 2 has none.

#include "layouts/sbe41.h"
#include "decoders.h"
#include "framing/decode_loop.h"
#include "framing/export.h"
#include "framing/record_shape.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

constexpr std::int8_t kNone = -1;

// Record offsets of one pressure, temperature, salinity triple; `nibble` is
// the byte whose upper and lower four bits refine pressure and temperature.
struct Triple {
    std::int8_t pressure, temperature, salinity, nibble;
};

struct Sbe41Record {
    std::int8_t size;
    Triple values;
    std::int8_t deviations; // temperatureSd, then salinitySd
    Triple median;          // pressure kNone when absent
};

// The common shapes in RecordShape order, then the surfacing record: "(SS)"
// in the ascent, no time field, the time base as its time.
constexpr int kSurfacing = kRecordShapeCount;
constexpr int kShapeCount = kRecordShapeCount + 1;

constexpr Triple kNoTriple{kNone, kNone, kNone, kNone};
// [FormatCode 1 or 2][shape]
constexpr Sbe41Record kRecords[2][kShapeCount] = {
    {
        {9, {2, 4, 6, 8}, kNone, kNoTriple},
        {11, {2, 4, 6, 8}, 9, kNoTriple},
        {16, {2, 4, 6, 8}, kNone, {9, 11, 13, 15}},
        {18, {2, 4, 6, 8}, 9, {11, 13, 15, 17}},
        {11, {4, 6, 8, 10}, kNone, kNoTriple},
        {7, {0, 2, 4, 6}, kNone, kNoTriple},
    },
    {
        {8, {2, 4, 6, kNone}, kNone, kNoTriple},
        {10, {2, 4, 6, kNone}, 8, kNoTriple},
        {14, {2, 4, 6, kNone}, kNone, {8, 10, 12, kNone}},
        {16, {2, 4, 6, kNone}, 8, {10, 12, 14, kNone}},
        {10, {4, 6, 8, kNone}, kNone, kNoTriple},
        {6, {0, 2, 4, kNone}, kNone, kNoTriple},
    },
};

constexpr int shapeOf(std::uint8_t mode, std::uint8_t phase) {
    if (mode == SS) return phase == Ascent ? kSurfacing : -1;
    const std::optional<RecordShape> shape = recordShapeOf(mode, phase);
    return shape ? static_cast<int>(*shape) : -1;
}

// Unknown FormatCodes are refused right after the capacity rule; until then
// the records are sized as FormatCode 2's.
constexpr const Sbe41Record* recordsFor(std::uint8_t formatCode) {
    return kRecords[formatCode == 1 ? 0 : 1];
}

void storeTriple(const std::uint8_t* rec, const Triple& at, std::uint8_t* slot,
                 std::size_t pressureField, std::size_t temperatureField,
                 std::size_t salinityField) {
    const unsigned nibble = at.nibble == kNone ? 0u : rec[at.nibble];
    const Extended pressure = static_cast<Extended>(loadU16(rec + at.pressure)) * kTenth +
                              static_cast<Extended>(nibble >> 4) * kHundredth - 100;
    const Extended temperature =
        static_cast<Extended>(loadU16(rec + at.temperature)) * kThousandth +
        static_cast<Extended>(nibble & 0x0Fu) * kTenThousandth - 5;
    const Extended salinity = static_cast<Extended>(loadU16(rec + at.salinity)) * kThousandth;
    storeF32(slot + pressureField, static_cast<float>(pressure));
    storeF32(slot + temperatureField, static_cast<float>(temperature));
    storeF32(slot + salinityField, static_cast<float>(salinity));
}

struct Sbe41Rules {
    static constexpr SensorBasics kBasics{kSBE41Layout,
                                          3,
                                          {-4, -5, -6, -7, -8, -9},
                                          /*timeBase=*/true,
                                          /*everyPhaseTagSetsRW=*/false};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t formatCode, std::uint8_t mode, std::uint8_t phase) const {
        const int shape = shapeOf(mode, phase);
        if (shape < 0) return RecordPlan::refuse();
        const RecordTime time = shape == kSurfacing ? RecordTime::TimeBase
                                                    : recordTimeOf(static_cast<RecordShape>(shape));
        return RecordPlan::record(recordsFor(formatCode)[shape].size, time);
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == 1 || formatCode == 2; }

    void fill(const Record& record, std::uint8_t* slot) const {
        const Sbe41Record& layout =
            recordsFor(record.formatCode)[shapeOf(record.mode, record.phase)];
        const std::uint8_t* rec = record.bytes;
        storeTriple(rec, layout.values, slot, offsetof(SBE41Sample, pressure),
                    offsetof(SBE41Sample, temperature), offsetof(SBE41Sample, salinity));
        if (layout.deviations != kNone) {
            storeF32(slot + offsetof(SBE41Sample, temperatureSd),
                     thousandths(loadI8(rec + layout.deviations)));
            storeF32(slot + offsetof(SBE41Sample, salinitySd),
                     thousandths(loadI8(rec + layout.deviations + 1)));
        }
        if (layout.median.pressure != kNone)
            storeTriple(rec, layout.median, slot, offsetof(SBE41Sample, medianPressure),
                        offsetof(SBE41Sample, medianTemperature),
                        offsetof(SBE41Sample, medianSalinity));
    }
};

} // namespace

std::int32_t decodeSBE41(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length) {
    return runDecodeLoop(state, Sbe41Rules{}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataSBE41, xelo::decodeSBE41)
