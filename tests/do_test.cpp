// The dissolved-oxygen decoder through its export, and its report through
// xelo-decode. Every fixture opens with a phase tag, because phase and mode
// carry over from one call of the library to the next.
#include "framing/module_state.h"
#include "framing/result_codes.h"
#include "layouts/do.h"
#include "support/cli_run.h"
#include "support/export_checks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstddef>
#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::callExport;
using test::ResultArea;
using test::SampleImage;

constexpr std::uint8_t kFormatCode = 3;
constexpr std::int32_t kSuccess = 4;
constexpr std::uint32_t kT = 1589529600; // 2020-05-15 08:00:00
constexpr std::size_t kStride = sizeof(DOSample);

std::uint32_t bits(float v) {
    return std::bit_cast<std::uint32_t>(v);
}

// The values block: pressure, the two readings as float bits, temperature.
std::vector<std::uint8_t> values(std::uint16_t pressure, std::uint32_t reading1,
                                 std::uint32_t reading2, std::uint16_t temperature) {
    return Bytes().u16(pressure).u32(reading1).u32(reading2).u16(temperature).vec();
}
std::vector<std::uint8_t> deviations(std::int16_t reading1Sd, std::int16_t reading2Sd,
                                     std::int8_t temperatureSd) {
    return Bytes()
        .u16(static_cast<std::uint16_t>(reading1Sd))
        .u16(static_cast<std::uint16_t>(reading2Sd))
        .u8(static_cast<std::uint8_t>(temperatureSd))
        .vec();
}
// A plain profile record: step then values.
std::vector<std::uint8_t> plain(std::uint16_t step, std::uint16_t pressure, float reading1,
                                float reading2, std::uint16_t temperature) {
    return Bytes()
        .u16(step)
        .raw(values(pressure, bits(reading1), bits(reading2), temperature))
        .vec();
}

std::int32_t decode(ResultArea& area, const Bytes& bytes) {
    return callExport(_iRERUDODDecodeDataDO, area, bytes);
}

// A signalling NaN: carried bit for bit, never through a float register.
constexpr std::uint32_t kSignallingNaN = 0x7F800001;

TEST(DoDecoder, FillsExactlyTheFieldsOfEachRecordShape) {
    const struct {
        const char* what;
        Bytes data;
        int phase;
        SampleImage expected;
    } cases[] = {
        {"(RW) in a profile phase",
         Bytes(kFormatCode)
             .tag("[DESCENT](RW)")
             .u32(kT)
             .u16(10)
             .raw(values(1234, bits(245.125f), kSignallingNaN, 5000)),
         Descent,
         SampleImage(kStride)
             .head(RW, kT + 10)
             .f32(5, 23.4f)
             .f32(9, 245.125f)
             .u32(13, kSignallingNaN)
             .f32(17, 0.0f)},
        {"(AM) with the extremes of pressure and temperature",
         Bytes(kFormatCode)
             .tag("[DEEP_PROFILE](AM)")
             .u32(kT)
             .u16(1)
             .raw(values(0, bits(-1.5f), bits(0.25f), 0)),
         DeepProfile,
         SampleImage(kStride)
             .head(AM, kT + 1)
             .f32(5, -100.0f)
             .f32(9, -1.5f)
             .f32(13, 0.25f)
             .f32(17, -5.0f)},
        {"(DW) in a profile phase keeps its kind",
         Bytes(kFormatCode)
             .tag("[ASCENT](DW)")
             .u32(kT)
             .u16(7)
             .raw(values(65535, bits(1.0f), bits(2.0f), 65535)),
         Ascent,
         SampleImage(kStride)
             .head(DW, kT + 7)
             .f32(5, 6453.5f)
             .f32(9, 1.0f)
             .f32(13, 2.0f)
             .f32(17, 60.535f)},
        {"(AM)(SD) adds signed deviations",
         Bytes(kFormatCode)
             .tag("[DESCENT](AM)(SD)")
             .u32(kT)
             .u16(3)
             .raw(values(1000, bits(200.0f), bits(80.0f), 25000))
             .raw(deviations(-1, 32767, -128)),
         Descent,
         SampleImage(kStride)
             .head(AM_SD, kT + 3)
             .f32(5, 0.0f)
             .f32(9, 200.0f)
             .f32(13, 80.0f)
             .f32(17, 20.0f)
             .f32(21, -0.001f)
             .f32(25, 32.767f)
             .f32(29, -0.128f)},
        {"(AM)(MD) leaves the deviation bytes 21 to 32 as they were",
         Bytes(kFormatCode)
             .tag("[ASCENT](AM)(MD)")
             .u32(kT)
             .u16(20)
             .raw(values(1100, bits(210.5f), bits(85.25f), 7000))
             .raw(values(1101, bits(210.75f), bits(85.5f), 7001)),
         Ascent,
         SampleImage(kStride)
             .head(AM_MD, kT + 20)
             .f32(5, 10.0f)
             .f32(9, 210.5f)
             .f32(13, 85.25f)
             .f32(17, 2.0f)
             .f32(33, 10.1f)
             .f32(37, 210.75f)
             .f32(41, 85.5f)
             .f32(45, 2.001f)},
        {"(AM)(SD)(MD) writes every field",
         Bytes(kFormatCode)
             .tag("[DEEP_PROFILE](AM)(SD)(MD)")
             .u32(kT)
             .u16(30)
             .raw(values(3000, bits(150.0f), bits(60.0f), 9000))
             .raw(deviations(250, -300, 12))
             .raw(values(3002, bits(151.0f), bits(61.0f), 9010)),
         DeepProfile,
         SampleImage(kStride)
             .head(AM_SD_MD, kT + 30)
             .f32(5, 200.0f)
             .f32(9, 150.0f)
             .f32(13, 60.0f)
             .f32(17, 4.0f)
             .f32(21, 0.25f)
             .f32(25, -0.3f)
             .f32(29, 0.012f)
             .f32(33, 200.2f)
             .f32(37, 151.0f)
             .f32(41, 61.0f)
             .f32(45, 4.01f)},
        {"a park record carries its own time",
         Bytes(kFormatCode)
             .tag("[PARK]")
             .u32(kT + 500)
             .raw(values(11000, bits(190.0f), bits(70.0f), 8500)),
         Park,
         SampleImage(kStride)
             .head(RW, kT + 500)
             .f32(5, 1000.0f)
             .f32(9, 190.0f)
             .f32(13, 70.0f)
             .f32(17, 3.5f)},
        {"a surface record after (DW) is stored with kind RW",
         Bytes(kFormatCode)
             .tag("[SURFACE](DW)")
             .u32(kT + 9)
             .raw(values(1001, bits(250.0f), bits(99.0f), 23000)),
         Surface,
         SampleImage(kStride)
             .head(RW, kT + 9)
             .f32(5, 0.1f)
             .f32(9, 250.0f)
             .f32(13, 99.0f)
             .f32(17, 18.0f)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectOneSample(_iRERUDODDecodeDataDO, kDOLayout, c.data, c.phase, c.expected,
                              kSuccess);
    }
}

TEST(DoDecoder, RecordTimesFollowStepsTimeBasesAndParkTimes) {
    ResultArea area(kDOLayout.size());
    const Bytes data = Bytes(kFormatCode)
                           .tag("[DESCENT](AM)")
                           .u32(1000)
                           .raw(plain(10, 1100, 1, 1, 5000))
                           .raw(plain(20, 1100, 1, 1, 5000))
                           .tag("(AM)")
                           .u32(5000)
                           .raw(plain(1, 1100, 1, 1, 5000))
                           .tag("[PARK]")
                           .u32(777)
                           .raw(values(1100, 0, 0, 5000))
                           .tag("(DW)")
                           .u32(700)
                           .raw(values(1100, 0, 0, 5000))
                           .fill(3, 0x1A);
    ASSERT_EQ(decode(area, data), kSuccess);
    ASSERT_EQ(area.count(kDOLayout, Descent), 3);
    ASSERT_EQ(area.count(kDOLayout, Park), 2);
    const std::uint32_t descentTimes[] = {1010, 1030, 5001};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(loadU32(area.sample(kDOLayout, Descent, i) + 1), descentTimes[i]);
    EXPECT_EQ(loadU32(area.sample(kDOLayout, Park, 0) + 1), 777u);
    EXPECT_EQ(loadU32(area.sample(kDOLayout, Park, 1) + 1), 700u);
    EXPECT_EQ(area.sample(kDOLayout, Park, 1)[0], RW);
}

TEST(DoDecoder, FieldsAModeDoesNotWriteKeepAnEarlierCallsValues) {
    ResultArea area(kDOLayout.size());
    const Bytes full = Bytes(kFormatCode)
                           .tag("[ASCENT](AM)(SD)(MD)")
                           .u32(kT)
                           .u16(1)
                           .raw(values(2000, bits(9.0f), bits(8.0f), 6000))
                           .raw(deviations(5, 6, 7))
                           .raw(values(2001, bits(7.0f), bits(6.0f), 6001));
    ASSERT_EQ(decode(area, full), kSuccess);
    const std::vector<std::uint8_t> before = test::sampleBytes(area, kDOLayout, Ascent, 0);
    ASSERT_EQ(
        decode(area,
               Bytes(kFormatCode).tag("[ASCENT](AM)").u32(kT).raw(plain(2, 1000, 1, 2, 5000))),
        kSuccess);
    const std::vector<std::uint8_t> after = test::sampleBytes(area, kDOLayout, Ascent, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin(), after.begin() + 21), SampleImage(21)
                                                                                .head(AM, kT + 2)
                                                                                .f32(5, 0.0f)
                                                                                .f32(9, 1.0f)
                                                                                .f32(13, 2.0f)
                                                                                .f32(17, 0.0f)
                                                                                .bytes());
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + 21, after.end()),
              std::vector<std::uint8_t>(before.begin() + 21, before.end()));
}

TEST(DoDecoder, RefusesWhatItHasNoLayoutFor) {
    const std::vector<std::uint8_t> record = plain(1, 1100, 1, 1, 5000);
    const std::vector<std::uint8_t> park = Bytes().u32(kT).raw(values(1100, 0, 0, 5000)).vec();
    const test::RefusedData cases[] = {
        {"no data at all", Bytes()},
        {"nothing after the FormatCode", Bytes(kFormatCode)},
        {"no tag where one must stand", Bytes(kFormatCode).raw(record)},
        {"tags but no record", Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT)},
        {"a record under (SS) in the ascent",
         Bytes(kFormatCode).tag("[ASCENT](SS)").u32(kT).raw(record)},
        {"a record under (SS) in the descent",
         Bytes(kFormatCode).tag("[DESCENT](SS)").u32(kT).raw(record)},
        {"(AM) in the park phase", Bytes(kFormatCode).tag("[PARK](AM)").raw(park)},
        {"(AM)(SD) in the short park", Bytes(kFormatCode).tag("[SHORT_PARK](AM)(SD)").raw(park)},
        {"(AM)(SD)(MD) at the surface", Bytes(kFormatCode).tag("[SURFACE](AM)(SD)(MD)").raw(park)},
        {"(SS) at the surface", Bytes(kFormatCode).tag("[SURFACE](SS)").raw(park)},
        {"a SBE41 FormatCode", Bytes(2).tag("[DESCENT](AM)").u32(kT).raw(record)},
        {"an OCR FormatCode", Bytes(4).tag("[PARK]").raw(park)},
        {"the data end after a profile phase tag",
         Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT).raw(record).tag("[ASCENT]")},
    };
    test::expectRefused(_iRERUDODDecodeDataDO, kDOLayout, cases,
                        Bytes(kFormatCode).tag("[DESCENT](AM)").u32(kT).raw(record));
}

TEST(DoDecoder, UnknownFormatCodeFailsAfterTheCountGrew) {
    test::expectUnknownFormatCodeRefusedAfterCounting(
        _iRERUDODDecodeDataDO, kDOLayout,
        Bytes(2).tag("[SHORT_PARK]").u32(kT).raw(values(1100, 0, 0, 5000)), ShortPark);
}

TEST(DoDecoder, EachSectionHoldsOneRecordLessThanItsCapacity) {
    test::expectCapacityRuleInEverySection(
        _iRERUDODDecodeDataDO, kDOLayout, kFormatCode, plain(1, 1100, 1, 1, 5000),
        Bytes().u32(kT).raw(values(1100, 0, 0, 5000)).vec(), kSuccess);
}

TEST(DoDecoder, PhaseAndModeCarryOverBetweenCalls) {
    ResultArea area(kDOLayout.size());
    const std::vector<std::uint8_t> park = Bytes().u32(kT).raw(values(1100, 0, 0, 5000)).vec();
    ASSERT_EQ(decode(area, Bytes(kFormatCode).tag("[SHORT_PARK]").raw(park)), kSuccess);
    // A file that opens with a mode tag goes on in the short park: no time base, absolute times.
    ASSERT_EQ(decode(area, Bytes(kFormatCode).tag("(DW)").raw(park).raw(park)), kSuccess);
    EXPECT_EQ(area.count(kDOLayout, ShortPark), 2);
    EXPECT_EQ(area.count(kDOLayout, Descent), 0);
    EXPECT_EQ(area.sample(kDOLayout, ShortPark, 1)[0], RW);

    // A failed call leaves its phase too: (AM)(SD) has no record in the short park.
    ASSERT_EQ(decode(area, Bytes(kFormatCode).tag("[SHORT_PARK]").repeat(100, park)),
              kOtherSectionFull);
    const Bytes amSd = Bytes(kFormatCode)
                           .tag("(AM)(SD)")
                           .u32(kT)
                           .u16(4)
                           .raw(values(1100, 0, 0, 5000))
                           .raw(deviations(1, 2, 3));
    ASSERT_EQ(decode(area, amSd), kFramingError);
    ASSERT_EQ(decode(area, Bytes(kFormatCode).tag("[DEEP_PROFILE][SHORT_PARK][DEEP_PROFILE]")),
              kFramingError);
    ASSERT_EQ(decode(area, amSd), kSuccess);
    EXPECT_EQ(area.count(kDOLayout, DeepProfile), 1);
    EXPECT_EQ(area.count(kDOLayout, ShortPark), 0);
    EXPECT_EQ(test::sampleBytes(area, kDOLayout, DeepProfile, 0), SampleImage(kStride)
                                                                      .head(AM_SD, kT + 4)
                                                                      .f32(5, 10.0f)
                                                                      .u32(9, 0)
                                                                      .u32(13, 0)
                                                                      .f32(17, 0.0f)
                                                                      .f32(21, 0.001f)
                                                                      .f32(25, 0.002f)
                                                                      .f32(29, 0.003f)
                                                                      .bytes());
}

// A whole cycle through xelo-decode: mode lines where the kind changes, park
// lines without them, and every format of the report.
TEST(DoReport, WritesEverySectionWithTheFormatOfEachKind) {
    const Bytes data = Bytes(kFormatCode)
                           .tag("[DESCENT](AM)")
                           .u32(kT)
                           .raw(plain(10, 1100, 245.125f, 98.5f, 20000))
                           .raw(plain(10, 1200, 244.0f, 98.25f, 19500))
                           .tag("(AM)(SD)")
                           .u32(kT + 100)
                           .u16(5)
                           .raw(values(1300, bits(243.5f), bits(98.0f), 19000))
                           .raw(deviations(-1, 150, -128))
                           .tag("(AM)")
                           .u32(kT + 200)
                           .raw(plain(5, 0, -1.25f, 0.0f, 0))
                           .tag("[PARK]")
                           .u32(kT + 3600)
                           .raw(values(11000, bits(190.0f), bits(70.0f), 8500))
                           .u32(kT + 7200)
                           .raw(values(11010, bits(189.5f), bits(69.75f), 8490))
                           .u32(kT + 10800)
                           .raw(values(10990, bits(189.0f), bits(69.5f), 8510))
                           .tag("[DEEP_PROFILE](AM)")
                           .u32(kT + 20000)
                           .raw(plain(60, 15000, 150.0f, 60.0f, 7000))
                           .tag("[SHORT_PARK](DW)")
                           .u32(kT + 30000)
                           .raw(values(21000, bits(160.0f), bits(61.0f), 7100))
                           .tag("[ASCENT](AM)(MD)")
                           .u32(kT + 40000)
                           .u16(20)
                           .raw(values(20000, bits(165.0f), bits(62.0f), 7200))
                           .raw(values(20005, bits(165.5f), bits(62.5f), 7210))
                           .tag("(AM)(SD)(MD)")
                           .u32(kT + 41000)
                           .u16(20)
                           .raw(values(10000, bits(200.0f), bits(75.0f), 10000))
                           .raw(deviations(2, -3, 4))
                           .raw(values(10001, bits(200.25f), bits(75.125f), 10002))
                           .tag("(DW)")
                           .u32(kT + 42000)
                           .raw(plain(20, 1050, 240.0f, 95.0f, 24000))
                           .tag("(RW)")
                           .u32(kT + 43000)
                           .raw(plain(20, 1010, 241.0f, 96.0f, 24500))
                           .tag("[SURFACE]")
                           .u32(kT + 50000)
                           .raw(values(999, bits(250.0f), bits(99.0f), 25000))
                           .fill(4, 0x1A);
    const test::CliRun report = test::decodeWithCli("F1234_001_do.hex", data.vec());
    EXPECT_EQ(report.run.status, 0);
    EXPECT_EQ(report.run.err, "");
    EXPECT_EQ(report.run.out,
              "Decoding result\r\n- Descent: 4\r\n- Park: 3\r\n- Deep profile: 1\r\n"
              "- Short park: 1\r\n- Ascent: 4\r\n- Surface: 1\r\n");
    ASSERT_TRUE(report.csv.has_value());
    EXPECT_EQ(report.csv,
              "[DESCENT]\r\n"
              "(AM)\r\n"
              "2020-05-15 08:00:10,10.00,245.125,98.500,15.00\r\n"
              "2020-05-15 08:00:20,20.00,244.000,98.250,14.50\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 08:01:45,30.00,243.500,98.000,14.00,-0.001,0.150,-0.128\r\n"
              "(AM)\r\n"
              "2020-05-15 08:03:25,-100.00,-1.250,0.000,-5.00\r\n"
              "[PARK]\r\n"
              "2020-05-15 09:00:00,1000.00,190.000,70.000,3.50\r\n"
              "2020-05-15 10:00:00,1001.00,189.500,69.750,3.49\r\n"
              "2020-05-15 11:00:00,999.00,189.000,69.500,3.51\r\n"
              "[DEEP_PROFILE]\r\n"
              "(AM)\r\n"
              "2020-05-15 13:34:20,1400.00,150.000,60.000,2.00\r\n"
              "[SHORT_PARK]\r\n"
              "2020-05-15 16:20:00,2000.00,160.000,61.000,2.10\r\n"
              "[ASCENT]\r\n"
              "(AM)(MD)\r\n"
              "2020-05-15 19:07:00,1900.00,165.000,62.000,2.20,1900.50,165.500,62.500,2.21\r\n"
              "(AM)(SD)(MD)\r\n"
              "2020-05-15 19:23:40,900.00,200.000,75.000,5.00,0.002,-0.003,0.004,900.10,200.250,"
              "75.125,5.00\r\n"
              "(DW)\r\n"
              "2020-05-15 19:40:20,5.00,240.000,95.000,19.00\r\n"
              "(RW)\r\n"
              "2020-05-15 19:57:00,1.00,241.000,96.000,19.50\r\n"
              "[SURFACE]\r\n"
              "2020-05-15 21:53:20,-0.10,250.000,99.000,20.00\r\n");
}

TEST(DoReport, EveryFailureIsAnsweredAsACorruptedFileAndLeavesNoReport) {
    const std::vector<std::uint8_t> park = Bytes().u32(kT).raw(values(1100, 0, 0, 5000)).vec();
    const struct {
        const char* what;
        Bytes data;
        std::string existingCsv;
    } cases[] = {
        {"descent full (-4)",
         Bytes(kFormatCode).tag("[DESCENT](RW)").u32(kT).repeat(4500, plain(1, 1100, 1, 1, 5000)),
         ""},
        {"short park full (-10)", Bytes(kFormatCode).tag("[SHORT_PARK]").repeat(100, park),
         "old report\r\n"},
        {"wrong FormatCode (-3)", Bytes(11).tag("[PARK]").raw(park), "old report\r\n"},
        {"empty file (-3)", Bytes(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::expectCorruptedAnswer("F1234_001_do.hex", c.data.vec(), c.existingCsv);
    }
}

} // namespace
} // namespace xelo
