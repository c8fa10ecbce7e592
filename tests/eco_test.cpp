// ECO: the three variants through the shared decoder tests, and the report of
// every variant through xelo-decode.
#include "support/channel_sensor.h"

namespace xelo::test {
namespace {

const ChannelCase kECO1{.name = "ECO1ch",
                        .decode = _iRERUDODDecodeDataECO,
                        .formatCode = 7,
                        .channels = 1,
                        .readingWidth = 2,
                        .sdWidth = 1,
                        .successCode = 8,
                        .ssEndsIfFiller = true,
                        .sampleSize = 18,
                        .channelSdAt = 11,
                        .medianPressureAt = 12,
                        .medianChannelAt = 16,
                        .countAt = {0, 45002, 54004, 63006, 64808, 109810},
                        .areaSize = 115212,
                        .foreignCodes = {0, 1, 3, 4, 5, 6, 10, 18, 20, 255},
                        .recordSizes = {6, 7, 10, 11, 8},
                        .sample = "F1234_042_eco.hex"};
const ChannelCase kECO2{.name = "ECO2ch",
                        .decode = _iRERUDODDecodeDataECO,
                        .formatCode = 8,
                        .channels = 2,
                        .readingWidth = 2,
                        .sdWidth = 1,
                        .successCode = 9,
                        .ssEndsIfFiller = true,
                        .sampleSize = 23,
                        .channelSdAt = 13,
                        .medianPressureAt = 15,
                        .medianChannelAt = 19,
                        .countAt = {0, 57502, 69004, 80506, 82808, 140310},
                        .areaSize = 147212,
                        .foreignCodes = {4, 19},
                        .recordSizes = {8, 10, 14, 16, 10},
                        .sample = "F1234_043_eco.hex"};
const ChannelCase kECO3{.name = "ECO3ch",
                        .decode = _iRERUDODDecodeDataECO,
                        .formatCode = 9,
                        .channels = 3,
                        .readingWidth = 2,
                        .sdWidth = 1,
                        .successCode = 10,
                        .ssEndsIfFiller = true,
                        .sampleSize = 28,
                        .channelSdAt = 15,
                        .medianPressureAt = 18,
                        .medianChannelAt = 22,
                        .countAt = {0, 70002, 84004, 98006, 100808, 170810},
                        .areaSize = 179212,
                        .foreignCodes = {4, 20},
                        .recordSizes = {10, 13, 18, 21, 12},
                        .sample = "F1234_044_eco.hex"};

INSTANTIATE_TEST_SUITE_P(ECO, ChannelDecoder, ::testing::Values(kECO1, kECO2, kECO3),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr std::uint32_t kBase = 1589529600; // 2020-05-15 08:00:00

std::vector<std::uint32_t> first(int n, std::vector<std::uint32_t> values) {
    values.resize(static_cast<std::size_t>(n));
    return values;
}

// One file per variant with every kind; the values of channels 2 and 3 are
// left out where the variant has fewer.
Bytes reportFile(const ChannelCase& c) {
    const int n = c.channels;
    Bytes b(c.formatCode);
    b.tag("[DESCENT](RW)").u32(kBase);
    appendProfileRecord(b, c, RW, 10, values(1234, first(n, {100, 0xFFFE, 0x7FFF})));
    appendProfileRecord(b, c, RW, 20, values(1235, first(n, {0x8000, 1, 2})));
    b.tag("(AM)").u32(kBase + 100);
    appendProfileRecord(b, c, AM, 5, values(2000, first(n, {7, 8, 9})));
    b.tag("(AM)(SD)").u32(kBase + 200);
    appendProfileRecord(b, c, AM_SD, 1,
                        values(2001, first(n, {10, 11, 12}), first(n, {3, 0xC8, 0x7F})));
    b.tag("(AM)(MD)").u32(kBase + 300);
    appendProfileRecord(b, c, AM_MD, 2,
                        values(0, first(n, {20, 21, 22}), {}, 65535, first(n, {23, 0xFFFF, 25})));
    b.tag("[PARK]");
    appendParkRecord(b, c, kBase + 3600, values(11000, first(n, {30, 31, 32})));
    b.tag("[DEEP_PROFILE](AM)(SD)(MD)").u32(kBase + 10000);
    appendProfileRecord(b, c, AM_SD_MD, 7,
                        values(12000, first(n, {40, 41, 42}), first(n, {1, 2, 0x80}), 12001,
                               first(n, {43, 44, 45})));
    b.tag("[ASCENT](AM)(SD)(MD)").u32(kBase + 30000);
    appendProfileRecord(b, c, AM_SD_MD, 10,
                        values(1234, first(n, {250, 260, 270}), first(n, {4, 5, 6}), 1235,
                               first(n, {251, 261, 271})));
    b.tag("[SURFACE]");
    appendParkRecord(b, c, kBase + 57600, values(1000, first(n, {0x7FFF, 0x8000, 0})));
    appendParkRecord(b, c, kBase + 57700, values(999, first(n, {1, 2, 3})));
    return b.fill(2, 0x1A);
}

constexpr std::string_view kSummary = "Decoding result\r\n- Descent: 5\r\n- Park: 1\r\n"
                                      "- Deep profile: 1\r\n- Ascent: 1\r\n- Surface: 2\r\n";

TEST(EcoReport, WritesEveryKindOfEveryVariantWithSignedValues) {
    const struct {
        const ChannelCase* variant;
        const char* csv;
    } cases[] = {
        {&kECO1, "[DESCENT]\r\n"
                 "(RW)\r\n"
                 "2020-05-15 08:00:10,23.40,100\r\n"
                 "2020-05-15 08:00:30,23.50,-32768\r\n"
                 "(AM)\r\n"
                 "2020-05-15 08:01:45,100.00,7\r\n"
                 "(AM)(SD)\r\n"
                 "2020-05-15 08:03:21,100.10,10,3\r\n"
                 "(AM)(MD)\r\n"
                 "2020-05-15 08:05:02,-100.00,20,6453.50,23\r\n"
                 "[PARK]\r\n"
                 "2020-05-15 09:00:00,1000.00,30\r\n"
                 "[DEEP_PROFILE]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 10:46:47,1100.00,40,1,1100.10,43\r\n"
                 "[ASCENT]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 16:20:10,23.40,250,4,23.50,251\r\n"
                 "[SURFACE]\r\n"
                 "2020-05-16 00:00:00,0.00,32767\r\n"
                 "2020-05-16 00:01:40,-0.10,1\r\n"},
        {&kECO2, "[DESCENT]\r\n"
                 "(RW)\r\n"
                 "2020-05-15 08:00:10,23.40,100,-2\r\n"
                 "2020-05-15 08:00:30,23.50,-32768,1\r\n"
                 "(AM)\r\n"
                 "2020-05-15 08:01:45,100.00,7,8\r\n"
                 "(AM)(SD)\r\n"
                 "2020-05-15 08:03:21,100.10,10,11,3,-56\r\n"
                 "(AM)(MD)\r\n"
                 "2020-05-15 08:05:02,-100.00,20,21,6453.50,23,-1\r\n"
                 "[PARK]\r\n"
                 "2020-05-15 09:00:00,1000.00,30,31\r\n"
                 "[DEEP_PROFILE]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 10:46:47,1100.00,40,41,1,2,1100.10,43,44\r\n"
                 "[ASCENT]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 16:20:10,23.40,250,260,4,5,23.50,251,261\r\n"
                 "[SURFACE]\r\n"
                 "2020-05-16 00:00:00,0.00,32767,-32768\r\n"
                 "2020-05-16 00:01:40,-0.10,1,2\r\n"},
        {&kECO3, "[DESCENT]\r\n"
                 "(RW)\r\n"
                 "2020-05-15 08:00:10,23.40,100,-2,32767\r\n"
                 "2020-05-15 08:00:30,23.50,-32768,1,2\r\n"
                 "(AM)\r\n"
                 "2020-05-15 08:01:45,100.00,7,8,9\r\n"
                 "(AM)(SD)\r\n"
                 "2020-05-15 08:03:21,100.10,10,11,12,3,-56,127\r\n"
                 "(AM)(MD)\r\n"
                 "2020-05-15 08:05:02,-100.00,20,21,22,6453.50,23,-1,25\r\n"
                 "[PARK]\r\n"
                 "2020-05-15 09:00:00,1000.00,30,31,32\r\n"
                 "[DEEP_PROFILE]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 10:46:47,1100.00,40,41,42,1,2,-128,1100.10,43,44,45\r\n"
                 "[ASCENT]\r\n"
                 "(AM)(SD)(MD)\r\n"
                 "2020-05-15 16:20:10,23.40,250,260,270,4,5,6,23.50,251,261,271\r\n"
                 "[SURFACE]\r\n"
                 "2020-05-16 00:00:00,0.00,32767,-32768,0\r\n"
                 "2020-05-16 00:01:40,-0.10,1,2,3\r\n"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.variant->name);
        const CliRun outcome = decodeWithCli("F0001_001_eco.hex", reportFile(*k.variant));
        EXPECT_EQ(outcome.run.status, 0) << outcome.run.err;
        EXPECT_EQ(outcome.run.err, "");
        EXPECT_EQ(outcome.run.out, kSummary);
        ASSERT_TRUE(outcome.csv);
        EXPECT_EQ(*outcome.csv, k.csv);
    }
}

TEST(EcoReport, EveryOtherCodeIsACorruptedFile) {
    Bytes shortPark(8);
    shortPark.tag("[SHORT_PARK]");
    for (std::uint32_t i = 0; i < 100; ++i)
        appendParkRecord(shortPark, kECO2, kBase + i, values(1100, {1, 2}));
    Bytes amInPark(9);
    amInPark.tag("[PARK](AM)");
    appendParkRecord(amInPark, kECO3, kBase, values(1100, {1, 2, 3}));
    Bytes ocr(4);
    ocr.tag("[PARK]");
    appendParkRecord(ocr, kECO2, kBase, values(1100, {1, 2}));
    Bytes ssRecord(7);
    ssRecord.tag("[ASCENT](SS)").u32(kBase).u16(1).u16(1100).u16(5);

    const struct {
        const char* what;
        Bytes bytes;
    } failures[] = {
        {"a full short park (-10)", shortPark}, {"(AM) in the park phase (-3)", amInPark},
        {"an OCR FormatCode (-3)", ocr},        {"a record under (SS) (-3)", ssRecord},
        {"an empty file (-3)", Bytes()},
    };
    for (const auto& f : failures) {
        const CliRun outcome = decodeWithCli("F0001_002_eco.hex", f.bytes);
        EXPECT_EQ(outcome.run.status, 1) << f.what;
        EXPECT_EQ(outcome.run.err, "The file is corrupted\r\n") << f.what;
        EXPECT_EQ(outcome.run.out, "") << f.what;
        EXPECT_FALSE(outcome.csv) << f.what;
    }
}

} // namespace
} // namespace xelo::test
