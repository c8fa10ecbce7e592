// Rules shared by the sensors whose files hold RW records only, each with its
// own absolute time: one record layout in every phase but Surface, and no
// time base after mode tags. The sensor gives its result layout, FormatCode,
// record size, whether every phase tag opens records, and how a record fills
// its slot.
#pragma once

#include "framing/decode_loop.h"

#include <cstdint>

namespace xelo {

template <class Sensor> struct AbsoluteRwRules {
    static constexpr SensorBasics kBasics{Sensor::kLayout, Sensor::kFormatCode + 1,
                                          kCommonOverflowCodes, /*timeBase=*/false,
                                          Sensor::kEveryPhaseTagSetsRW};
    const SensorBasics& basics() const { return kBasics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode != RW || phase == Surface) return RecordPlan::refuse();
        return RecordPlan::record(Sensor::kRecordSize, RecordTime::Absolute);
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == Sensor::kFormatCode; }

    void fill(const Record& record, std::uint8_t* slot) const { Sensor::fill(record.bytes, slot); }
};

} // namespace xelo
