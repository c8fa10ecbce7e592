// Checks shared by the decoder tests that call the library's exports: one
// call on an exact-size area with its guards checked, the expected bytes of a
// whole sample, and the capacity rule of one section.
#pragma once

#include "framing/module_state.h"
#include "framing/result_codes.h"
#include "support/bytes_builder.h"
#include "support/result_area.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace xelo::test {

// Runs an export on `bytes` into `area`; a write outside the area fails the test.
inline std::int32_t callExport(DecodeFunction decode, ResultArea& area, const Bytes& bytes) {
    const std::int32_t code = decode(area.area(), bytes.data(), bytes.size());
    EXPECT_TRUE(area.guardsIntact()) << "a byte outside the result area was written";
    return code;
}

// The expected bytes of one sample: a stride of the area's fill pattern with
// the written fields laid over it, little-endian.
class SampleImage {
  public:
    explicit SampleImage(std::size_t stride, std::uint8_t fill = ResultArea::kPattern)
        : bytes_(stride, fill) {}

    SampleImage& u8(std::size_t at, std::uint8_t v) { return put(at, v, 1); }
    SampleImage& u16(std::size_t at, std::uint16_t v) { return put(at, v, 2); }
    SampleImage& u32(std::size_t at, std::uint32_t v) { return put(at, v, 4); }
    SampleImage& f32(std::size_t at, float v) {
        return put(at, std::bit_cast<std::uint32_t>(v), 4);
    }
    SampleImage& f64(std::size_t at, double v) {
        return put(at, std::bit_cast<std::uint64_t>(v), 8);
    }
    // kind and time, the head of every sample
    SampleImage& head(std::uint8_t kind, std::uint32_t time) { return u8(0, kind).u32(1, time); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    SampleImage& put(std::size_t at, std::uint64_t v, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            bytes_.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
        return *this;
    }
    std::vector<std::uint8_t> bytes_;
};

inline std::vector<std::uint8_t> sampleBytes(ResultArea& area, const ResultLayout& layout,
                                             int phase, std::uint32_t index) {
    const std::uint8_t* p = area.sample(layout, phase, index);
    return {p, p + layout.stride};
}

// A section of capacity N takes N - 1 records; the Nth returns the overflow
// code, leaves the count at N and its own slot unwritten. `opening` is the
// FormatCode and the tags (and time base) before the records.
inline void expectCapacityRule(DecodeFunction decode, const ResultLayout& layout, int phase,
                               const Bytes& opening, const std::vector<std::uint8_t>& record,
                               std::int32_t successCode, std::int32_t overflowCode) {
    const std::uint32_t capacity = layout.capacity[phase];
    ResultArea fits(layout.size());
    EXPECT_EQ(callExport(decode, fits, Bytes(opening).repeat(capacity - 1, record)), successCode);
    EXPECT_EQ(fits.count(layout, phase), capacity - 1);

    ResultArea full(layout.size());
    EXPECT_EQ(callExport(decode, full, Bytes(opening).repeat(capacity, record)), overflowCode);
    EXPECT_EQ(full.count(layout, phase), capacity);
    EXPECT_NE(full.sample(layout, phase, capacity - 2)[0], ResultArea::kPattern);
    EXPECT_EQ(sampleBytes(full, layout, phase, capacity - 1), SampleImage(layout.stride).bytes())
        << "the last slot of a section is never written";
}

// Decodes `data` and expects one sample, in `phase`, whose bytes are `expected`.
inline void expectOneSample(DecodeFunction decode, const ResultLayout& layout, const Bytes& data,
                            int phase, const SampleImage& expected, std::int32_t successCode) {
    ResultArea area(layout.size());
    ASSERT_EQ(callExport(decode, area, data), successCode);
    for (int p = 0; p < kPhaseCount; ++p)
        EXPECT_EQ(area.count(layout, p), p == phase ? 1 : 0) << "count of phase " << p;
    EXPECT_EQ(sampleBytes(area, layout, phase, 0), expected.bytes());
}

struct RefusedData {
    const char* what;
    Bytes data;
};

// Each of `cases` is a framing error (-3); a null area is refused (-1) even
// with `valid` data.
inline void expectRefused(DecodeFunction decode, const ResultLayout& layout,
                          std::span<const RefusedData> cases, const Bytes& valid) {
    for (const RefusedData& c : cases) {
        ResultArea area(layout.size());
        EXPECT_EQ(callExport(decode, area, c.data), kFramingError) << c.what;
    }
    EXPECT_EQ(decode(nullptr, valid.data(), valid.size()), kNoResultArea);
}

// `data` hold one record in `phase` under a FormatCode the decoder does not
// know: the call fails after the capacity rule counted the record, and its
// slot stays unwritten.
inline void expectUnknownFormatCodeRefusedAfterCounting(DecodeFunction decode,
                                                        const ResultLayout& layout,
                                                        const Bytes& data, int phase) {
    ResultArea area(layout.size());
    EXPECT_EQ(callExport(decode, area, data), kFramingError);
    EXPECT_EQ(area.count(layout, phase), 1);
    EXPECT_EQ(sampleBytes(area, layout, phase, 0), SampleImage(layout.stride).bytes());
}

// The capacity rule in every section that has slots, for the sensors whose
// descent overflows with -4 and every other section with -10. `profile` is a
// record of the plain profile shape (RW, AM and DW), `parkLike` one of a
// park-like phase.
inline void expectCapacityRuleInEverySection(DecodeFunction decode, const ResultLayout& layout,
                                             std::uint8_t formatCode,
                                             const std::vector<std::uint8_t>& profile,
                                             const std::vector<std::uint8_t>& parkLike,
                                             std::int32_t successCode) {
    // A different mode in each profile phase, the time base 0.
    constexpr const char* kOpening[kPhaseCount] = {"[DESCENT](RW)",      "[PARK]",
                                                   "[DEEP_PROFILE](AM)", "[SHORT_PARK]",
                                                   "[ASCENT](DW)",       "[SURFACE]"};
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        if (layout.capacity[phase] == 0) continue;
        SCOPED_TRACE(kOpening[phase]);
        Bytes opening(formatCode);
        opening.tag(kOpening[phase]);
        if (isProfilePhase(static_cast<std::uint8_t>(phase))) opening.u32(0);
        expectCapacityRule(decode, layout, phase, opening,
                           isProfilePhase(static_cast<std::uint8_t>(phase)) ? profile : parkLike,
                           successCode, phase == Descent ? kDescentFull : kOtherSectionFull);
    }
}

} // namespace xelo::test
