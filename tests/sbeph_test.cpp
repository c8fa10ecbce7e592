// The pH decoder through its export, and its report through xelo-decode.
// Every fixture opens with a phase tag, because phase and mode carry over
// from one call of the library to the next.
#include "framing/module_state.h"
#include "framing/result_codes.h"
#include "layouts/sbeph.h"
#include "support/cli_run.h"
#include "support/export_checks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::callExport;
using test::ResultArea;
using test::SampleImage;

constexpr std::uint8_t kFormatCode = 11;
constexpr std::int32_t kSuccess = 12;
constexpr std::uint32_t kT = 1589529600; // 2020-05-15 08:00:00
constexpr std::size_t kStride = sizeof(SBEPHSample);
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

// Pressure and reading: the values block, also the median block.
Bytes& values(Bytes& bytes, std::uint16_t pressure, std::int32_t reading) {
    return bytes.u16(pressure).u32(static_cast<std::uint32_t>(reading));
}
std::vector<std::uint8_t> plain(std::uint16_t step, std::uint16_t pressure, std::int32_t reading) {
    Bytes bytes;
    return values(bytes.u16(step), pressure, reading).vec();
}
std::vector<std::uint8_t> withSd(std::uint16_t step, std::uint16_t pressure, std::int32_t reading,
                                 std::int16_t sd) {
    return Bytes().raw(plain(step, pressure, reading)).u16(static_cast<std::uint16_t>(sd)).vec();
}
std::vector<std::uint8_t> withMd(std::uint16_t step, std::uint16_t pressure, std::int32_t reading,
                                 std::uint16_t medianPressure, std::int32_t medianReading) {
    Bytes bytes = Bytes().raw(plain(step, pressure, reading));
    return values(bytes, medianPressure, medianReading).vec();
}
std::vector<std::uint8_t> withSdMd(std::uint16_t step, std::uint16_t pressure, std::int32_t reading,
                                   std::int16_t sd, std::uint16_t medianPressure,
                                   std::int32_t medianReading) {
    Bytes bytes = Bytes().raw(withSd(step, pressure, reading, sd));
    return values(bytes, medianPressure, medianReading).vec();
}
std::vector<std::uint8_t> park(std::uint32_t time, std::uint16_t pressure, std::int32_t reading) {
    Bytes bytes;
    return values(bytes.u32(time), pressure, reading).vec();
}

std::int32_t decode(ResultArea& area, const Bytes& bytes) {
    return callExport(_iRERUDODDecodeDataSBEPH, area, bytes);
}

TEST(SbephDecoder, FillsExactlyTheFieldsOfEachRecordShape) {
    const struct {
        const char* what;
        Bytes data;
        int phase;
        SampleImage expected;
    } cases[] = {
        {"(RW) in the descent",
         Bytes(kFormatCode).tag("[DESCENT](RW)").u32(kT).raw(plain(10, 1234, 1234567)), Descent,
         SampleImage(kStride).head(RW, kT + 10).f32(5, 23.4f).f64(9, 1.234567)},
        {"(AM) with the lowest pressure and reading",
         Bytes(kFormatCode).tag("[DEEP_PROFILE](AM)").u32(kT).raw(plain(1, 0, kMin32)), DeepProfile,
         SampleImage(kStride).head(AM, kT + 1).f32(5, -100.0f).f64(9, -2147.483648)},
        {"(DW) in a profile phase keeps its kind",
         Bytes(kFormatCode).tag("[ASCENT](DW)").u32(kT).raw(plain(7, 65535, kMax32)), Ascent,
         SampleImage(kStride).head(DW, kT + 7).f32(5, 6453.5f).f64(9, 2147.483647)},
        {"(AM)(SD) adds the (SD) value",
         Bytes(kFormatCode).tag("[DESCENT](AM)(SD)").u32(kT).raw(withSd(3, 1000, -1, -32768)),
         Descent,
         SampleImage(kStride)
             .head(AM_SD, kT + 3)
             .f32(5, 0.0f)
             .f64(9, -0.000001)
             .f64(17, -0.032768)},
        {"(AM)(MD) leaves the (SD) bytes 17 to 24 as they were",
         Bytes(kFormatCode)
             .tag("[ASCENT](AM)(MD)")
             .u32(7000)
             .raw(withMd(30, 1100, -950000, 1101, -949990)),
         Ascent,
         SampleImage(kStride)
             .head(AM_MD, 7030)
             .f32(5, 10.0f)
             .f64(9, -0.95)
             .f32(25, 10.1f)
             .f64(29, -0.94999)},
        {"(AM)(SD)(MD) writes every field",
         Bytes(kFormatCode)
             .tag("[DEEP_PROFILE](AM)(SD)(MD)")
             .u32(kT)
             .raw(withSdMd(30, 3000, 7812345, -1, 3002, 7812000)),
         DeepProfile,
         SampleImage(kStride)
             .head(AM_SD_MD, kT + 30)
             .f32(5, 200.0f)
             .f64(9, 7.812345)
             .f64(17, -0.000001)
             .f32(25, 200.2f)
             .f64(29, 7.812)},
        {"a park record carries its own time",
         Bytes(kFormatCode).tag("[PARK]").raw(park(kT + 500, 10100, 2500000)), Park,
         SampleImage(kStride).head(RW, kT + 500).f32(5, 910.0f).f64(9, 2.5)},
        {"a short-park record after (DW) is stored with kind RW",
         Bytes(kFormatCode).tag("[SHORT_PARK](DW)").raw(park(kT + 9, 21000, 0)).fill(2, 0x1A),
         ShortPark, SampleImage(kStride).head(RW, kT + 9).f32(5, 2000.0f).f64(9, 0.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectOneSample(_iRERUDODDecodeDataSBEPH, kSBEPHLayout, c.data, c.phase, c.expected,
                              kSuccess);
    }
}

// The double nearest to "<raw / 10^6>" written out in decimal, as strtod reads it.
double nearestToMillionths(std::int64_t raw) {
    const std::int64_t magnitude = raw < 0 ? -raw : raw;
    const std::string text = std::string(raw < 0 ? "-" : "") + std::to_string(magnitude / 1000000) +
                             "." +
                             std::string(6 - std::to_string(magnitude % 1000000).size(), '0') +
                             std::to_string(magnitude % 1000000);
    return std::strtod(text.c_str(), nullptr);
}

// Every reading is the double nearest to its decimal value, also where a
// product with an inexact 0.000001, in double or in extended precision, would
// be one unit off in the last place (2877, 100945, -32689 among them).
TEST(SbephDecoder, ReadingsAreTheDoublesNearestToTheirMillionths) {
    const struct {
        std::int32_t reading;
        std::int16_t sd;
    } cases[] = {
        {1234567, -32768}, {-1, -1},        {0, 0},           {1, 1},
        {2877, 2877},      {100945, 5754},  {152878, -32689}, {-985123, 32767},
        {999999, -2877},   {kMin32, 11227}, {kMax32, -23016}, {-100945, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading);
        ResultArea area(kSBEPHLayout.size());
        ASSERT_EQ(decode(area, Bytes(kFormatCode)
                                   .tag("[ASCENT](AM)(SD)(MD)")
                                   .u32(kT)
                                   .raw(withSdMd(1, 1100, c.reading, c.sd, 1100, c.reading))),
                  kSuccess);
        const std::uint8_t* sample = area.sample(kSBEPHLayout, Ascent, 0);
        EXPECT_EQ(loadF64(sample + offsetof(SBEPHSample, reading)), nearestToMillionths(c.reading));
        EXPECT_EQ(loadF64(sample + offsetof(SBEPHSample, readingSd)), nearestToMillionths(c.sd));
        EXPECT_EQ(loadF64(sample + offsetof(SBEPHSample, medianReading)),
                  nearestToMillionths(c.reading));
    }
}

TEST(SbephDecoder, RecordTimesFollowStepsAndTimeBases) {
    ResultArea area(kSBEPHLayout.size());
    const Bytes data = Bytes(kFormatCode)
                           .tag("[ASCENT](AM)(MD)")
                           .u32(7000)
                           .raw(withMd(30, 1100, 1, 1100, 1))
                           .raw(withMd(30, 1100, 1, 1100, 1))
                           .tag("(AM)")
                           .u32(9000)
                           .raw(plain(5, 1100, 1));
    ASSERT_EQ(decode(area, data), kSuccess);
    ASSERT_EQ(area.count(kSBEPHLayout, Ascent), 3);
    const std::uint32_t times[] = {7030, 7060, 9005};
    const std::uint8_t kinds[] = {AM_MD, AM_MD, AM};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loadU32(area.sample(kSBEPHLayout, Ascent, i) + 1), times[i]) << i;
        EXPECT_EQ(area.sample(kSBEPHLayout, Ascent, i)[0], kinds[i]) << i;
    }
}

TEST(SbephDecoder, RefusesWhatItHasNoLayoutFor) {
    const std::vector<std::uint8_t> record = plain(1, 1100, 1);
    const std::vector<std::uint8_t> parkRecord = park(kT, 1100, 1);
    const test::RefusedData cases[] = {
        {"no data at all", Bytes()},
        {"nothing after the FormatCode", Bytes(kFormatCode)},
        {"no tag where one must stand", Bytes(kFormatCode).raw(record)},
        {"tags but no record", Bytes(kFormatCode).tag("[ASCENT](AM)").u32(kT)},
        {"a record at the surface", Bytes(kFormatCode).tag("[SURFACE]").raw(parkRecord)},
        {"filler right after the surface tag", Bytes(kFormatCode).tag("[SURFACE]").fill(3, 0x1A)},
        {"(AM) in the short park", Bytes(kFormatCode).tag("[SHORT_PARK](AM)").raw(parkRecord)},
        {"(AM)(SD)(MD) in the park phase",
         Bytes(kFormatCode).tag("[PARK](AM)(SD)(MD)").raw(parkRecord)},
        {"a record under (SS)", Bytes(kFormatCode).tag("[DESCENT](SS)").u32(kT).raw(record)},
        {"the CROVER FormatCode", Bytes(10).tag("[PARK]").raw(parkRecord)},
        {"the data end after a profile phase tag",
         Bytes(kFormatCode).tag("[PARK]").raw(parkRecord).tag("[ASCENT]")},
    };
    test::expectRefused(_iRERUDODDecodeDataSBEPH, kSBEPHLayout, cases,
                        Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT).raw(record));
}

TEST(SbephDecoder, UnknownFormatCodeFailsAfterTheCountGrew) {
    test::expectUnknownFormatCodeRefusedAfterCounting(
        _iRERUDODDecodeDataSBEPH, kSBEPHLayout, Bytes(12).tag("[PARK]").raw(park(kT, 1100, 1)),
        Park);
}

TEST(SbephDecoder, EachSectionHoldsOneRecordLessThanItsCapacity) {
    test::expectCapacityRuleInEverySection(_iRERUDODDecodeDataSBEPH, kSBEPHLayout, kFormatCode,
                                           plain(1, 1100, 1), park(kT, 1100, 1), kSuccess);
}

TEST(SbephDecoder, SurfaceHasACountButNoSlots) {
    ResultArea area(kSBEPHLayout.size());
    ASSERT_EQ(
        decode(
            area,
            Bytes(kFormatCode).tag("[ASCENT](AM)").u32(kT).raw(plain(1, 1100, 1)).tag("[SURFACE]")),
        kSuccess);
    EXPECT_EQ(area.u16(225710), 0);
    EXPECT_EQ(area.count(kSBEPHLayout, Ascent), 1);
}

TEST(SbephReport, WritesProfileAndParkLinesWithSixDecimals) {
    const Bytes data = Bytes(kFormatCode)
                           .tag("[DESCENT](RW)")
                           .u32(kT)
                           .raw(plain(10, 1234, -1))
                           .tag("(AM)(SD)")
                           .u32(kT + 100)
                           .raw(withSd(5, 1400, -985123, 250))
                           .tag("[PARK]")
                           .raw(park(kT + 3600, 10100, 1234567))
                           .tag("[DEEP_PROFILE](AM)(SD)(MD)")
                           .u32(kT + 20000)
                           .raw(withSdMd(60, 15000, kMin32, -32768, 15001, kMax32))
                           .tag("[SHORT_PARK](DW)")
                           .raw(park(kT + 30000, 21000, 0))
                           .tag("[ASCENT](AM)(MD)")
                           .u32(kT + 40000)
                           .raw(withMd(20, 10000, -950000, 10005, -949990))
                           .raw(withMd(20, 9900, -950100, 9905, -950090))
                           .tag("(DW)")
                           .u32(kT + 42000)
                           .raw(plain(20, 1050, 7812345))
                           .fill(5, 0x1A);
    const test::CliRun report = test::decodeWithCli("F1234_001_sbeph.hex", data.vec());
    EXPECT_EQ(report.run.status, 0);
    EXPECT_EQ(report.run.err, "");
    EXPECT_EQ(report.run.out,
              "Decoding result\r\n- Descent: 2\r\n- Park: 1\r\n- Deep profile: 1\r\n"
              "- Short park: 1\r\n- Ascent: 3\r\n");
    ASSERT_TRUE(report.csv.has_value());
    EXPECT_EQ(report.csv,
              "[DESCENT]\r\n"
              "(RW)\r\n"
              "2020-05-15 08:00:10,23.40,-0.000001\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 08:01:45,40.00,-0.985123,0.000250\r\n"
              "[PARK]\r\n"
              "2020-05-15 09:00:00,910.00,1.234567\r\n"
              "[DEEP_PROFILE]\r\n"
              "(AM)(SD)(MD)\r\n"
              "2020-05-15 13:34:20,1400.00,-2147.483648,-0.032768,1400.10,2147.483647\r\n"
              "[SHORT_PARK]\r\n"
              "2020-05-15 16:20:00,2000.00,0.000000\r\n"
              "[ASCENT]\r\n"
              "(AM)(MD)\r\n"
              "2020-05-15 19:07:00,900.00,-0.950000,900.50,-0.949990\r\n"
              "2020-05-15 19:07:20,890.00,-0.950100,890.50,-0.950090\r\n"
              "(DW)\r\n"
              "2020-05-15 19:40:20,5.00,7.812345\r\n");
}

TEST(SbephReport, EveryFailureIsAnsweredAsACorruptedFileAndLeavesNoReport) {
    const struct {
        const char* what;
        Bytes data;
        std::string existingCsv;
    } cases[] = {
        {"descent full (-4)",
         Bytes(kFormatCode).tag("[DESCENT](RW)").u32(kT).repeat(2500, plain(1, 1100, 1)), ""},
        {"short park full (-10)",
         Bytes(kFormatCode).tag("[SHORT_PARK]").repeat(100, park(kT, 1100, 1)), "old report\r\n"},
        {"(AM) in the short park (-3)",
         Bytes(kFormatCode).tag("[SHORT_PARK](AM)").raw(park(kT, 1100, 1)), "old report\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectCorruptedAnswer("F1234_001_sbeph.hex", c.data.vec(), c.existingCsv);
    }
}

} // namespace
} // namespace xelo
