// CROVER transmissometer: pressure and one 16-bit reading, carried bit for
// bit, with an (SD) value and a median pressure and reading in the (SD) and
// (MD) modes. The surface phase has no records.

#include "layouts/crover.h"
#include "block_records.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

using enum Conversion;

constexpr FieldMove kValues[] = {
    {0, Pressure, offsetof(CROVERSample, pressure)},
    {2, Copy16, offsetof(CROVERSample, reading)},
};
constexpr FieldMove kDeviations[] = {
    {0, Copy16, offsetof(CROVERSample, readingSd)},
};
constexpr FieldMove kMedians[] = {
    {0, Pressure, offsetof(CROVERSample, medianPressure)},
    {2, Copy16, offsetof(CROVERSample, medianReading)},
};

constexpr BlockSensor kCROVER{
    {kCROVERLayout, 11},      10,
    /*surfaceRecords=*/false, {4, kValues}, {2, kDeviations}, {4, kMedians},
};

static_assert(kCROVER.movesFit());
static_assert(kCROVER.recordSize(RecordShape::Plain) == 6 &&
              kCROVER.recordSize(RecordShape::WithSd) == 8);
static_assert(kCROVER.recordSize(RecordShape::WithMd) == 10 &&
              kCROVER.recordSize(RecordShape::WithSdMd) == 12);
static_assert(kCROVER.recordSize(RecordShape::ParkLike) == 8);
static_assert(kCROVERLayout.capacity[Surface] == 0);

} // namespace

std::int32_t decodeCROVER(ModuleState& state, void* result, const std::uint8_t* data,
                          std::int32_t length) {
    return runDecodeLoop(state, BlockRules{kCROVER}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataCROVER, xelo::decodeCROVER)
