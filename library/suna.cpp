// SUNA nitrate sensor: plain records only (RW and DW), each a pressure, nine
// further values and a list of K u16 values. FormatCode 12 carries 45 list
// values, FormatCode 13 carries 90; the export picks the variant before
// anything else and refuses any other FormatCode without touching the area.

#include "layouts/suna.h"
#include "decoders.h"
#include "framing/decode_loop.h"
#include "framing/export.h"
#include "framing/scaling.h"

namespace xelo {
namespace {

// Offsets of the fields in a profile-phase record (u16 time step at 0).
// Park-like records start with a u32 time, so every field sits 2 bytes later.
enum SunaRecordField : std::int32_t {
    kRawPressure = 2,
    kRawA = 4,
    kRawB = 6,
    kRawC = 8,
    kRawD = 10,
    kRawE = 12, // u8
    kRawF = 13,
    kRawG = 15, // i16
    kValueH = 17,
    kValueI = 21,
    kList = 25,
};
constexpr std::int32_t kParkShift = 2;

constexpr std::int32_t profileRecordSize(std::size_t listLength) {
    return kList + 2 * static_cast<std::int32_t>(listLength);
}
static_assert(profileRecordSize(kSUNAShortList) == 115 && profileRecordSize(kSUNALongList) == 205);
static_assert(profileRecordSize(kSUNAShortList) + kParkShift == 117);
static_assert(profileRecordSize(kSUNALongList) + kParkShift == 207);

float scaled(Extended raw, Extended factor, Extended offset = 0) {
    return static_cast<float>(raw * factor - offset);
}

template <std::size_t K> struct SunaRules {
    using Sample = SUNASample<K>;
    static constexpr std::uint8_t kFormatCode = K == kSUNAShortList ? 12 : 13;
    static constexpr SensorBasics kBasics{kSUNALayout<K>, kFormatCode + 1};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode != RW && mode != DW) return RecordPlan::refuse();
        if (phase == Surface) return RecordPlan::refuse();
        if (isProfilePhase(phase))
            return RecordPlan::record(profileRecordSize(K), RecordTime::Step);
        return RecordPlan::record(profileRecordSize(K) + kParkShift, RecordTime::Absolute);
    }

    // The variant was chosen by this FormatCode before the loop ran.
    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == kFormatCode; }

    void fill(const Record& record, std::uint8_t* slot) const {
        const std::uint8_t* rec = record.bytes + (isProfilePhase(record.phase) ? 0 : kParkShift);
        storeF32(slot + offsetof(Sample, pressure), pressureFromRaw(loadU16(rec + kRawPressure)));
        storeF32(slot + offsetof(Sample, valueA), temperatureFromRaw(loadU16(rec + kRawA)));
        storeF32(slot + offsetof(Sample, valueB), thousandths(loadU16(rec + kRawB)));
        storeF32(slot + offsetof(Sample, valueC), temperatureFromRaw(loadU16(rec + kRawC)));
        storeF32(slot + offsetof(Sample, valueD), temperatureFromRaw(loadU16(rec + kRawD)));
        storeF32(slot + offsetof(Sample, valueE), scaled(rec[kRawE], 0.5L));
        storeF32(slot + offsetof(Sample, valueF), scaled(loadU16(rec + kRawF), kTenth));
        storeF32(slot + offsetof(Sample, valueG), scaled(loadI16(rec + kRawG), kHundredth));
        copyBytes(slot + offsetof(Sample, valueH), rec + kValueH, 4);
        copyBytes(slot + offsetof(Sample, valueI), rec + kValueI, 4);
        copyBytes(slot + offsetof(Sample, listValues), rec + kList, sizeof(Sample::listValues));
    }
};

} // namespace

std::int32_t decodeSUNA(ModuleState& state, void* result, const std::uint8_t* data,
                        std::int32_t length) {
    // The variant comes first: an unknown FormatCode leaves the area and the
    // module state as they were.
    if (length < 1 || data == nullptr) return kFramingError;
    switch (data[0]) {
    case SunaRules<kSUNAShortList>::kFormatCode:
        return runDecodeLoop(state, SunaRules<kSUNAShortList>{}, result, data, length);
    case SunaRules<kSUNALongList>::kFormatCode:
        return runDecodeLoop(state, SunaRules<kSUNALongList>{}, result, data, length);
    default:
        return kFramingError;
    }
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataSUNA, xelo::decodeSUNA)
