// SBE41 decoder through its exported function: record layouts of both
// FormatCodes, scaling, kinds and times, capacities and overflow codes.
#include "framing/module_state.h"
#include "layouts/sbe41.h"
#include "support/bytes_builder.h"
#include "support/result_area.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xelo {
namespace {

using test::Bytes;
using test::ResultArea;

constexpr std::uint32_t kTimeBase = 1589529600; // 00 4C BE 5E

struct Sbe41 {
    std::int32_t code = 0;
    ResultArea area{sizeof(SBE41Result)};

    explicit Sbe41(const Bytes& bytes) {
        code = _iRERUDODDecodeDataSBE41(area.area(), bytes.data(), bytes.size());
        EXPECT_TRUE(area.guardsIntact());
    }
    std::uint16_t count(int phase) { return area.count(kSBE41Layout, phase); }
    std::uint8_t* sample(int phase, int i) { return area.sample(kSBE41Layout, phase, i); }
    std::uint8_t kind(int phase, int i) { return sample(phase, i)[0]; }
    std::uint32_t time(int phase, int i) { return loadU32(sample(phase, i) + 1); }
    float value(int phase, int i, std::size_t field) { return loadF32(sample(phase, i) + field); }
};

constexpr std::size_t kP = offsetof(SBE41Sample, pressure);
constexpr std::size_t kT = offsetof(SBE41Sample, temperature);
constexpr std::size_t kS = offsetof(SBE41Sample, salinity);
constexpr std::size_t kTsd = offsetof(SBE41Sample, temperatureSd);
constexpr std::size_t kSsd = offsetof(SBE41Sample, salinitySd);
constexpr std::size_t kMp = offsetof(SBE41Sample, medianPressure);
constexpr std::size_t kMt = offsetof(SBE41Sample, medianTemperature);
constexpr std::size_t kMs = offsetof(SBE41Sample, medianSalinity);

const std::vector<std::uint8_t> kNineBytes = {0x0A, 0x00, 0x72, 0x17, 0xC1, 0x43, 0x07, 0x87, 0x56};

// The same value the decoder must store: extended-precision arithmetic,
// rounded once to single precision.
float expected(long double value) {
    return static_cast<float>(value);
}

TEST(Sbe41Decoder, FormatCode1AddsTheNibblesOfResolution) {
    Sbe41 d(Bytes(1).tag("[DESCENT](AM)").u32(kTimeBase).raw(kNineBytes));
    ASSERT_EQ(d.code, 3);
    ASSERT_EQ(d.count(Descent), 1);
    EXPECT_EQ(d.kind(Descent, 0), AM);
    EXPECT_EQ(d.time(Descent, 0), 1589529610u);
    EXPECT_EQ(d.value(Descent, 0, kP), expected(6002 * 0.1L + 5 * 0.01L - 100));
    EXPECT_FLOAT_EQ(d.value(Descent, 0, kP), 500.25f);
    EXPECT_EQ(d.value(Descent, 0, kT), expected(17345 * 0.001L + 6 * 0.0001L - 5));
    EXPECT_NEAR(d.value(Descent, 0, kT), 12.3456, 0.00005);
    EXPECT_EQ(d.value(Descent, 0, kS), expected(34567 * 0.001L));
}

TEST(Sbe41Decoder, FormatCode2ReadsEightByteRecords) {
    // The ninth byte (0x56) starts the next record, which the data cut short.
    Sbe41 d(Bytes(2).tag("[DESCENT](AM)").u32(kTimeBase).raw(kNineBytes));
    ASSERT_EQ(d.code, 3);
    ASSERT_EQ(d.count(Descent), 1);
    EXPECT_EQ(d.time(Descent, 0), 1589529610u);
    EXPECT_EQ(d.value(Descent, 0, kP), expected(6002 * 0.1L - 100));
    EXPECT_EQ(d.value(Descent, 0, kT), expected(17345 * 0.001L - 5));
    EXPECT_EQ(d.value(Descent, 0, kS), 34.567f);
}

TEST(Sbe41Decoder, ParkRecordsCarryTheirOwnTime) {
    Sbe41 d(
        Bytes(2).tag("[PARK]").raw({0x00, 0x4C, 0xBE, 0x5E, 0x72, 0x17, 0xC1, 0x43, 0x07, 0x87}));
    ASSERT_EQ(d.code, 3);
    ASSERT_EQ(d.count(Park), 1);
    EXPECT_EQ(d.kind(Park, 0), RW);
    EXPECT_EQ(d.time(Park, 0), kTimeBase);
    EXPECT_EQ(d.value(Park, 0, kP), expected(6002 * 0.1L - 100));
    EXPECT_EQ(d.value(Park, 0, kS), 34.567f);

    Sbe41 one(Bytes(1).tag("[SURFACE](DW)").u32(kTimeBase).u16(1000).u16(5000).u16(35000).u8(0x94));
    ASSERT_EQ(one.code, 3);
    EXPECT_EQ(one.kind(Surface, 0), RW);
    EXPECT_EQ(one.value(Surface, 0, kP), expected(1000 * 0.1L + 9 * 0.01L - 100));
    EXPECT_EQ(one.value(Surface, 0, kT), expected(5000 * 0.001L + 4 * 0.0001L - 5));
}

TEST(Sbe41Decoder, RawPressure1000IsExactlyZero) {
    Sbe41 d(Bytes(2).tag("[DESCENT](RW)").u32(0).u16(1).u16(1000).u16(5000).u16(0));
    ASSERT_EQ(d.code, 3);
    EXPECT_EQ(d.value(Descent, 0, kP), 0.0f);
    EXPECT_FALSE(std::signbit(d.value(Descent, 0, kP)));
    EXPECT_EQ(d.value(Descent, 0, kT), 0.0f);
}

TEST(Sbe41Decoder, SurfacingRecordsAllTakeTheTimeBase) {
    Sbe41 d(Bytes(2).tag("[ASCENT](SS)").u32(kTimeBase).repeat(3, {0xE8, 0x03, 0x88, 0x13, 0, 0}));
    ASSERT_EQ(d.code, 3);
    ASSERT_EQ(d.count(Ascent), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d.kind(Ascent, i), SS);
        EXPECT_EQ(d.time(Ascent, i), kTimeBase);
    }
    // FormatCode 1: seven bytes, the seventh holds both nibbles.
    Sbe41 one(
        Bytes(1).tag("[ASCENT](SS)").u32(kTimeBase).raw({0xE8, 0x03, 0x88, 0x13, 0, 0, 0x21}));
    ASSERT_EQ(one.code, 3);
    EXPECT_EQ(one.value(Ascent, 0, kP), expected(1000 * 0.1L + 2 * 0.01L - 100));
    EXPECT_EQ(one.value(Ascent, 0, kT), expected(5000 * 0.001L + 1 * 0.0001L - 5));
}

// Every mode with deviation and median blocks, both FormatCodes: which bytes
// feed which field, and which fields stay as the area held them.
TEST(Sbe41Decoder, DeviationAndMedianBlocksFollowTheirLayouts) {
    struct Case {
        std::uint8_t formatCode;
        const char* mode;
        std::vector<std::uint8_t> record;
        bool sd, md;
        long double medianPressure, medianTemperature;
    };
    const std::vector<std::uint8_t> fc1 = {5, 0, 0xE8, 0x03, 0x88, 0x13, 0x10, 0x27, 0x21};
    const std::vector<std::uint8_t> fc2 = {5, 0, 0xE8, 0x03, 0x88, 0x13, 0x10, 0x27};
    auto join = [](std::vector<std::uint8_t> a, std::initializer_list<std::uint8_t> b) {
        a.insert(a.end(), b);
        return a;
    };
    const Case cases[] = {
        {1, "(AM)(SD)", join(fc1, {0xFF, 0x80}), true, false, 0, 0},
        {2, "(AM)(SD)", join(fc2, {0xFF, 0x80}), true, false, 0, 0},
        {1, "(AM)(MD)", join(fc1, {0xD0, 0x07, 0x70, 0x17, 0x20, 0x4E, 0x43}), false, true,
         2000 * 0.1L + 4 * 0.01L - 100, 6000 * 0.001L + 3 * 0.0001L - 5},
        {2, "(AM)(MD)", join(fc2, {0xD0, 0x07, 0x70, 0x17, 0x20, 0x4E}), false, true,
         2000 * 0.1L - 100, 6000 * 0.001L - 5},
        {1, "(AM)(SD)(MD)", join(fc1, {0xFF, 0x80, 0xD0, 0x07, 0x70, 0x17, 0x20, 0x4E, 0x43}), true,
         true, 2000 * 0.1L + 4 * 0.01L - 100, 6000 * 0.001L + 3 * 0.0001L - 5},
        {2, "(AM)(SD)(MD)", join(fc2, {0xFF, 0x80, 0xD0, 0x07, 0x70, 0x17, 0x20, 0x4E}), true, true,
         2000 * 0.1L - 100, 6000 * 0.001L - 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " FormatCode " + std::to_string(c.formatCode));
        Sbe41 d(Bytes(c.formatCode).tag("[DEEP_PROFILE]").tag(c.mode).u32(100).raw(c.record));
        ASSERT_EQ(d.code, 3);
        ASSERT_EQ(d.count(DeepProfile), 1);
        EXPECT_EQ(d.time(DeepProfile, 0), 105u);
        const long double nibbleP = c.formatCode == 1 ? 2 * 0.01L : 0;
        const long double nibbleT = c.formatCode == 1 ? 1 * 0.0001L : 0;
        EXPECT_EQ(d.value(DeepProfile, 0, kP), expected(1000 * 0.1L + nibbleP - 100));
        EXPECT_EQ(d.value(DeepProfile, 0, kT), expected(5000 * 0.001L + nibbleT - 5));
        EXPECT_EQ(d.value(DeepProfile, 0, kS), 10.0f);
        std::uint8_t* sample = d.sample(DeepProfile, 0);
        if (c.sd) {
            EXPECT_EQ(d.value(DeepProfile, 0, kTsd), expected(-1 * 0.001L));
            EXPECT_EQ(d.value(DeepProfile, 0, kSsd), expected(-128 * 0.001L));
        } else {
            for (std::size_t b = kTsd; b < kMp; ++b)
                EXPECT_EQ(sample[b], ResultArea::kPattern);
        }
        if (c.md) {
            EXPECT_EQ(d.value(DeepProfile, 0, kMp), expected(c.medianPressure));
            EXPECT_EQ(d.value(DeepProfile, 0, kMt), expected(c.medianTemperature));
            EXPECT_EQ(d.value(DeepProfile, 0, kMs), 20.0f);
        } else {
            for (std::size_t b = kMp; b < sizeof(SBE41Sample); ++b)
                EXPECT_EQ(sample[b], ResultArea::kPattern);
        }
    }
}

TEST(Sbe41Decoder, KindsFollowModeInProfilePhasesAndRwElsewhere) {
    Sbe41 d(Bytes(2)
                .tag("[DESCENT](DW)")
                .u32(10)
                .raw({1, 0, 0xE8, 0x03, 0x88, 0x13, 0, 0})
                .tag("[SURFACE](DW)")
                .u32(99)
                .raw({0xE8, 0x03, 0x88, 0x13, 0, 0}));
    ASSERT_EQ(d.code, 3);
    EXPECT_EQ(d.kind(Descent, 0), DW);
    EXPECT_EQ(d.time(Descent, 0), 11u);
    EXPECT_EQ(d.kind(Surface, 0), RW);
    EXPECT_EQ(d.time(Surface, 0), 99u);
}

TEST(Sbe41Decoder, RefusesModesOutsideTheirPhases) {
    const std::vector<std::uint8_t> record(18, 0x11);
    EXPECT_EQ(Sbe41(Bytes(2).tag("[PARK](AM)").raw(record)).code, -3);
    EXPECT_EQ(Sbe41(Bytes(2).tag("[SHORT_PARK](AM)(SD)").raw(record)).code, -3);
    EXPECT_EQ(Sbe41(Bytes(2).tag("[DESCENT](SS)").u32(0).raw(record)).code, -3);
    EXPECT_EQ(Sbe41(Bytes(2).tag("[DEEP_PROFILE](SS)").u32(0).raw(record)).code, -3);
}

TEST(Sbe41Decoder, UnknownFormatCodeFailsAtTheFirstRecord) {
    EXPECT_EQ(Sbe41(Bytes(7).tag("[DESCENT](AM)").u32(0).raw(kNineBytes)).code, -3);
    EXPECT_EQ(Sbe41(Bytes(1).tag("[DESCENT](AM)").u32(0)).code, -3); // tags, no record
    EXPECT_EQ(Sbe41(Bytes(1).tag("[DESCENT][PARK]")).code, -3);
}

TEST(Sbe41Decoder, NullResultAndTinyData) {
    const Bytes bytes = Bytes(1).tag("[DESCENT](AM)").u32(0).raw(kNineBytes);
    EXPECT_EQ(_iRERUDODDecodeDataSBE41(nullptr, bytes.data(), bytes.size()), -1);
    EXPECT_EQ(Sbe41(Bytes()).code, -3);
    EXPECT_EQ(Sbe41(Bytes(1)).code, -3);
}

// Each section holds its capacity minus one records and has its own code.
TEST(Sbe41Decoder, EverySectionOverflowsWithItsOwnCode) {
    const struct {
        const char* tag;
        int phase;
        int capacity;
        std::int32_t overflow;
        bool profile;
    } sections[] = {
        {"[DESCENT]", Descent, 4500, -4, true},
        {"[PARK]", Park, 500, -5, false},
        {"[DEEP_PROFILE]", DeepProfile, 1500, -6, true},
        {"[SHORT_PARK]", ShortPark, 100, -7, false},
        {"[ASCENT]", Ascent, 4500, -8, true},
        {"[SURFACE]", Surface, 300, -9, false},
    };
    const std::vector<std::uint8_t> profileRecord = {1, 0, 0xE8, 0x03, 0x88, 0x13, 0x10, 0x27};
    const std::vector<std::uint8_t> parkRecord = {1, 0, 0, 0, 0xE8, 0x03, 0x88, 0x13, 0x10, 0x27};
    for (const auto& s : sections) {
        SCOPED_TRACE(s.tag);
        auto file = [&](int records) {
            Bytes bytes(2);
            bytes.tag(s.tag);
            if (s.profile) bytes.tag("(RW)").u32(0);
            return bytes.repeat(static_cast<std::size_t>(records),
                                s.profile ? profileRecord : parkRecord);
        };
        Sbe41 fits(file(s.capacity - 1));
        EXPECT_EQ(fits.code, 3);
        EXPECT_EQ(fits.count(s.phase), s.capacity - 1);
        Sbe41 full(file(s.capacity));
        EXPECT_EQ(full.code, s.overflow);
        EXPECT_EQ(full.count(s.phase), s.capacity);
        EXPECT_EQ(full.sample(s.phase, s.capacity - 1)[0], ResultArea::kPattern);
    }
}

TEST(Sbe41Decoder, FieldsAModeDoesNotWriteKeepTheirEarlierValues) {
    ResultArea area(sizeof(SBE41Result));
    const Bytes full = Bytes(2)
                           .tag("[DESCENT](AM)(SD)(MD)")
                           .u32(0)
                           .raw({1, 0, 0xE8, 0x03, 0x88, 0x13, 0x10, 0x27, 3, 4, 0xD0, 0x07, 0x70,
                                 0x17, 0x20, 0x4E});
    ASSERT_EQ(_iRERUDODDecodeDataSBE41(area.area(), full.data(), full.size()), 3);
    std::vector<std::uint8_t> before(area.sample(kSBE41Layout, Descent, 0) + kTsd,
                                     area.sample(kSBE41Layout, Descent, 0) + sizeof(SBE41Sample));
    const Bytes plain =
        Bytes(2).tag("[DESCENT](AM)").u32(0).raw({1, 0, 0x10, 0x27, 0x10, 0x27, 0, 0});
    ASSERT_EQ(_iRERUDODDecodeDataSBE41(area.area(), plain.data(), plain.size()), 3);
    EXPECT_EQ(area.u8(kSBE41Layout.sampleOffset(Descent, 0)), AM);
    std::vector<std::uint8_t> after(area.sample(kSBE41Layout, Descent, 0) + kTsd,
                                    area.sample(kSBE41Layout, Descent, 0) + sizeof(SBE41Sample));
    EXPECT_EQ(before, after);
}

TEST(LibraryVersion, IsV200) {
    char text[16];
    std::fill(std::begin(text), std::end(text), '#');
    _vFDecoderVersion(text);
    EXPECT_STREQ(text, "v2.00");
    EXPECT_EQ(text[6], '#'); // six bytes with the terminator, nothing more
}

} // namespace
} // namespace xelo
