// pH sensor: pressure and one reading sent as a signed 32-bit count of
// millionths and stored as a double, with an (SD) value in millionths and a
// median pressure and reading in the (SD) and (MD) modes. The surface phase
// has no records.

#include "layouts/sbeph.h"
#include "block_records.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

using enum Conversion;

constexpr FieldMove kValues[] = {
    {0, Pressure, offsetof(SBEPHSample, pressure)},
    {2, MillionthsI32, offsetof(SBEPHSample, reading)},
};
constexpr FieldMove kDeviations[] = {
    {0, MillionthsI16, offsetof(SBEPHSample, readingSd)},
};
constexpr FieldMove kMedians[] = {
    {0, Pressure, offsetof(SBEPHSample, medianPressure)},
    {2, MillionthsI32, offsetof(SBEPHSample, medianReading)},
};

constexpr BlockSensor kSBEPH{
    {kSBEPHLayout, 12},       11,
    /*surfaceRecords=*/false, {6, kValues}, {2, kDeviations}, {6, kMedians},
};

static_assert(kSBEPH.movesFit());
static_assert(kSBEPH.recordSize(RecordShape::Plain) == 8 &&
              kSBEPH.recordSize(RecordShape::WithSd) == 10);
static_assert(kSBEPH.recordSize(RecordShape::WithMd) == 14 &&
              kSBEPH.recordSize(RecordShape::WithSdMd) == 16);
static_assert(kSBEPH.recordSize(RecordShape::ParkLike) == 10);
static_assert(kSBEPHLayout.capacity[Surface] == 0);

} // namespace

std::int32_t decodeSBEPH(ModuleState& state, void* result, const std::uint8_t* data,
                         std::int32_t length) {
    return runDecodeLoop(state, BlockRules{kSBEPH}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataSBEPH, xelo::decodeSBEPH)
