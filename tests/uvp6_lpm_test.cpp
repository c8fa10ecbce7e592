// UVP6 LPM decoder and report: the three record layouts, the head value (0
// where a record has none), times, the float and byte blocks carried as they
// are, refusals, capacities, and the CSV text that xelo-decode writes.
#include "framing/module_state.h"
#include "layouts/uvp6_lpm.h"
#include "support/cli_run.h"
#include "support/sensor_run.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::ExportRun;
using test::kMay15At8;

constexpr std::size_t kHead = offsetof(UVP6LpmSample, headValue);
constexpr std::size_t kP = offsetof(UVP6LpmSample, pressure);
constexpr std::size_t kT = offsetof(UVP6LpmSample, temperature);
constexpr std::size_t kFloats = offsetof(UVP6LpmSample, floatValues);
constexpr std::size_t kBytes = offsetof(UVP6LpmSample, byteValues);

struct LpmRaw {
    std::uint16_t pressure = 1100;     // 10.0
    std::uint16_t temperature = 17346; // 12.346
    // Numbers and patterns that are none: NaNs, infinities, -0, a subnormal.
    std::array<std::uint32_t, 18> floats = {std::bit_cast<std::uint32_t>(0.12345f),
                                            0x7FC00000,
                                            0x7FC12345,
                                            0x7F800001,
                                            0xFFFFFFFF,
                                            0x7F800000,
                                            0xFF800000,
                                            0x80000000,
                                            0x00000001,
                                            0x3F800000,
                                            0xC0490FDB,
                                            0x00800000,
                                            0x7F7FFFFF,
                                            0x12345678,
                                            0x9ABCDEF0,
                                            0x00000000,
                                            0x3DCCCCCD,
                                            0x42C80000};
    std::array<std::uint8_t, 18> bytes = {0, 1,  2,  3,  4,  5,  6,  7,    8,
                                          9, 10, 11, 12, 13, 14, 15, 0x80, 0xFF};
};

void appendBlocks(Bytes& b, const LpmRaw& raw) {
    b.u16(raw.pressure).u16(raw.temperature);
    for (std::uint32_t v : raw.floats)
        b.u32(v);
    for (std::uint8_t v : raw.bytes)
        b.u8(v);
}
Bytes& amRecord(Bytes& b, std::uint16_t step, std::uint16_t head, const LpmRaw& raw = {}) {
    appendBlocks(b.u16(step).u16(head), raw);
    return b;
}
Bytes& plainRecord(Bytes& b, std::uint16_t step, const LpmRaw& raw = {}) {
    appendBlocks(b.u16(step), raw);
    return b;
}
Bytes& parkRecord(Bytes& b, std::uint32_t time, std::uint8_t head, const LpmRaw& raw = {}) {
    appendBlocks(b.u32(time).u8(head), raw);
    return b;
}

ExportRun decode(const Bytes& bytes) {
    return ExportRun(_iRERUDODDecodeDataUVP6Lpm, kUVP6LpmLayout, bytes);
}

void expectValues(ExportRun& d, int phase, std::uint32_t i, const LpmRaw& raw) {
    EXPECT_EQ(d.f32(phase, i, kP), static_cast<float>(raw.pressure * 0.1L - 100));
    EXPECT_EQ(d.f32(phase, i, kT), static_cast<float>(raw.temperature * 0.001L - 5));
    for (std::size_t v = 0; v < raw.floats.size(); ++v)
        EXPECT_EQ(d.bits(phase, i, kFloats + 4 * v), raw.floats[v]) << "float " << v;
    for (std::size_t v = 0; v < raw.bytes.size(); ++v)
        EXPECT_EQ(d.sample(phase, i)[kBytes + v], raw.bytes[v]) << "byte " << v;
}

TEST(Uvp6LpmDecoder, EachRecordLayoutFillsTheWholeSample) {
    enum Layout { AmRecord, PlainRecord, ParkRecord };
    const struct {
        const char* tags;
        Layout layout;
        int phase;
        std::uint8_t kind;
        std::uint16_t head; // stored
        std::int32_t size;
    } cases[] = {
        {"[DESCENT](AM)", AmRecord, Descent, AM, 0x1234, 98},
        {"[DEEP_PROFILE](AM)", AmRecord, DeepProfile, AM, 0x1234, 98},
        {"[ASCENT](RW)", PlainRecord, Ascent, RW, 0, 96},
        {"[DESCENT](DW)", PlainRecord, Descent, DW, 0, 96},
        {"[PARK]", ParkRecord, Park, RW, 0xFF, 99},
        {"[SHORT_PARK](DW)", ParkRecord, ShortPark, RW, 0xFF, 99},
        {"[PARK](RW)", ParkRecord, Park, RW, 0xFF, 99},
    };
    LpmRaw raw;
    raw.pressure = 12345;
    for (const auto& c : cases) {
        Bytes bytes(14);
        bytes.tag(c.tags);
        const std::int32_t before = bytes.size();
        if (c.layout == AmRecord) amRecord(bytes.u32(1000), 60, 0x1234, raw);
        if (c.layout == PlainRecord) plainRecord(bytes.u32(1000), 60, raw);
        if (c.layout == ParkRecord) parkRecord(bytes, 7777, 0xFF, raw);
        EXPECT_EQ(bytes.size() - before - (c.layout == ParkRecord ? 0 : 4), c.size) << c.tags;

        ExportRun d = decode(bytes);
        ASSERT_EQ(d.code, 15) << c.tags;
        ASSERT_EQ(d.count(c.phase), 1) << c.tags;
        EXPECT_EQ(d.kind(c.phase, 0), c.kind) << c.tags;
        EXPECT_EQ(d.time(c.phase, 0), c.layout == ParkRecord ? 7777u : 1060u) << c.tags;
        EXPECT_EQ(d.u16(c.phase, 0, kHead), c.head) << c.tags;
        expectValues(d, c.phase, 0, raw);
        EXPECT_TRUE(d.slotUntouched(c.phase, 1)) << c.tags;
    }
}

TEST(Uvp6LpmDecoder, ProfileStepsAddUpFromTheTimeBase) {
    Bytes bytes(14);
    amRecord(amRecord(bytes.tag("[DESCENT](AM)").u32(5000), 60, 1), 60, 2);
    plainRecord(bytes.tag("(RW)").u32(9000), 0);
    ExportRun d = decode(bytes);
    ASSERT_EQ(d.code, 15);
    ASSERT_EQ(d.count(Descent), 3);
    EXPECT_EQ(d.time(Descent, 0), 5060u);
    EXPECT_EQ(d.time(Descent, 1), 5120u);
    EXPECT_EQ(d.time(Descent, 2), 9000u);
    EXPECT_EQ(d.u16(Descent, 0, kHead), 1);
    EXPECT_EQ(d.u16(Descent, 1, kHead), 2);
    EXPECT_EQ(d.kind(Descent, 2), RW);
}

TEST(Uvp6LpmDecoder, RecordsWithoutAHeadValueNeverShowAnEarlierOne) {
    Bytes first(14);
    amRecord(first.tag("[ASCENT](AM)").u32(0), 1, 0x4242);
    ExportRun d = decode(first);
    ASSERT_EQ(d.code, 15);
    ASSERT_EQ(d.u16(Ascent, 0, kHead), 0x4242);

    Bytes second(14);
    plainRecord(second.tag("[ASCENT](DW)").u32(0), 1);
    ASSERT_EQ(d.again(second), 15);
    EXPECT_EQ(d.kind(Ascent, 0), DW);
    EXPECT_EQ(d.u16(Ascent, 0, kHead), 0);
}

TEST(Uvp6LpmDecoder, RecordsWithoutALayoutAreFramingErrors) {
    const struct {
        const char* tags;
        bool timeBase;
        int phase;
    } cases[] = {
        {"[SURFACE]", false, Surface},
        {"[SURFACE](AM)", false, Surface},
        {"[PARK](AM)", false, Park},
        {"[SHORT_PARK](AM)", false, ShortPark},
        {"[PARK](SS)", false, Park},
        {"[DESCENT](AM)(SD)", true, Descent},
        {"[DEEP_PROFILE](AM)(MD)", true, DeepProfile},
        {"[ASCENT](AM)(SD)(MD)", true, Ascent},
        {"[ASCENT](SS)", true, Ascent},
    };
    for (const auto& c : cases) {
        Bytes bytes(14);
        bytes.tag(c.tags);
        if (c.timeBase) bytes.u32(0);
        parkRecord(bytes, 1, 0);
        ExportRun d = decode(bytes);
        EXPECT_EQ(d.code, -3) << c.tags;
        EXPECT_EQ(d.count(c.phase), 0) << c.tags;
    }
}

TEST(Uvp6LpmDecoder, OtherFormatCodesFailAtTheFirstRecord) {
    for (std::uint8_t fc : {13, 15, 16, 17}) {
        Bytes bytes(fc);
        amRecord(bytes.tag("[DESCENT](AM)").u32(0), 1, 1);
        ExportRun d = decode(bytes);
        EXPECT_EQ(d.code, -3) << int(fc);
        EXPECT_EQ(d.count(Descent), 1) << int(fc); // the capacity rule came first
        EXPECT_TRUE(d.slotUntouched(Descent, 0)) << int(fc);
        // Tags alone never reach the FormatCode.
        EXPECT_EQ(decode(Bytes(fc).tag("[PARK]")).code, -3);
    }
}

TEST(Uvp6LpmDecoder, EachSectionHoldsOneRecordFewerThanItsCapacity) {
    enum Layout { AmRecord, PlainRecord, ParkRecord };
    const struct {
        const char* tags;
        Layout layout;
        int phase;
        std::uint32_t capacity;
        std::int32_t overflow;
    } cases[] = {
        {"[DESCENT](RW)", PlainRecord, Descent, 1500, -4},
        {"[PARK]", ParkRecord, Park, 500, -10},
        {"[DEEP_PROFILE](AM)", AmRecord, DeepProfile, 1500, -10},
        {"[SHORT_PARK]", ParkRecord, ShortPark, 20, -10},
        {"[ASCENT](DW)", PlainRecord, Ascent, 1500, -10},
    };
    for (const auto& c : cases) {
        auto file = [&](std::uint32_t records) {
            Bytes bytes(14);
            bytes.tag(c.tags);
            if (c.layout != ParkRecord) bytes.u32(0);
            for (std::uint32_t r = 0; r < records; ++r) {
                if (c.layout == AmRecord) amRecord(bytes, 1, 7);
                if (c.layout == PlainRecord) plainRecord(bytes, 1);
                if (c.layout == ParkRecord) parkRecord(bytes, 1, 7);
            }
            return bytes;
        };
        SCOPED_TRACE(c.tags);
        test::expectCapacityRule(_iRERUDODDecodeDataUVP6Lpm, kUVP6LpmLayout, c.phase, c.capacity,
                                 15, c.overflow, file);
    }
}

TEST(Uvp6LpmDecoder, DataThatEndEarlyKeepOnlyCompleteRecords) {
    Bytes stored(14);
    amRecord(stored.tag("[DESCENT](AM)").u32(0), 1, 1);
    Bytes am;
    amRecord(am, 1, 1);
    Bytes park;
    parkRecord(park, 1, 1);
    auto head = [](const Bytes& b, std::size_t n) {
        return std::vector<std::uint8_t>(b.vec().begin(),
                                         b.vec().begin() + static_cast<std::ptrdiff_t>(n));
    };
    const struct {
        const char* what;
        Bytes tail;
        std::int32_t code;
    } cases[] = {
        {"nothing more", Bytes(), 15},
        {"filler", Bytes().fill(2, 0x1A), 15},
        {"an AM record cut short", Bytes().raw(head(am, 97)), 15},
        {"an AM record cut to the size of a plain one", Bytes().raw(head(am, 96)), 15},
        {"a park record cut short", Bytes().tag("[PARK]").raw(head(park, 98)), 15},
        {"a time base cut short", Bytes().tag("(RW)").raw({1, 2, 3}), 15},
        {"a profile phase tag", Bytes().tag("[DEEP_PROFILE]"), -3},
    };
    for (const auto& c : cases) {
        ExportRun d = decode(Bytes(stored).raw(c.tail.vec()));
        EXPECT_EQ(d.code, c.code) << c.what;
        EXPECT_EQ(d.count(Descent), 1) << c.what;
        EXPECT_TRUE(d.slotUntouched(Descent, 1)) << c.what;
        EXPECT_EQ(d.count(Park), 0) << c.what;
    }
}

// Printable blocks for the report: 0.12345 and steps of 0.5; bytes 0 to 16 and 255.
LpmRaw printable() {
    LpmRaw raw;
    raw.floats[0] = std::bit_cast<std::uint32_t>(0.12345f);
    for (std::size_t i = 1; i < 18; ++i)
        raw.floats[i] = std::bit_cast<std::uint32_t>(0.5f * i);
    for (std::size_t i = 0; i < 17; ++i)
        raw.bytes[i] = static_cast<std::uint8_t>(i);
    raw.bytes[17] = 255;
    return raw;
}
const std::string kBlocks = "0.1235,0.5000,1.0000,1.5000,2.0000,2.5000,3.0000,3.5000,4.0000,4.5000,"
                            "5.0000,5.5000,6.0000,6.5000,7.0000,7.5000,8.0000,8.5000,"
                            "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,255\r\n";

TEST(Uvp6LpmReport, EverySectionWithItsModeLinesAndOneLineOfThirtyNineValues) {
    const LpmRaw raw = printable();
    Bytes bytes(14);
    bytes.tag("[DESCENT](AM)").u32(kMay15At8);
    amRecord(amRecord(bytes, 10, 0x1234, raw), 10, 7, raw);
    plainRecord(bytes.tag("(RW)").u32(kMay15At8 + 60), 0, raw);
    parkRecord(bytes.tag("[PARK]"), kMay15At8 + 3600, 0xFF, raw);
    plainRecord(bytes.tag("[DEEP_PROFILE](DW)").u32(kMay15At8 + 7200), 5, raw);
    parkRecord(bytes.tag("[SHORT_PARK](DW)"), kMay15At8 + 7260, 3, raw);
    amRecord(bytes.tag("[ASCENT](AM)").u32(kMay15At8 + 9000), 1, 65535, raw);
    bytes.fill(1, 0x1A);

    const test::CliRun r = test::decodeWithCli("F1234_042_uvp6_lpm.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "Decoding result\r\n- Descent: 3\r\n- Park: 1\r\n- Deep profile: 1\r\n"
                         "- Short park: 1\r\n- Ascent: 1\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "[DESCENT]\r\n(AM)\r\n"
                     "2020-05-15 08:00:10,4660,10.00,12.35," +
                         kBlocks + "2020-05-15 08:00:20,7,10.00,12.35," + kBlocks +
                         "(RW)\r\n"
                         "2020-05-15 08:01:00,0,10.00,12.35," +
                         kBlocks +
                         "[PARK]\r\n"
                         "2020-05-15 09:00:00,255,10.00,12.35," +
                         kBlocks +
                         "[DEEP_PROFILE]\r\n(DW)\r\n"
                         "2020-05-15 10:00:05,0,10.00,12.35," +
                         kBlocks +
                         "[SHORT_PARK]\r\n"
                         "2020-05-15 10:01:00,3,10.00,12.35," +
                         kBlocks +
                         "[ASCENT]\r\n(AM)\r\n"
                         "2020-05-15 10:30:01,65535,10.00,12.35," +
                         kBlocks);
}

TEST(Uvp6LpmReport, HeadValueOfRwRecordsIsZeroAfterAnEarlierFileInTheSameRun) {
    test::TempDir dir;
    Bytes withHeads(14);
    amRecord(withHeads.tag("[DESCENT](AM)").u32(kMay15At8), 0, 0x5151, printable());
    Bytes without(14);
    plainRecord(without.tag("[DESCENT](RW)").u32(kMay15At8), 0, printable());
    test::writeFile(dir.file("A_uvp6_lpm.hex"), withHeads.vec());
    test::writeFile(dir.file("B_uvp6_lpm.hex"), without.vec());

    const test::RunResult r = test::run(
        {test::binDir() + "/xelo-decode", "A_uvp6_lpm.hex", "B_uvp6_lpm.hex"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(test::readText(dir.file("A_uvp6_lpm.csv")),
              "[DESCENT]\r\n(AM)\r\n2020-05-15 08:00:00,20817,10.00,12.35," + kBlocks);
    EXPECT_EQ(test::readText(dir.file("B_uvp6_lpm.csv")),
              "[DESCENT]\r\n(RW)\r\n2020-05-15 08:00:00,0,10.00,12.35," + kBlocks);
}

TEST(Uvp6LpmReport, FailedDecodesAreReportedAsCorruptedAndWriteNoFile) {
    Bytes surface(14);
    parkRecord(surface.tag("[SURFACE]"), 1, 1);
    Bytes overflow(14);
    overflow.tag("[SHORT_PARK]");
    for (int r = 0; r < 20; ++r)
        parkRecord(overflow, 1, 1);
    Bytes wrongFormat(17);
    parkRecord(wrongFormat.tag("[PARK]"), 1, 1);
    for (const Bytes* bytes : {&surface, &overflow, &wrongFormat})
        test::expectCorruptedAnswer("F1234_042_uvp6_lpm.hex", bytes->vec());
}

} // namespace
} // namespace xelo
