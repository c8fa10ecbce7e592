#include "channel_sensor.h"

#include "framing/scaling.h"

namespace xelo {
namespace {

class ChannelRules {
  public:
    ChannelRules(const ChannelSensor& sensor, const ChannelVariant& variant)
        : sensor_(sensor), variant_(variant),
          geometry_(ChannelGeometry::of(sensor, variant.channels)) {}

    const SensorBasics& basics() const { return variant_.basics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode == SS)
            return sensor_.ss == SsRecords::EndIfFiller ? RecordPlan::endIfFiller()
                                                        : RecordPlan::refuse();
        const std::optional<RecordShape> shape = recordShapeOf(mode, phase);
        if (!shape) return RecordPlan::refuse();
        return RecordPlan::record(variant_.recordSize[static_cast<std::size_t>(*shape)],
                                  recordTimeOf(*shape));
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == variant_.formatCode; }

    // Pressures are scaled; every reading, deviation and median reading is
    // copied bit for bit, little-endian in the data as in the sample.
    void fill(const Record& record, std::uint8_t* slot) const {
        // plan() accepted this record, so it has a shape.
        const RecordShape shape = *recordShapeOf(record.mode, record.phase);
        const ChannelGeometry& g = geometry_;
        const std::uint8_t* rec = record.bytes;
        storeF32(slot + g.kSamplePressure, pressureFromRaw(loadU16(rec + g.pressureAt(shape))));
        copyBytes(slot + g.kSampleChannel, rec + g.readingsAt(shape),
                  static_cast<std::size_t>(g.readings));
        if (hasDeviations(shape))
            copyBytes(slot + g.sampleChannelSd(), rec + g.deviationsAt(shape),
                      static_cast<std::size_t>(g.deviations));
        if (hasMedians(shape)) {
            const std::uint8_t* median = rec + g.medianPressureAt(shape);
            storeF32(slot + g.sampleMedianPressure(), pressureFromRaw(loadU16(median)));
            copyBytes(slot + g.sampleMedianChannel(), median + 2,
                      static_cast<std::size_t>(g.medians));
        }
    }

  private:
    const ChannelSensor& sensor_;
    const ChannelVariant& variant_;
    ChannelGeometry geometry_;
};

} // namespace

std::int32_t decodeChannelSensor(const ChannelSensor& sensor, ModuleState& state, void* result,
                                 const std::uint8_t* data, std::int32_t length) {
    if (length < 1 || data == nullptr) return kFramingError;
    for (const ChannelVariant& variant : sensor.variants)
        if (variant.formatCode == data[0])
            return runDecodeLoop(state, ChannelRules(sensor, variant), result, data, length);
    return kFramingError;
}

} // namespace xelo
