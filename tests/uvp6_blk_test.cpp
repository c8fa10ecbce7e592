// UVP6 BLK decoder and report: records read right after the mode tag (no time
// base), times as carried, RW only, capacities, and the CSV text that
// xelo-decode writes for Descent, Park and Ascent.
#include "framing/module_state.h"
#include "layouts/uvp6_blk.h"
#include "support/cli_run.h"
#include "support/sensor_run.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::ExportRun;
using test::kMay15At8;

constexpr std::size_t kP = offsetof(UVP6BlkSample, pressure);
constexpr std::size_t kT = offsetof(UVP6BlkSample, temperature);
constexpr std::size_t kWords = offsetof(UVP6BlkSample, wordValues);

struct BlkRaw {
    std::uint16_t pressure = 1100;     // 10.0
    std::uint16_t temperature = 17346; // 12.346
    std::array<std::uint16_t, 5> words = {0, 1, 0x1234, 0x8000, 0xFFFF};
};

Bytes& record(Bytes& b, std::uint32_t time, const BlkRaw& raw = {}) {
    b.u32(time).u16(raw.pressure).u16(raw.temperature);
    for (std::uint16_t w : raw.words)
        b.u16(w);
    return b;
}

ExportRun decode(const Bytes& bytes) {
    return ExportRun(_iRERUDODDecodeDataUVP6Blk, kUVP6BlkLayout, bytes);
}

TEST(Uvp6BlkDecoder, RecordsFollowTheModeTagAndKeepTheTimeTheyCarry) {
    BlkRaw raw;
    raw.pressure = 65535;
    raw.temperature = 0;
    Bytes bytes(17);
    record(bytes.tag("[DESCENT](RW)"), kMay15At8, raw);
    ASSERT_EQ(bytes.size(), 1 + 13 + 18);
    ExportRun d = decode(bytes);
    ASSERT_EQ(d.code, 18);
    ASSERT_EQ(d.count(Descent), 1);
    EXPECT_EQ(d.kind(Descent, 0), RW);
    EXPECT_EQ(d.time(Descent, 0), kMay15At8);
    EXPECT_EQ(d.f32(Descent, 0, kP), static_cast<float>(65535 * 0.1L - 100));
    EXPECT_EQ(d.f32(Descent, 0, kT), -5.0f);
    for (std::size_t w = 0; w < 5; ++w)
        EXPECT_EQ(d.u16(Descent, 0, kWords + 2 * w), raw.words[w]) << w;
    EXPECT_EQ(d.u16(Descent, 0, kWords + 8), 65535);
    EXPECT_TRUE(d.slotUntouched(Descent, 1));
}

TEST(Uvp6BlkDecoder, EveryAcceptedPhaseTakesTheSameLayout) {
    const struct {
        const char* tags;
        int phase;
    } cases[] = {
        {"[DESCENT](RW)", Descent},  {"[PARK]", Park},
        {"[PARK](RW)", Park},        {"[DEEP_PROFILE](RW)", DeepProfile},
        {"[SHORT_PARK]", ShortPark}, {"[ASCENT](RW)", Ascent},
    };
    BlkRaw raw;
    raw.temperature = 5000; // 0.0
    for (const auto& c : cases) {
        Bytes bytes(17);
        record(record(bytes.tag(c.tags), 100, raw), 90, raw); // no order is imposed on times
        ExportRun d = decode(bytes);
        ASSERT_EQ(d.code, 18) << c.tags;
        ASSERT_EQ(d.count(c.phase), 2) << c.tags;
        EXPECT_EQ(d.time(c.phase, 0), 100u) << c.tags;
        EXPECT_EQ(d.time(c.phase, 1), 90u) << c.tags;
        EXPECT_EQ(d.kind(c.phase, 1), RW) << c.tags;
        EXPECT_EQ(d.f32(c.phase, 1, kP), 10.0f) << c.tags;
        EXPECT_EQ(d.f32(c.phase, 1, kT), 0.0f) << c.tags;
        EXPECT_EQ(d.u16(c.phase, 1, kWords + 4), 0x1234) << c.tags;
    }
}

TEST(Uvp6BlkDecoder, RecordsUnderAnyModeButRwOrInSurfaceAreFramingErrors) {
    const struct {
        const char* tags;
        int phase;
    } cases[] = {
        {"[PARK](DW)", Park},       {"[DESCENT](AM)", Descent},          {"[DESCENT](DW)", Descent},
        {"[ASCENT](SS)", Ascent},   {"[ASCENT](AM)(SD)(MD)", Ascent},    {"[SURFACE]", Surface},
        {"[SURFACE](RW)", Surface}, {"[SHORT_PARK](AM)(MD)", ShortPark},
    };
    for (const auto& c : cases) {
        Bytes bytes(17);
        ExportRun d = decode(record(bytes.tag(c.tags), 1));
        EXPECT_EQ(d.code, -3) << c.tags;
        EXPECT_EQ(d.count(c.phase), 0) << c.tags;
    }
}

TEST(Uvp6BlkDecoder, AProfilePhaseTagAloneDoesNotOpenRecords) {
    // "[DESCENT]" needs a mode tag; the record bytes are no tag.
    Bytes bytes(17);
    EXPECT_EQ(decode(record(bytes.tag("[DESCENT]"), 1)).code, -3);
}

TEST(Uvp6BlkDecoder, OtherFormatCodesFailAtTheFirstRecord) {
    for (std::uint8_t fc : {14, 16, 18, 22}) {
        Bytes bytes(fc);
        ExportRun d = decode(record(bytes.tag("[PARK]"), 1));
        EXPECT_EQ(d.code, -3) << int(fc);
        EXPECT_EQ(d.count(Park), 1) << int(fc);
        EXPECT_TRUE(d.slotUntouched(Park, 0)) << int(fc);
    }
}

TEST(Uvp6BlkDecoder, EachSectionHoldsOneRecordFewerThanItsCapacity) {
    const struct {
        const char* tags;
        int phase;
        std::uint32_t capacity;
        std::int32_t overflow;
    } cases[] = {
        {"[DESCENT](RW)", Descent, 1000, -4},
        {"[PARK]", Park, 500, -10},
        {"[DEEP_PROFILE](RW)", DeepProfile, 1000, -10},
        {"[SHORT_PARK]", ShortPark, 50, -10},
        {"[ASCENT](RW)", Ascent, 1000, -10},
    };
    for (const auto& c : cases) {
        auto file = [&](std::uint32_t records) {
            Bytes bytes(17);
            bytes.tag(c.tags);
            for (std::uint32_t r = 0; r < records; ++r)
                record(bytes, r);
            return bytes;
        };
        SCOPED_TRACE(c.tags);
        test::expectCapacityRule(_iRERUDODDecodeDataUVP6Blk, kUVP6BlkLayout, c.phase, c.capacity,
                                 18, c.overflow, file);
    }
}

TEST(Uvp6BlkDecoder, DataThatEndEarlyKeepOnlyCompleteRecords) {
    Bytes stored(17);
    record(stored.tag("[DESCENT](RW)"), 1);
    const struct {
        const char* what;
        Bytes tail;
        std::int32_t code;
    } cases[] = {
        {"nothing more", Bytes(), 18},
        {"filler", Bytes().fill(3, 0x1A), 18},
        {"a record cut short", Bytes().u32(1).u16(2).u16(3).u16(4).u16(5).u16(6).u16(7).u8(8), 18},
        {"a mode tag", Bytes().tag("(RW)"), 18},
        {"a park-like phase tag", Bytes().tag("[SHORT_PARK]"), 18},
        {"a profile phase tag", Bytes().tag("[ASCENT]"), -3},
    };
    for (const auto& c : cases) {
        ExportRun d = decode(Bytes(stored).raw(c.tail.vec()));
        EXPECT_EQ(d.code, c.code) << c.what;
        EXPECT_EQ(d.count(Descent), 1) << c.what;
        EXPECT_TRUE(d.slotUntouched(Descent, 1)) << c.what;
    }
}

TEST(Uvp6BlkReport, DescentParkAndAscentOnlyEachProfileSectionOpeningWithRw) {
    Bytes bytes(17);
    record(record(bytes.tag("[DESCENT](RW)"), kMay15At8), kMay15At8 + 60);
    record(bytes.tag("[DEEP_PROFILE](RW)"), kMay15At8 + 3600);
    record(bytes.tag("[SHORT_PARK]"), kMay15At8 + 3700);
    bytes.tag("[PARK]");
    record(record(record(bytes.tag("[ASCENT](RW)"), kMay15At8 + 7200), kMay15At8 + 7300),
           kMay15At8 + 7250);
    const std::string line = ",10.00,12.35,0,1,4660,32768,65535\r\n";

    const test::CliRun r = test::decodeWithCli("F1234_042_uvp6_blk.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "Decoding result\r\n- Descent: 2\r\n- Ascent: 3\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "[DESCENT]\r\n(RW)\r\n"
                     "2020-05-15 08:00:00" +
                         line + "2020-05-15 08:01:00" + line +
                         "[ASCENT]\r\n(RW)\r\n"
                         "2020-05-15 10:00:00" +
                         line + "2020-05-15 10:01:40" + line + "2020-05-15 10:00:50" + line);
}

TEST(Uvp6BlkReport, ParkHasNoModeLine) {
    BlkRaw raw;
    raw.pressure = 11000;   // 1000.0
    raw.temperature = 7000; // 2.0
    Bytes bytes(17);
    record(record(bytes.tag("[PARK]"), kMay15At8, raw), kMay15At8 + 21600, raw);
    const test::CliRun r = test::decodeWithCli("F1234_042_uvp6_blk.hex", bytes.vec());
    EXPECT_EQ(r.run.out, "Decoding result\r\n- Park: 2\r\n");
    EXPECT_EQ(r.csv, "[PARK]\r\n"
                     "2020-05-15 08:00:00,1000.00,2.00,0,1,4660,32768,65535\r\n"
                     "2020-05-15 14:00:00,1000.00,2.00,0,1,4660,32768,65535\r\n");
}

TEST(Uvp6BlkReport, DeepProfileAloneGivesAnEmptyReport) {
    Bytes bytes(17);
    record(bytes.tag("[DEEP_PROFILE](RW)"), kMay15At8);
    const test::CliRun r = test::decodeWithCli("F1234_042_uvp6_blk.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "The file is empty !\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "");
}

TEST(Uvp6BlkReport, FailedDecodesAreReportedAsCorruptedAndWriteNoFile) {
    Bytes dw(17);
    record(dw.tag("[PARK](DW)"), 1);
    Bytes overflow(17);
    overflow.tag("[SHORT_PARK]");
    for (int r = 0; r < 50; ++r)
        record(overflow, 1);
    Bytes wrongFormat(14);
    record(wrongFormat.tag("[PARK]"), 1);
    for (const Bytes* bytes : {&dw, &overflow, &wrongFormat})
        test::expectCorruptedAnswer("F1234_042_uvp6_blk.hex", bytes->vec());
}

} // namespace
} // namespace xelo
