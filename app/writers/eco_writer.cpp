// ECO report: all three variants, readings and median readings as signed
// 16-bit numbers, deviations as signed 8-bit numbers.
#include "layouts/eco.h"
#include "writers/branches.h"
#include "writers/channel_report.h"

namespace xelo {
namespace {

template <std::size_t N>
using EcoReport = ChannelReport<ECOSample<N>, FieldType::I16, FieldType::I8>;

constexpr AcceptedCode kAccepted[] = {
    {8, &EcoReport<1>::kFormat},
    {9, &EcoReport<2>::kFormat},
    {10, &EcoReport<3>::kFormat},
};

} // namespace

const SensorReport kECOReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
