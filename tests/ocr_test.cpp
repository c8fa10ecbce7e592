// OCR radiometer: the three variants through the shared decoder tests, and
// the report of the 4-channel variant through xelo-decode.
#include "support/channel_sensor.h"

namespace xelo::test {
namespace {

const ChannelCase kOCR4{.name = "OCR4ch",
                        .decode = _iRERUDODDecodeDataOCR,
                        .formatCode = 4,
                        .channels = 4,
                        .readingWidth = 4,
                        .sdWidth = 4,
                        .successCode = 5,
                        .ssEndsIfFiller = true,
                        .sampleSize = 61,
                        .channelSdAt = 25,
                        .medianPressureAt = 41,
                        .medianChannelAt = 45,
                        .countAt = {0, 152502, 183004, 213506, 219608, 372110},
                        .areaSize = 390412,
                        .foreignCodes = {0, 1, 2, 3, 7, 8, 9, 18, 21, 22, 255},
                        .recordSizes = {20, 36, 38, 54, 22},
                        .sample = "F1234_042_ocr.hex"};
const ChannelCase kOCR7{.name = "OCR7ch",
                        .decode = _iRERUDODDecodeDataOCR,
                        .formatCode = 5,
                        .channels = 7,
                        .readingWidth = 4,
                        .sdWidth = 4,
                        .successCode = 6,
                        .ssEndsIfFiller = true,
                        .sampleSize = 97,
                        .channelSdAt = 37,
                        .medianPressureAt = 65,
                        .medianChannelAt = 69,
                        .countAt = {0, 242502, 291004, 339506, 349208, 591710},
                        .areaSize = 620812,
                        .foreignCodes = {7, 19},
                        .recordSizes = {32, 60, 62, 90, 34},
                        .sample = "F1234_043_ocr.hex"};
// The 14-channel variant's success code is below the others'.
const ChannelCase kOCR14{.name = "OCR14ch",
                         .decode = _iRERUDODDecodeDataOCR,
                         .formatCode = 6,
                         .channels = 14,
                         .readingWidth = 4,
                         .sdWidth = 4,
                         .successCode = 4,
                         .ssEndsIfFiller = true,
                         .sampleSize = 181,
                         .channelSdAt = 65,
                         .medianPressureAt = 121,
                         .medianChannelAt = 125,
                         .countAt = {0, 452502, 543004, 633506, 651608, 1104110},
                         .areaSize = 1158412,
                         .foreignCodes = {7, 20},
                         .recordSizes = {60, 116, 118, 174, 62},
                         .sample = "F1234_044_ocr.hex"};

INSTANTIATE_TEST_SUITE_P(OCR, ChannelDecoder, ::testing::Values(kOCR4, kOCR7, kOCR14),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr std::uint32_t kBase = 1589529600; // 2020-05-15 08:00:00

TEST(OcrReport, WritesEveryKindOfTheFourChannelVariant) {
    const ChannelCase& c = kOCR4;
    Bytes b(4);
    b.tag("[DESCENT](AM)").u32(kBase);
    appendProfileRecord(b, c, AM, 10, values(1234, {1, 2, 3, 4}));
    appendProfileRecord(b, c, AM, 20, values(1235, {5, 6, 7, 8}));
    b.tag("(AM)(SD)").u32(kBase + 100);
    appendProfileRecord(b, c, AM_SD, 5, values(2000, {10, 11, 12, 13}, {14, 15, 16, 17}));
    b.tag("(AM)(MD)").u32(kBase + 200);
    appendProfileRecord(b, c, AM_MD, 1, values(2001, {20, 21, 22, 23}, {}, 2002, {24, 25, 26, 27}));
    b.tag("(AM)(SD)(MD)").u32(kBase + 300);
    appendProfileRecord(
        b, c, AM_SD_MD, 2,
        values(0, {0xFFFFFFFF, 0, 0x80000000, 1}, {30, 31, 32, 33}, 65535, {34, 35, 36, 37}));
    b.tag("(DW)").u32(kBase + 400);
    appendProfileRecord(b, c, DW, 3, values(1000, {40, 41, 42, 43}));
    b.tag("(RW)").u32(kBase + 500);
    appendProfileRecord(b, c, RW, 4, values(999, {44, 45, 46, 47}));
    b.tag("(AM)(SD)").u32(kBase + 600);
    appendProfileRecord(b, c, AM_SD, 6, values(1500, {1, 1, 1, 1}, {2, 2, 2, 2}));
    b.tag("[PARK]");
    appendParkRecord(b, c, kBase + 3600, values(11000, {50, 51, 52, 53}));
    b.tag("(DW)");
    appendParkRecord(b, c, kBase + 7200, values(11001, {54, 55, 56, 57}));
    b.tag("[DEEP_PROFILE](AM)(SD)").u32(kBase + 10000);
    appendProfileRecord(b, c, AM_SD, 7, values(12000, {60, 61, 62, 63}, {64, 65, 66, 67}));
    b.tag("[SHORT_PARK]");
    appendParkRecord(b, c, kBase + 20000, values(21000, {70, 71, 72, 73}));
    b.tag("[ASCENT](AM)").u32(kBase + 30000);
    appendProfileRecord(b, c, AM, 10, values(1234, {1, 2, 3, 4}));
    b.tag("(AM)").u32(kBase + 30100);
    appendProfileRecord(b, c, AM, 5, values(1100, {5, 6, 7, 8}));
    b.tag("(DW)").u32(kBase + 30200);
    appendProfileRecord(b, c, DW, 7, values(1050, {90, 91, 92, 93}));
    b.tag("[SURFACE]");
    appendParkRecord(b, c, kBase + 57600,
                     values(1000, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}));
    b.tag("(DW)");
    appendParkRecord(b, c, kBase + 57700, values(1001, {80, 81, 82, 83}));
    b.fill(3, 0x1A);

    const CliRun outcome = decodeWithCli("F0001_001_ocr.hex", b);
    EXPECT_EQ(outcome.run.status, 0) << outcome.run.err;
    EXPECT_EQ(outcome.run.err, "");
    EXPECT_EQ(outcome.run.out,
              "Decoding result\r\n- Descent: 8\r\n- Park: 2\r\n- Deep profile: 1\r\n"
              "- Short park: 1\r\n- Ascent: 3\r\n- Surface: 2\r\n");
    ASSERT_TRUE(outcome.csv);
    EXPECT_EQ(*outcome.csv,
              "[DESCENT]\r\n"
              "(AM)\r\n"
              "2020-05-15 08:00:10,23.40,1,2,3,4\r\n"
              "2020-05-15 08:00:30,23.50,5,6,7,8\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 08:01:45,100.00,10,11,12,13,14,15,16,17\r\n"
              "(AM)(MD)\r\n"
              "2020-05-15 08:03:21,100.10,20,21,22,23,100.20,24,25,26,27\r\n"
              "(AM)(SD)(MD)\r\n"
              "2020-05-15 08:05:02,-100.00,4294967295,0,2147483648,1,30,31,32,33,6453.50,34,35,"
              "36,37\r\n"
              "(DW)\r\n"
              "2020-05-15 08:06:43,0.00,40,41,42,43\r\n"
              "(RW)\r\n"
              "2020-05-15 08:08:24,-0.10,44,45,46,47\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 08:10:06,50.00,1,1,1,1,2,2,2,2\r\n"
              "[PARK]\r\n"
              "2020-05-15 09:00:00,1000.00,50,51,52,53\r\n"
              "2020-05-15 10:00:00,1000.10,54,55,56,57\r\n"
              "[DEEP_PROFILE]\r\n"
              "(AM)(SD)\r\n"
              "2020-05-15 10:46:47,1100.00,60,61,62,63,64,65,66,67\r\n"
              "[SHORT_PARK]\r\n"
              "2020-05-15 13:33:20,2000.00,70,71,72,73\r\n"
              "[ASCENT]\r\n"
              "(AM)\r\n"
              "2020-05-15 16:20:10,23.40,1,2,3,4\r\n"
              "2020-05-15 16:21:45,10.00,5,6,7,8\r\n"
              "(DW)\r\n"
              "2020-05-15 16:23:27,5.00,90,91,92,93\r\n"
              "[SURFACE]\r\n"
              "2020-05-16 00:00:00,0.00,4294967295,4294967295,4294967295,4294967295\r\n"
              "2020-05-16 00:01:40,0.10,80,81,82,83\r\n");
}

TEST(OcrReport, OtherCodesWriteNoReport) {
    // A park record laid out for `layout`, under the given FormatCode.
    auto parkFile = [](std::uint8_t formatCode, const ChannelCase& layout) {
        Bytes b(formatCode);
        b.tag("[PARK]");
        appendParkRecord(b, layout, kBase,
                         values(1234, std::vector<std::uint32_t>(layout.channels, 9)));
        return b;
    };
    Bytes tooMany(4);
    tooMany.tag("[DESCENT](RW)").u32(kBase);
    for (int i = 0; i < 2500; ++i)
        appendProfileRecord(tooMany, kOCR4, RW, 1, values(1100, {1, 2, 3, 4}));
    Bytes amAtSurface(4);
    amAtSurface.tag("[SURFACE](AM)");
    appendParkRecord(amAtSurface, kOCR4, kBase, values(1100, {1, 2, 3, 4}));

    const struct {
        const char* what;
        Bytes bytes;
        const char* message;
    } failures[] = {
        {"7 channels (code 6)", parkFile(5, kOCR7), "Unknown sensor type\r\n"},
        {"14 channels (code 4)", parkFile(6, kOCR14), "Unknown sensor type\r\n"},
        {"an ECO FormatCode (-3)", parkFile(7, kOCR4), "The file is corrupted\r\n"},
        {"a full descent (-4)", tooMany, "The file is corrupted\r\n"},
        {"(AM) at the surface (-3)", amAtSurface, "The file is corrupted\r\n"},
        {"no record (-3)", Bytes(4).tag("[PARK]"), "The file is corrupted\r\n"},
    };
    for (const auto& f : failures) {
        const CliRun outcome = decodeWithCli("F0001_002_ocr.hex", f.bytes);
        EXPECT_EQ(outcome.run.status, 1) << f.what;
        EXPECT_EQ(outcome.run.err, f.message) << f.what;
        EXPECT_EQ(outcome.run.out, "") << f.what;
        EXPECT_FALSE(outcome.csv) << f.what;
    }
}

} // namespace
} // namespace xelo::test
