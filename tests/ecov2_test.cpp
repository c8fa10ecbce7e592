// ECOv2: the four variants through the shared decoder tests, and the report of
// the 3-channel variant through xelo-decode.
#include "support/channel_sensor.h"

namespace xelo::test {
namespace {

const ChannelCase kECOv2_1{.name = "ECOv2_1ch",
                           .decode = _iRERUDODDecodeDataECOv2,
                           .formatCode = 18,
                           .channels = 1,
                           .readingWidth = 4,
                           .sdWidth = 2,
                           .successCode = 19,
                           .ssEndsIfFiller = false,
                           .sampleSize = 23,
                           .channelSdAt = 13,
                           .medianPressureAt = 15,
                           .medianChannelAt = 19,
                           .countAt = {0, 57502, 69004, 80506, 82808, 140310},
                           .areaSize = 147212,
                           .foreignCodes = {0, 4, 7, 9, 17, 22, 255},
                           .recordSizes = {8, 10, 14, 16, 10},
                           .sample = "F1234_042_ecov2.hex"};
const ChannelCase kECOv2_2{.name = "ECOv2_2ch",
                           .decode = _iRERUDODDecodeDataECOv2,
                           .formatCode = 19,
                           .channels = 2,
                           .readingWidth = 4,
                           .sdWidth = 2,
                           .successCode = 20,
                           .ssEndsIfFiller = false,
                           .sampleSize = 33,
                           .channelSdAt = 17,
                           .medianPressureAt = 21,
                           .medianChannelAt = 25,
                           .countAt = {0, 82502, 99004, 115506, 118808, 201310},
                           .areaSize = 211212,
                           .foreignCodes = {8, 23},
                           .recordSizes = {12, 16, 22, 26, 14},
                           .sample = "F1234_043_ecov2.hex"};
const ChannelCase kECOv2_3{.name = "ECOv2_3ch",
                           .decode = _iRERUDODDecodeDataECOv2,
                           .formatCode = 20,
                           .channels = 3,
                           .readingWidth = 4,
                           .sdWidth = 2,
                           .successCode = 21,
                           .ssEndsIfFiller = false,
                           .sampleSize = 43,
                           .channelSdAt = 21,
                           .medianPressureAt = 27,
                           .medianChannelAt = 31,
                           .countAt = {0, 107502, 129004, 150506, 154808, 262310},
                           .areaSize = 275212,
                           .foreignCodes = {9, 22},
                           .recordSizes = {16, 22, 30, 36, 18},
                           .sample = "F1234_044_ecov2.hex"};
const ChannelCase kECOv2_4{.name = "ECOv2_4ch",
                           .decode = _iRERUDODDecodeDataECOv2,
                           .formatCode = 21,
                           .channels = 4,
                           .readingWidth = 4,
                           .sdWidth = 2,
                           .successCode = 22,
                           .ssEndsIfFiller = false,
                           .sampleSize = 53,
                           .channelSdAt = 25,
                           .medianPressureAt = 33,
                           .medianChannelAt = 37,
                           .countAt = {0, 132502, 159004, 185506, 190808, 323310},
                           .areaSize = 339212,
                           .foreignCodes = {6, 10},
                           .recordSizes = {20, 28, 38, 46, 22},
                           .sample = "F1234_045_ecov2.hex"};

INSTANTIATE_TEST_SUITE_P(ECOv2, ChannelDecoder,
                         ::testing::Values(kECOv2_1, kECOv2_2, kECOv2_3, kECOv2_4),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr std::uint32_t kBase = 1589529600; // 2020-05-15 08:00:00

TEST(Ecov2Report, WritesEveryKindOfTheThreeChannelVariantAsSignedNumbers) {
    const ChannelCase& c = kECOv2_3;
    Bytes b(20);
    b.tag("[DESCENT](DW)").u32(kBase);
    appendProfileRecord(b, c, DW, 10, values(1234, {1, 2, 3}));
    appendProfileRecord(b, c, DW, 20, values(1235, {2147483647, 0xFFFFFFFF, 0x80000000}));
    b.tag("(RW)").u32(kBase + 100);
    appendProfileRecord(b, c, RW, 5, values(2000, {7, 8, 9}));
    b.tag("(AM)(SD)(MD)").u32(kBase + 200);
    appendProfileRecord(
        b, c, AM_SD_MD, 1,
        values(2001, {10, 11, 12}, {0xFFFF, 0x7FFF, 0x8000}, 2002, {13, 0xFFFFFFFE, 15}));
    b.tag("(AM)(SD)").u32(kBase + 300);
    appendProfileRecord(b, c, AM_SD, 2, values(0, {20, 21, 22}, {1, 2, 3}));
    b.tag("(AM)(MD)").u32(kBase + 400);
    appendProfileRecord(b, c, AM_MD, 3, values(65535, {30, 31, 32}, {}, 1000, {33, 34, 35}));
    b.tag("(AM)").u32(kBase + 500);
    appendProfileRecord(b, c, AM, 4, values(999, {40, 41, 42}));
    b.tag("[PARK]");
    appendParkRecord(b, c, kBase + 3600, values(11000, {50, 51, 52}));
    b.tag("(DW)");
    appendParkRecord(b, c, kBase + 7200, values(11001, {53, 54, 55}));
    b.tag("[SURFACE]");
    appendParkRecord(b, c, kBase + 57600, values(1000, {60, 61, 62}));
    appendParkRecord(b, c, kBase + 57700, values(1001, {63, 64, 0xFFFFFFFF}));

    const CliRun outcome = decodeWithCli("F0001_001_ecov2.hex", b);
    EXPECT_EQ(outcome.run.status, 0) << outcome.run.err;
    EXPECT_EQ(outcome.run.err, "");
    EXPECT_EQ(outcome.run.out, "Decoding result\r\n- Descent: 7\r\n- Park: 2\r\n- Surface: 2\r\n");
    ASSERT_TRUE(outcome.csv);
    EXPECT_EQ(*outcome.csv,
              "[DESCENT]\r\n"
              "(DW)\r\n"
              "2020-05-15 08:00:10,23.40,1,2,3\r\n"
              "2020-05-15 08:00:30,23.50,2147483647,-1,-2147483648\r\n"
              "(RW)\r\n"
              "2020-05-15 08:01:45,100.00,7,8,9\r\n"
              "(AM)(SD)(MD)\r\n"
              "2020-05-15 08:03:21,100.10,10,11,12,-1,32767,-32768,100.20,13,-2,15\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 08:05:02,-100.00,20,21,22,1,2,3\r\n"
              "(AM)(MD)\r\n"
              "2020-05-15 08:06:43,6453.50,30,31,32,0.00,33,34,35\r\n"
              "(AM)\r\n"
              "2020-05-15 08:08:24,-0.10,40,41,42\r\n"
              "[PARK]\r\n"
              "2020-05-15 09:00:00,1000.00,50,51,52\r\n"
              "2020-05-15 10:00:00,1000.10,53,54,55\r\n"
              "[SURFACE]\r\n"
              "2020-05-16 00:00:00,0.00,60,61,62\r\n"
              "2020-05-16 00:01:40,0.10,63,64,-1\r\n");
}

TEST(Ecov2Report, OtherVariantsAreUnknownAndFailuresCorrupted) {
    auto parkFile = [](const ChannelCase& c) {
        Bytes b(c.formatCode);
        b.tag("[PARK]");
        appendParkRecord(b, c, kBase, values(1100, std::vector<std::uint32_t>(c.channels, 9)));
        return b;
    };
    Bytes surface(20);
    surface.tag("[SURFACE]");
    for (std::uint32_t i = 0; i < 300; ++i)
        appendParkRecord(surface, kECOv2_3, kBase + i, values(1100, {1, 2, 3}));
    Bytes eco(9); // an ECO file named as an ECOv2 one
    eco.tag("[PARK]").u32(kBase).u16(1100).u16(1).u16(2).u16(3);
    Bytes ssRecord(20);
    ssRecord.tag("[DESCENT](SS)").u32(kBase).u16(1).u16(1100).u32(1).u32(2).u32(3);

    const struct {
        const char* what;
        Bytes bytes;
        const char* message;
    } failures[] = {
        {"1 channel (code 19)", parkFile(kECOv2_1), "Unknown sensor type\r\n"},
        {"2 channels (code 20)", parkFile(kECOv2_2), "Unknown sensor type\r\n"},
        {"4 channels (code 22)", parkFile(kECOv2_4), "Unknown sensor type\r\n"},
        {"a full surface (-10)", surface, "The file is corrupted\r\n"},
        {"an ECO FormatCode (-3)", eco, "The file is corrupted\r\n"},
        {"a record under (SS) (-3)", ssRecord, "The file is corrupted\r\n"},
    };
    for (const auto& f : failures) {
        const CliRun outcome = decodeWithCli("F0001_002_ecov2.hex", f.bytes);
        EXPECT_EQ(outcome.run.status, 1) << f.what;
        EXPECT_EQ(outcome.run.err, f.message) << f.what;
        EXPECT_EQ(outcome.run.out, "") << f.what;
        EXPECT_FALSE(outcome.csv) << f.what;
    }
}

} // namespace
} // namespace xelo::test
