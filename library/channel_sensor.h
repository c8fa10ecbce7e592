// The multi-channel sensors (OCR radiometer, ECO, ECOv2) share one record
// shape: pressure and N channel readings, then, as the mode has them, N
// deviation values and a median block of one pressure and N readings. A
// sensor is the widths of these values plus a table of variants told apart by
// FormatCode; the decoding below is the same for all of them.
#pragma once

#include "framing/decode_loop.h"
#include "framing/record_shape.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace xelo {

// What a sensor does with a record under "(SS)", for which it has no layout.
enum class SsRecords : std::uint8_t {
    EndIfFiller, // decode nothing; only filler may follow
    Refuse,      // a framing error
};

struct ChannelVariant {
    std::uint8_t formatCode;
    std::uint8_t channels; // N
    SensorBasics basics;   // result layout and success code
    // Record length per RecordShape, as the data carry them.
    std::array<std::int32_t, kRecordShapeCount> recordSize;
};

struct ChannelSensor {
    std::uint8_t readingWidth; // bytes of one channel reading
    std::uint8_t sdWidth;      // bytes of one deviation value
    std::uint8_t medianWidth;  // bytes of one median reading
    SsRecords ss;
    std::span<const ChannelVariant> variants;
};

// Where the blocks of one variant lie, in a record and in a sample.
struct ChannelGeometry {
    std::int32_t readings;   // bytes of the N readings
    std::int32_t deviations; // bytes of the N deviation values
    std::int32_t medians;    // bytes of the N median readings

    static constexpr ChannelGeometry of(const ChannelSensor& sensor, std::uint8_t channels) {
        return {sensor.readingWidth * channels, sensor.sdWidth * channels,
                sensor.medianWidth * channels};
    }
    // Record: a u16 time step (profile) or a u32 time (park-like), the raw
    // pressure, the readings, the deviations, the raw median pressure, the
    // median readings.
    constexpr std::int32_t pressureAt(RecordShape shape) const { return timeFieldSize(shape); }
    constexpr std::int32_t readingsAt(RecordShape shape) const { return pressureAt(shape) + 2; }
    constexpr std::int32_t deviationsAt(RecordShape shape) const {
        return readingsAt(shape) + readings;
    }
    constexpr std::int32_t medianPressureAt(RecordShape shape) const {
        return deviationsAt(shape) + (hasDeviations(shape) ? deviations : 0);
    }
    constexpr std::int32_t recordSize(RecordShape shape) const {
        return medianPressureAt(shape) + (hasMedians(shape) ? 2 + medians : 0);
    }

    // Sample: kind, time, pressure, then every block at a fixed place.
    static constexpr std::uint32_t kSamplePressure = 5;
    static constexpr std::uint32_t kSampleChannel = 9;
    constexpr std::uint32_t sampleChannelSd() const {
        return kSampleChannel + static_cast<std::uint32_t>(readings);
    }
    constexpr std::uint32_t sampleMedianPressure() const {
        return sampleChannelSd() + static_cast<std::uint32_t>(deviations);
    }
    constexpr std::uint32_t sampleMedianChannel() const { return sampleMedianPressure() + 4; }
    constexpr std::uint32_t sampleSize() const {
        return sampleMedianChannel() + static_cast<std::uint32_t>(medians);
    }
};

// The record lengths of the variant table follow from the widths.
constexpr bool recordSizesHold(const ChannelSensor& sensor, const ChannelVariant& variant) {
    const ChannelGeometry g = ChannelGeometry::of(sensor, variant.channels);
    for (int shape = 0; shape < kRecordShapeCount; ++shape)
        if (variant.recordSize[shape] != g.recordSize(static_cast<RecordShape>(shape)))
            return false;
    return true;
}

// The variant's sample struct has its blocks where the decoder writes them.
template <class Sample>
constexpr bool sampleHolds(const ChannelSensor& sensor, const ChannelVariant& variant) {
    const ChannelGeometry g = ChannelGeometry::of(sensor, variant.channels);
    return sizeof(Sample::channel) == static_cast<std::size_t>(g.readings) &&
           sizeof(Sample::channelSd) == static_cast<std::size_t>(g.deviations) &&
           sizeof(Sample::medianChannel) == static_cast<std::size_t>(g.medians) &&
           offsetof(Sample, pressure) == g.kSamplePressure &&
           offsetof(Sample, channel) == g.kSampleChannel &&
           offsetof(Sample, channelSd) == g.sampleChannelSd() &&
           offsetof(Sample, medianPressure) == g.sampleMedianPressure() &&
           offsetof(Sample, medianChannel) == g.sampleMedianChannel() &&
           sizeof(Sample) == g.sampleSize() && variant.basics.layout.stride == sizeof(Sample);
}

// Picks the variant by the FormatCode before anything else: data without a
// FormatCode or with one the sensor does not know return kFramingError and
// leave the result area and the module state as they were. Then the decode
// loop runs with the variant's constants.
std::int32_t decodeChannelSensor(const ChannelSensor& sensor, ModuleState& state, void* result,
                                 const std::uint8_t* data, std::int32_t length);

} // namespace xelo
