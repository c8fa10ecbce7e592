// The CROVER transmissometer decoder through its export, and its report
// through xelo-decode. Every fixture opens with a phase tag, because phase
// and mode carry over from one call of the library to the next.
#include "framing/module_state.h"
#include "framing/result_codes.h"
#include "layouts/crover.h"
#include "layouts/do.h"
#include "support/cli_run.h"
#include "support/export_checks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::callExport;
using test::ResultArea;
using test::SampleImage;

constexpr std::uint8_t kFormatCode = 10;
constexpr std::int32_t kSuccess = 11;
constexpr std::uint32_t kT = 1589529600; // 2020-05-15 08:00:00
constexpr std::size_t kStride = sizeof(CROVERSample);

// A profile record: step, pressure, reading, then the mode's further values.
std::vector<std::uint8_t> profile(std::uint16_t step, std::uint16_t pressure, std::uint16_t reading,
                                  std::initializer_list<std::uint16_t> more = {}) {
    Bytes bytes;
    bytes.u16(step).u16(pressure).u16(reading);
    for (std::uint16_t v : more)
        bytes.u16(v);
    return bytes.vec();
}
std::vector<std::uint8_t> park(std::uint32_t time, std::uint16_t pressure, std::uint16_t reading) {
    return Bytes().u32(time).u16(pressure).u16(reading).vec();
}

std::int32_t decode(ResultArea& area, const Bytes& bytes) {
    return callExport(_iRERUDODDecodeDataCROVER, area, bytes);
}

TEST(CroverDecoder, FillsExactlyTheFieldsOfEachRecordShape) {
    const struct {
        const char* what;
        Bytes data;
        int phase;
        SampleImage expected;
    } cases[] = {
        {"(RW) in the descent",
         Bytes(kFormatCode).tag("[DESCENT](RW)").u32(kT).raw(profile(10, 1234, 4000)), Descent,
         SampleImage(kStride).head(RW, kT + 10).f32(5, 23.4f).u16(9, 4000)},
        {"(AM) with the lowest pressure",
         Bytes(kFormatCode).tag("[DEEP_PROFILE](AM)").u32(kT).raw(profile(1, 0, 0xFFFF)),
         DeepProfile, SampleImage(kStride).head(AM, kT + 1).f32(5, -100.0f).u16(9, 0xFFFF)},
        {"(DW) in a profile phase keeps its kind",
         Bytes(kFormatCode).tag("[ASCENT](DW)").u32(kT).raw(profile(7, 65535, 0x7FFF)), Ascent,
         SampleImage(kStride).head(DW, kT + 7).f32(5, 6453.5f).u16(9, 0x7FFF)},
        {"(AM)(SD) adds the (SD) value",
         Bytes(kFormatCode)
             .tag("[DESCENT](AM)(SD)")
             .u32(kT)
             .raw(profile(3, 1000, 0x8000, {0xFFFF})),
         Descent,
         SampleImage(kStride).head(AM_SD, kT + 3).f32(5, 0.0f).u16(9, 0x8000).u16(11, 0xFFFF)},
        {"(AM)(MD) leaves the (SD) bytes as they were",
         Bytes(kFormatCode)
             .tag("[ASCENT](AM)(MD)")
             .u32(kT)
             .raw(profile(20, 1100, 1500, {1101, 0x1234})),
         Ascent,
         SampleImage(kStride)
             .head(AM_MD, kT + 20)
             .f32(5, 10.0f)
             .u16(9, 1500)
             .f32(13, 10.1f)
             .u16(17, 0x1234)},
        {"(AM)(SD)(MD) writes every field",
         Bytes(kFormatCode)
             .tag("[DEEP_PROFILE](AM)(SD)(MD)")
             .u32(kT)
             .raw(profile(30, 3000, 900, {12, 3002, 905})),
         DeepProfile,
         SampleImage(kStride)
             .head(AM_SD_MD, kT + 30)
             .f32(5, 200.0f)
             .u16(9, 900)
             .u16(11, 12)
             .f32(13, 200.2f)
             .u16(17, 905)},
        {"a park record carries its own time",
         Bytes(kFormatCode).tag("[PARK]").raw(park(kT + 500, 11000, 610)), Park,
         SampleImage(kStride).head(RW, kT + 500).f32(5, 1000.0f).u16(9, 610)},
        {"a short-park record after (DW) is stored with kind RW",
         Bytes(kFormatCode).tag("[SHORT_PARK](DW)").raw(park(kT + 9, 21000, 605)).fill(2, 0x1A),
         ShortPark, SampleImage(kStride).head(RW, kT + 9).f32(5, 2000.0f).u16(9, 605)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectOneSample(_iRERUDODDecodeDataCROVER, kCROVERLayout, c.data, c.phase, c.expected,
                              kSuccess);
    }
}

TEST(CroverDecoder, RecordTimesFollowStepsAndTimeBases) {
    ResultArea area(kCROVERLayout.size());
    const Bytes data = Bytes(kFormatCode)
                           .tag("[DESCENT](AM)(SD)(MD)")
                           .u32(5000)
                           .raw(profile(1, 1100, 1, {0, 1100, 1}))
                           .raw(profile(2, 1100, 1, {0, 1100, 1}))
                           .tag("(RW)")
                           .u32(9000)
                           .raw(profile(5, 1100, 1));
    ASSERT_EQ(decode(area, data), kSuccess);
    ASSERT_EQ(area.count(kCROVERLayout, Descent), 3);
    const std::uint32_t times[] = {5001, 5003, 9005};
    const std::uint8_t kinds[] = {AM_SD_MD, AM_SD_MD, RW};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loadU32(area.sample(kCROVERLayout, Descent, i) + 1), times[i]) << i;
        EXPECT_EQ(area.sample(kCROVERLayout, Descent, i)[0], kinds[i]) << i;
    }
}

TEST(CroverDecoder, SurfaceHasACountButNoSlots) {
    // A file may end on its surface tag; the count stays 0 and nothing lies past it.
    ResultArea area(kCROVERLayout.size());
    ASSERT_EQ(
        decode(area, Bytes(kFormatCode).tag("[PARK]").raw(park(kT, 1100, 1)).tag("[SURFACE]")),
        kSuccess);
    EXPECT_EQ(area.u16(115910), 0);
    EXPECT_EQ(area.count(kCROVERLayout, Park), 1);
}

TEST(CroverDecoder, RefusesWhatItHasNoLayoutFor) {
    const std::vector<std::uint8_t> record = profile(1, 1100, 1);
    const std::vector<std::uint8_t> parkRecord = park(kT, 1100, 1);
    const test::RefusedData cases[] = {
        {"no data at all", Bytes()},
        {"nothing after the FormatCode", Bytes(kFormatCode)},
        {"no tag where one must stand", Bytes(kFormatCode).raw(record)},
        {"tags but no record", Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT)},
        {"a record at the surface", Bytes(kFormatCode).tag("[SURFACE]").raw(parkRecord)},
        {"a record at the surface after (DW)",
         Bytes(kFormatCode).tag("[SURFACE](DW)").raw(parkRecord)},
        {"filler right after the surface tag", Bytes(kFormatCode).tag("[SURFACE]").fill(8, 0x1A)},
        {"(AM) in the park phase", Bytes(kFormatCode).tag("[PARK](AM)").raw(parkRecord)},
        {"(AM)(MD) in the short park",
         Bytes(kFormatCode).tag("[SHORT_PARK](AM)(MD)").raw(parkRecord)},
        {"a record under (SS)", Bytes(kFormatCode).tag("[ASCENT](SS)").u32(kT).raw(record)},
        {"the pH FormatCode", Bytes(11).tag("[DESCENT](AM)").u32(kT).raw(record)},
        {"the data end after a profile phase tag",
         Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT).raw(record).tag("[DEEP_PROFILE]")},
    };
    test::expectRefused(_iRERUDODDecodeDataCROVER, kCROVERLayout, cases,
                        Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT).raw(record));
}

TEST(CroverDecoder, UnknownFormatCodeFailsAfterTheCountGrew) {
    test::expectUnknownFormatCodeRefusedAfterCounting(
        _iRERUDODDecodeDataCROVER, kCROVERLayout,
        Bytes(11).tag("[ASCENT](AM)").u32(kT).raw(profile(1, 1100, 1)), Ascent);
}

TEST(CroverDecoder, EachSectionHoldsOneRecordLessThanItsCapacity) {
    test::expectCapacityRuleInEverySection(_iRERUDODDecodeDataCROVER, kCROVERLayout, kFormatCode,
                                           profile(1, 1100, 1), park(kT, 1100, 1), kSuccess);
}

TEST(CroverDecoder, PhaseAndModeCarryOverFromAnotherDecodersCall) {
    ResultArea doArea(kDOLayout.size());
    const Bytes doFile = Bytes(3).tag("[SHORT_PARK]").u32(kT).u16(1100).u32(0).u32(0).u16(5000);
    ASSERT_EQ(callExport(_iRERUDODDecodeDataDO, doArea, doFile), 4);
    // No phase tag: the records land in the short park where the last call ended.
    ResultArea area(kCROVERLayout.size());
    ASSERT_EQ(decode(area, Bytes(kFormatCode).tag("(DW)").raw(park(kT + 60, 21000, 7))), kSuccess);
    EXPECT_EQ(area.count(kCROVERLayout, ShortPark), 1);
    EXPECT_EQ(area.count(kCROVERLayout, Descent), 0);
    EXPECT_EQ(test::sampleBytes(area, kCROVERLayout, ShortPark, 0),
              SampleImage(kStride).head(RW, kT + 60).f32(5, 2000.0f).u16(9, 7).bytes());
}

TEST(CroverReport, WritesProfileAndParkLinesWithSignedReadings) {
    const Bytes data = Bytes(kFormatCode)
                           .tag("[DESCENT](RW)")
                           .u32(kT)
                           .raw(profile(10, 1234, 4000))
                           .raw(profile(10, 1300, 0xFFFF))
                           .tag("(AM)(SD)")
                           .u32(kT + 100)
                           .raw(profile(5, 1400, 0x8000, {0xFFFE}))
                           .tag("[PARK]")
                           .raw(park(kT + 3600, 11000, 610))
                           .tag("[DEEP_PROFILE](AM)(MD)")
                           .u32(kT + 20000)
                           .raw(profile(60, 15000, 0x7FFF, {15001, 0x8001}))
                           .tag("[SHORT_PARK]")
                           .raw(park(kT + 30000, 21000, 605))
                           .raw(park(kT + 31800, 20990, 604))
                           .tag("[ASCENT](AM)(SD)(MD)")
                           .u32(kT + 40000)
                           .raw(profile(20, 10000, 700, {3, 10005, 702}))
                           .tag("(AM)")
                           .u32(kT + 41000)
                           .raw(profile(20, 0, 2900))
                           .tag("(DW)")
                           .u32(kT + 42000)
                           .raw(profile(20, 1050, 3000))
                           .fill(3, 0x1A);
    const test::CliRun report = test::decodeWithCli("F1234_001_crover.hex", data.vec());
    EXPECT_EQ(report.run.status, 0);
    EXPECT_EQ(report.run.err, "");
    EXPECT_EQ(report.run.out,
              "Decoding result\r\n- Descent: 3\r\n- Park: 1\r\n- Deep profile: 1\r\n"
              "- Short park: 2\r\n- Ascent: 3\r\n");
    ASSERT_TRUE(report.csv.has_value());
    EXPECT_EQ(report.csv, "[DESCENT]\r\n"
                          "(RW)\r\n"
                          "2020-05-15 08:00:10,23.40,4000\r\n"
                          "2020-05-15 08:00:20,30.00,-1\r\n"
                          "(AM)(SD)\r\n"
                          "2020-05-15 08:01:45,40.00,-32768,-2\r\n"
                          "[PARK]\r\n"
                          "2020-05-15 09:00:00,1000.00,610\r\n"
                          "[DEEP_PROFILE]\r\n"
                          "(AM)(MD)\r\n"
                          "2020-05-15 13:34:20,1400.00,32767,1400.10,-32767\r\n"
                          "[SHORT_PARK]\r\n"
                          "2020-05-15 16:20:00,2000.00,605\r\n"
                          "2020-05-15 16:50:00,1999.00,604\r\n"
                          "[ASCENT]\r\n"
                          "(AM)(SD)(MD)\r\n"
                          "2020-05-15 19:07:00,900.00,700,3,900.50,702\r\n"
                          "(AM)\r\n"
                          "2020-05-15 19:23:40,-100.00,2900\r\n"
                          "(DW)\r\n"
                          "2020-05-15 19:40:20,5.00,3000\r\n");
}

TEST(CroverReport, EveryFailureIsAnsweredAsACorruptedFileAndLeavesNoReport) {
    const struct {
        const char* what;
        Bytes data;
        std::string existingCsv;
    } cases[] = {
        {"descent full (-4)",
         Bytes(kFormatCode).tag("[DESCENT](RW)").u32(kT).repeat(2500, profile(1, 1100, 1)),
         "old report\r\n"},
        {"ascent full (-10)",
         Bytes(kFormatCode).tag("[ASCENT](AM)").u32(kT).repeat(2500, profile(1, 1100, 1)), ""},
        {"a record at the surface (-3)", Bytes(kFormatCode).tag("[SURFACE]").raw(park(kT, 1100, 1)),
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectCorruptedAnswer("F1234_001_crover.hex", c.data.vec(), c.existingCsv);
    }
}

} // namespace
} // namespace xelo
