// The multi-channel sensors (OCR, ECO, ECOv2) in the tests: every variant
// described by the figures of its data and its result area, records built
// from values, and the decoder tests that all variants share (instantiated
// in each sensor's test file).
#pragma once

#include "framing/module_state.h"
#include "support/bytes_builder.h"
#include "support/cli_run.h"
#include "support/files.h"
#include "support/result_area.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace xelo::test {

inline constexpr std::array<std::uint32_t, 6> kChannelCapacity = {2500, 500, 500, 100, 2500, 300};

struct ChannelCase {
    const char* name;
    DecodeFunction decode;
    std::uint8_t formatCode;
    int channels;
    int readingWidth; // bytes of a reading and of a median reading
    int sdWidth;      // bytes of a deviation value
    std::int32_t successCode;
    bool ssEndsIfFiller; // "(SS)" records: filler only gives success, else -3 (false: always -3)
    // The result area as the sensor's tables give it.
    std::uint32_t sampleSize;
    std::uint32_t channelSdAt;
    std::uint32_t medianPressureAt;
    std::uint32_t medianChannelAt;
    std::array<std::uint32_t, 6> countAt;
    std::uint32_t areaSize;
    std::vector<std::uint8_t> foreignCodes; // FormatCodes the export does not know
    // Record lengths: RW, AM_SD, AM_MD, AM_SD_MD in profile phases; park-like.
    std::array<std::int32_t, 5> recordSizes;
    const char* sample; // the bundled sample file of the variant

    std::uint32_t sampleAt(int phase, std::uint32_t index) const {
        return countAt[phase] + 2 + index * sampleSize;
    }
};

inline std::ostream& operator<<(std::ostream& out, const ChannelCase& c) {
    return out << c.name;
}

// One record's values; readings are cut to the variant's widths when written.
struct ChannelValues {
    std::uint16_t pressure = 1000;
    std::vector<std::uint32_t> channel;
    std::vector<std::uint32_t> channelSd;
    std::uint16_t medianPressure = 1000;
    std::vector<std::uint32_t> medianChannel;
};

inline ChannelValues values(std::uint16_t pressure, std::vector<std::uint32_t> channel,
                            std::vector<std::uint32_t> channelSd = {},
                            std::uint16_t medianPressure = 1000,
                            std::vector<std::uint32_t> medianChannel = {}) {
    return {pressure, std::move(channel), std::move(channelSd), medianPressure,
            std::move(medianChannel)};
}

bool hasSd(std::uint8_t mode);
bool hasMd(std::uint8_t mode);

// Values whose bytes differ from each other and from the guard pattern, so
// that a value in a wrong place is seen.
ChannelValues distinctValues(const ChannelCase& c, std::uint32_t salt);

// A profile record (u16 time step) under `mode`, with the blocks the mode has.
void appendProfileRecord(Bytes& bytes, const ChannelCase& c, std::uint8_t mode, std::uint16_t step,
                         const ChannelValues& v);
// A park-like record (u32 time), pressure and readings.
void appendParkRecord(Bytes& bytes, const ChannelCase& c, std::uint32_t time,
                      const ChannelValues& v);
std::int32_t profileRecordSize(const ChannelCase& c, std::uint8_t mode);
std::int32_t parkRecordSize(const ChannelCase& c);

// A value of `width` bytes, little-endian, as an unsigned number.
std::uint32_t loadWidth(const std::uint8_t* p, int width);
std::uint32_t cutToWidth(std::uint32_t value, int width);

// Checks the sample against the values: kind, time, pressure, readings, and
// the blocks of `mode`; the blocks the mode does not write still hold `kept`.
void expectSample(ResultArea& area, const ChannelCase& c, int phase, std::uint32_t index,
                  std::uint8_t kind, std::uint32_t time, std::uint8_t mode, const ChannelValues& v,
                  std::uint8_t kept = ResultArea::kPattern);

// The six phase counts of the area, in CyclePhase order.
using PhaseCounts = std::array<std::uint16_t, 6>;
PhaseCounts countsOf(ResultArea& area, const ChannelCase& c);
PhaseCounts onlyIn(int phase, std::uint16_t count);

class ChannelDecoder : public ::testing::TestWithParam<ChannelCase> {
  protected:
    struct Decoded {
        std::int32_t code;
        ResultArea area;
    };
    const ChannelCase& variant() const { return GetParam(); }
    Bytes start() const { return Bytes(variant().formatCode); }
    Decoded decode(const Bytes& bytes);
    std::int32_t decodeInto(ResultArea& area, const Bytes& bytes);
};

} // namespace xelo::test
