// Dissolved oxygen: pressure, the optode's two readings (carried bit for bit)
// and temperature, with deviation and median blocks in the (SD) and (MD)
// modes. Every phase, the surface included, has records.

#include "layouts/do.h"
#include "block_records.h"
#include "decoders.h"
#include "framing/export.h"

namespace xelo {
namespace {

using enum Conversion;

constexpr FieldMove kValues[] = {
    {0, Pressure, offsetof(DOSample, pressure)},
    {2, Copy32, offsetof(DOSample, reading1)},
    {6, Copy32, offsetof(DOSample, reading2)},
    {10, Temperature, offsetof(DOSample, temperature)},
};
constexpr FieldMove kDeviations[] = {
    {0, ThousandthsI16, offsetof(DOSample, reading1Sd)},
    {2, ThousandthsI16, offsetof(DOSample, reading2Sd)},
    {4, ThousandthsI8, offsetof(DOSample, temperatureSd)},
};
constexpr FieldMove kMedians[] = {
    {0, Pressure, offsetof(DOSample, medianPressure)},
    {2, Copy32, offsetof(DOSample, medianReading1)},
    {6, Copy32, offsetof(DOSample, medianReading2)},
    {10, Temperature, offsetof(DOSample, medianTemperature)},
};

constexpr BlockSensor kDO{
    {kDOLayout, 4},          3,
    /*surfaceRecords=*/true, {12, kValues},
    {5, kDeviations},        {12, kMedians},
};

static_assert(kDO.movesFit());
static_assert(kDO.recordSize(RecordShape::Plain) == 14 &&
              kDO.recordSize(RecordShape::WithSd) == 19);
static_assert(kDO.recordSize(RecordShape::WithMd) == 26 &&
              kDO.recordSize(RecordShape::WithSdMd) == 31);
static_assert(kDO.recordSize(RecordShape::ParkLike) == 16);

} // namespace

std::int32_t decodeDO(ModuleState& state, void* result, const std::uint8_t* data,
                      std::int32_t length) {
    return runDecodeLoop(state, BlockRules{kDO}, result, data, length);
}

} // namespace xelo

XELO_DEFINE_DECODER_EXPORT(_iRERUDODDecodeDataDO, xelo::decodeDO)
