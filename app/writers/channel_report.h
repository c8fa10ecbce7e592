// The report of one multi-channel sensor variant (OCR, ECO, ECOv2), made from
// its sample struct: pressure and the N channel values, then, as the kind has
// them, the N deviation values and the median pressure with its N readings.
// Every section is written; profile sections announce kinds 1 to 6.
#pragma once

#include "layouts/channel_sample.h"
#include "writers/report_format.h"

#include <cstddef>
#include <type_traits>

namespace xelo {

template <class Sample, FieldType Reading, FieldType Deviation> struct ChannelReport {
    static constexpr auto kChannels =
        static_cast<std::uint16_t>(std::extent_v<decltype(Sample::channel)>);

    static constexpr Field kPressure = f32(offsetof(Sample, pressure), 2);
    static constexpr Field kChannel = integer(offsetof(Sample, channel), Reading, kChannels);
    static constexpr Field kChannelSd = integer(offsetof(Sample, channelSd), Deviation, kChannels);
    static constexpr Field kMedianPressure = f32(offsetof(Sample, medianPressure), 2);
    static constexpr Field kMedianChannel =
        integer(offsetof(Sample, medianChannel), Reading, kChannels);

    static constexpr Field kPlain[] = {kPressure, kChannel};
    static constexpr Field kWithSd[] = {kPressure, kChannel, kChannelSd};
    static constexpr Field kWithMd[] = {kPressure, kChannel, kMedianPressure, kMedianChannel};
    static constexpr Field kWithSdMd[] = {kPressure, kChannel, kChannelSd, kMedianPressure,
                                          kMedianChannel};

    static constexpr ReportFormat kFormat{
        kChannelLayout<Sample>,
        kAllSections,
        {kKindsRwToDw, 0, kKindsRwToDw, 0, kKindsRwToDw, 0},
        {kPlain, kPlain, kPlain, kWithSd, kWithMd, kWithSdMd, kPlain},
        kPlain,
    };
};

} // namespace xelo
