// SUNA nitrate decoder and report: both list lengths, profile and park-like
// record layouts, conversions, floats carried bit for bit, refusals, the
// capacities, an unknown FormatCode that leaves everything alone, and the CSV
// text that xelo-decode writes.
#include "framing/module_state.h"
#include "layouts/suna.h"
#include "support/cli_run.h"
#include "support/sensor_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xelo {
namespace {

using test::Bytes;
using test::ExportRun;
using test::kMay15At8;
using test::ResultArea;

using Sample = SUNASample<kSUNAShortList>; // the fields sit alike in both variants
constexpr std::size_t kP = offsetof(Sample, pressure);
constexpr std::size_t kA = offsetof(Sample, valueA);
constexpr std::size_t kB = offsetof(Sample, valueB);
constexpr std::size_t kC = offsetof(Sample, valueC);
constexpr std::size_t kD = offsetof(Sample, valueD);
constexpr std::size_t kE = offsetof(Sample, valueE);
constexpr std::size_t kF = offsetof(Sample, valueF);
constexpr std::size_t kG = offsetof(Sample, valueG);
constexpr std::size_t kH = offsetof(Sample, valueH);
constexpr std::size_t kI = offsetof(Sample, valueI);
constexpr std::size_t kList = offsetof(Sample, listValues);

// The raw fields of one record; the defaults give 10.0, 1.5, 2.25, 3.0, 4.0,
// 5.5, 6.0, 7.0, 8.0 and 0.125.
struct SunaRaw {
    std::uint16_t pressure = 1100;
    std::uint16_t a = 6500;
    std::uint16_t b = 2250;
    std::uint16_t c = 8000;
    std::uint16_t d = 9000;
    std::uint8_t e = 11;
    std::uint16_t f = 60;
    std::int16_t g = 700;
    std::uint32_t h = 0x41000000; // 8.0f
    std::uint32_t i = 0x3E000000; // 0.125f
    std::vector<std::uint16_t> list;
};

std::vector<std::uint16_t> countingList(std::size_t k) {
    std::vector<std::uint16_t> list(k);
    for (std::size_t i = 0; i < k; ++i)
        list[i] = static_cast<std::uint16_t>(1000 + 3 * i);
    return list;
}

void appendFields(Bytes& bytes, const SunaRaw& raw, std::size_t k) {
    bytes.u16(raw.pressure).u16(raw.a).u16(raw.b).u16(raw.c).u16(raw.d).u8(raw.e).u16(raw.f);
    bytes.u16(static_cast<std::uint16_t>(raw.g)).u32(raw.h).u32(raw.i);
    const std::vector<std::uint16_t> list = raw.list.empty() ? countingList(k) : raw.list;
    EXPECT_EQ(list.size(), k);
    for (std::uint16_t v : list)
        bytes.u16(v);
}
Bytes& profileRecord(Bytes& bytes, std::uint16_t step, const SunaRaw& raw, std::size_t k) {
    appendFields(bytes.u16(step), raw, k);
    return bytes;
}
Bytes& parkRecord(Bytes& bytes, std::uint32_t time, const SunaRaw& raw, std::size_t k) {
    appendFields(bytes.u32(time), raw, k);
    return bytes;
}

ExportRun decodeShort(const Bytes& bytes) {
    return ExportRun(_iRERUDODDecodeDataSUNA, kSUNAShortLayout, bytes);
}
ExportRun decodeLong(const Bytes& bytes) {
    return ExportRun(_iRERUDODDecodeDataSUNA, kSUNALongLayout, bytes);
}

void expectDefaultValues(ExportRun& d, int phase, std::uint32_t i) {
    EXPECT_EQ(d.f32(phase, i, kP), 10.0f);
    EXPECT_EQ(d.f32(phase, i, kA), 1.5f);
    EXPECT_EQ(d.f32(phase, i, kB), 2.25f);
    EXPECT_EQ(d.f32(phase, i, kC), 3.0f);
    EXPECT_EQ(d.f32(phase, i, kD), 4.0f);
    EXPECT_EQ(d.f32(phase, i, kE), 5.5f);
    EXPECT_EQ(d.f32(phase, i, kF), 6.0f);
    EXPECT_EQ(d.f32(phase, i, kG), 7.0f);
    EXPECT_EQ(d.bits(phase, i, kH), 0x41000000u);
    EXPECT_EQ(d.bits(phase, i, kI), 0x3E000000u);
}

void expectList(ExportRun& d, int phase, std::uint32_t i, const std::vector<std::uint16_t>& list) {
    for (std::size_t v = 0; v < list.size(); ++v)
        EXPECT_EQ(d.u16(phase, i, kList + 2 * v), list[v]) << "list value " << v;
}

TEST(SunaDecoder, ShortListDescentRecordsAddTheirStepsToTheTimeBase) {
    Bytes bytes(12);
    bytes.tag("[DESCENT](RW)").u32(1000);
    profileRecord(bytes, 5, SunaRaw{}, 45);
    SunaRaw second;
    second.list = std::vector<std::uint16_t>(45, 0xBEEF);
    profileRecord(bytes, 7, second, 45);
    ASSERT_EQ(bytes.size(), 1 + 13 + 4 + 2 * 115);

    ExportRun d = decodeShort(bytes);
    ASSERT_EQ(d.code, 13);
    ASSERT_EQ(d.count(Descent), 2);
    for (int phase = Park; phase <= Surface; ++phase)
        EXPECT_EQ(d.count(phase), 0);
    EXPECT_EQ(d.kind(Descent, 0), RW);
    EXPECT_EQ(d.time(Descent, 0), 1005u);
    EXPECT_EQ(d.time(Descent, 1), 1012u);
    expectDefaultValues(d, Descent, 0);
    expectList(d, Descent, 0, countingList(45));
    expectDefaultValues(d, Descent, 1);
    expectList(d, Descent, 1, second.list);
    EXPECT_TRUE(d.slotUntouched(Descent, 2));
}

TEST(SunaDecoder, LongListParkRecordCarriesItsOwnTimeAndNinetyValues) {
    SunaRaw raw;
    raw.list = countingList(90);
    raw.list.front() = 0;
    raw.list.back() = 65535;
    Bytes bytes(13);
    bytes.tag("[PARK]");
    parkRecord(bytes, kMay15At8, raw, 90);
    ASSERT_EQ(bytes.size(), 1 + 6 + 207);

    ExportRun d = decodeLong(bytes);
    ASSERT_EQ(d.code, 14);
    ASSERT_EQ(d.count(Park), 1);
    EXPECT_EQ(d.kind(Park, 0), RW);
    EXPECT_EQ(d.time(Park, 0), kMay15At8);
    expectDefaultValues(d, Park, 0);
    expectList(d, Park, 0, raw.list);
    EXPECT_TRUE(d.slotUntouched(Park, 1));
}

TEST(SunaDecoder, EachScaledValueIsRoundedOnceFromItsRawInteger) {
    const struct {
        const char* what;
        void (*set)(SunaRaw&);
        std::size_t field;
        float expected;
    } cases[] = {
        {"pressure 1000", [](SunaRaw& r) { r.pressure = 1000; }, kP, 0.0f},
        {"pressure 0", [](SunaRaw& r) { r.pressure = 0; }, kP, -100.0f},
        {"pressure max", [](SunaRaw& r) { r.pressure = 65535; }, kP,
         static_cast<float>(65535 * 0.1L - 100)},
        {"pressure 12345", [](SunaRaw& r) { r.pressure = 12345; }, kP,
         static_cast<float>(12345 * 0.1L - 100)},
        {"A 0", [](SunaRaw& r) { r.a = 0; }, kA, -5.0f},
        {"A 5000", [](SunaRaw& r) { r.a = 5000; }, kA, 0.0f},
        {"A 17346", [](SunaRaw& r) { r.a = 17346; }, kA, static_cast<float>(17346 * 0.001L - 5)},
        {"B max", [](SunaRaw& r) { r.b = 65535; }, kB, static_cast<float>(65535 * 0.001L)},
        {"B 1", [](SunaRaw& r) { r.b = 1; }, kB, static_cast<float>(0.001L)},
        {"C 0", [](SunaRaw& r) { r.c = 0; }, kC, -5.0f},
        {"D max", [](SunaRaw& r) { r.d = 65535; }, kD, static_cast<float>(65535 * 0.001L - 5)},
        {"E 255", [](SunaRaw& r) { r.e = 255; }, kE, 127.5f},
        {"E 0", [](SunaRaw& r) { r.e = 0; }, kE, 0.0f},
        {"F max", [](SunaRaw& r) { r.f = 65535; }, kF, static_cast<float>(65535 * 0.1L)},
        {"F 3", [](SunaRaw& r) { r.f = 3; }, kF, static_cast<float>(3 * 0.1L)},
        {"G -1", [](SunaRaw& r) { r.g = -1; }, kG, static_cast<float>(-0.01L)},
        {"G min", [](SunaRaw& r) { r.g = -32768; }, kG, static_cast<float>(-32768 * 0.01L)},
        {"G max", [](SunaRaw& r) { r.g = 32767; }, kG, static_cast<float>(32767 * 0.01L)},
    };
    for (const auto& c : cases) {
        SunaRaw raw;
        c.set(raw);
        Bytes bytes(12);
        bytes.tag("[ASCENT](RW)").u32(0);
        profileRecord(bytes, 1, raw, 45);
        ExportRun d = decodeShort(bytes);
        ASSERT_EQ(d.code, 13) << c.what;
        EXPECT_EQ(d.f32(Ascent, 0, c.field), c.expected) << c.what;
    }
}

TEST(SunaDecoder, FloatValuesKeepTheirExactBitsNotANumberIncluded) {
    const std::uint32_t patterns[] = {0x7FC00000, 0x7FC12345, 0x7F800001, 0xFFFFFFFF,
                                      0xFF800000, 0x80000000, 0x00000001};
    for (std::uint32_t bits : patterns) {
        SunaRaw raw;
        raw.h = bits;
        raw.i = bits ^ 0x00000002u; // tells H and I apart
        Bytes bytes(13);
        bytes.tag("[DESCENT](DW)").u32(0);
        profileRecord(bytes, 1, raw, 90);
        bytes.tag("[SHORT_PARK]");
        parkRecord(bytes, 77, raw, 90);
        ExportRun d = decodeLong(bytes);
        ASSERT_EQ(d.code, 14) << std::hex << bits;
        EXPECT_EQ(d.bits(Descent, 0, kH), raw.h) << std::hex << bits;
        EXPECT_EQ(d.bits(Descent, 0, kI), raw.i) << std::hex << bits;
        EXPECT_EQ(d.bits(ShortPark, 0, kH), raw.h) << std::hex << bits;
        EXPECT_EQ(d.bits(ShortPark, 0, kI), raw.i) << std::hex << bits;
    }
}

TEST(SunaDecoder, KindIsTheModeInProfilePhasesAndRwInParkLikePhases) {
    const struct {
        const char* tags;
        int phase;
        std::uint8_t kind;
    } cases[] = {
        {"[DESCENT](RW)", Descent, RW},
        {"[DESCENT](DW)", Descent, DW},
        {"[DEEP_PROFILE](DW)", DeepProfile, DW},
        {"[ASCENT](DW)", Ascent, DW},
        {"[PARK](DW)", Park, RW},
        {"[SHORT_PARK]", ShortPark, RW},
        {"[SHORT_PARK](DW)", ShortPark, RW},
    };
    for (const auto& c : cases) {
        Bytes bytes(12);
        bytes.tag(c.tags);
        if (isProfilePhase(static_cast<std::uint8_t>(c.phase)))
            profileRecord(bytes.u32(500), 20, SunaRaw{}, 45);
        else
            parkRecord(bytes, 900, SunaRaw{}, 45);
        ExportRun d = decodeShort(bytes);
        ASSERT_EQ(d.code, 13) << c.tags;
        ASSERT_EQ(d.count(c.phase), 1) << c.tags;
        EXPECT_EQ(d.kind(c.phase, 0), c.kind) << c.tags;
        EXPECT_EQ(d.time(c.phase, 0),
                  isProfilePhase(static_cast<std::uint8_t>(c.phase)) ? 520u : 900u);
        expectDefaultValues(d, c.phase, 0);
    }
}

TEST(SunaDecoder, RecordsWithoutALayoutAreFramingErrors) {
    const struct {
        const char* tags;
        bool timeBase;
        int phase;
    } cases[] = {
        {"[DESCENT](AM)", true, Descent},
        {"[DESCENT](AM)(SD)", true, Descent},
        {"[DEEP_PROFILE](AM)(MD)", true, DeepProfile},
        {"[ASCENT](AM)(SD)(MD)", true, Ascent},
        {"[ASCENT](SS)", true, Ascent},
        {"[SURFACE]", false, Surface},
        {"[PARK](AM)", false, Park},
        {"[SHORT_PARK](SS)", false, ShortPark},
    };
    for (std::uint8_t fc : {12, 13}) {
        for (const auto& c : cases) {
            const std::size_t k = fc == 12 ? 45 : 90;
            Bytes bytes(fc);
            bytes.tag(c.tags);
            if (c.timeBase) bytes.u32(1000);
            parkRecord(bytes, 1000, SunaRaw{}, k);
            ExportRun d(_iRERUDODDecodeDataSUNA, fc == 12 ? kSUNAShortLayout : kSUNALongLayout,
                        bytes);
            EXPECT_EQ(d.code, -3) << c.tags;
            EXPECT_EQ(d.count(c.phase), 0) << c.tags;
        }
    }
}

bool wholeAreaUntouched(ResultArea& area) {
    for (std::size_t i = 0; i < area.size(); ++i)
        if (*area.at(i) != ResultArea::kPattern) return false;
    return true;
}

TEST(SunaDecoder, UnknownFormatCodeLeavesTheAreaAndTheModuleStateAlone) {
    for (std::uint8_t fc : {0, 1, 11, 14, 17, 22, 255}) {
        ModuleState& state = processState();
        state = ModuleState{4321, ShortPark, DW};
        Bytes bytes(fc);
        bytes.tag("[DESCENT](RW)").u32(0);
        profileRecord(bytes, 1, SunaRaw{}, 45);
        ExportRun d = decodeLong(bytes);
        EXPECT_EQ(d.code, -3) << int(fc);
        EXPECT_TRUE(wholeAreaUntouched(d.area)) << int(fc);
        EXPECT_EQ(state.RemainingBytes, 4321) << int(fc);
        EXPECT_EQ(state.CurrentPhase, ShortPark) << int(fc);
        EXPECT_EQ(state.CurrentMode, DW) << int(fc);
        // The FormatCode is looked at before the result area.
        EXPECT_EQ(_iRERUDODDecodeDataSUNA(nullptr, bytes.data(), bytes.size()), -3) << int(fc);
    }
}

TEST(SunaDecoder, NullResultIsRefusedForAKnownFormatCode) {
    for (std::uint8_t fc : {12, 13}) {
        const Bytes bytes = Bytes(fc).tag("[PARK]");
        EXPECT_EQ(_iRERUDODDecodeDataSUNA(nullptr, bytes.data(), bytes.size()), -1);
    }
}

TEST(SunaDecoder, NoDataIsAFramingErrorWithoutReadingOrWriting) {
    ModuleState& state = processState();
    state = ModuleState{99, Ascent, RW};
    const Bytes bytes = Bytes(12).tag("[PARK]");
    for (std::int32_t length : {0, -1, -100}) {
        ResultArea area(kSUNAShortLayout.size());
        EXPECT_EQ(_iRERUDODDecodeDataSUNA(area.area(), bytes.data(), length), -3);
        EXPECT_EQ(_iRERUDODDecodeDataSUNA(area.area(), nullptr, length), -3);
        EXPECT_TRUE(wholeAreaUntouched(area));
        EXPECT_TRUE(area.guardsIntact());
        EXPECT_EQ(state.RemainingBytes, 99);
    }
    // A FormatCode and nothing after it: counts reset, framing error.
    ExportRun d = decodeShort(Bytes(12));
    EXPECT_EQ(d.code, -3);
    EXPECT_EQ(d.count(Descent), 0);
}

TEST(SunaDecoder, EachSectionHoldsOneRecordFewerThanItsCapacity) {
    const struct {
        std::uint8_t fc;
        const char* tags;
        int phase;
        std::uint32_t capacity;
        std::int32_t overflow;
    } cases[] = {
        {12, "[DESCENT](RW)", Descent, 500, -4},
        {12, "[PARK]", Park, 500, -10},
        {12, "[DEEP_PROFILE](DW)", DeepProfile, 100, -10},
        {12, "[SHORT_PARK]", ShortPark, 20, -10},
        {12, "[ASCENT](RW)", Ascent, 500, -10},
        {13, "[DESCENT](DW)", Descent, 500, -4},
        {13, "[SHORT_PARK]", ShortPark, 20, -10},
        {13, "[DEEP_PROFILE](RW)", DeepProfile, 100, -10},
    };
    for (const auto& c : cases) {
        const std::size_t k = c.fc == 12 ? 45 : 90;
        const ResultLayout& layout = c.fc == 12 ? kSUNAShortLayout : kSUNALongLayout;
        const bool profile = isProfilePhase(static_cast<std::uint8_t>(c.phase));
        auto file = [&](std::uint32_t records) {
            Bytes bytes(c.fc);
            bytes.tag(c.tags);
            if (profile) bytes.u32(0);
            for (std::uint32_t r = 0; r < records; ++r) {
                if (profile)
                    profileRecord(bytes, 1, SunaRaw{}, k);
                else
                    parkRecord(bytes, r, SunaRaw{}, k);
            }
            return bytes;
        };
        SCOPED_TRACE(c.tags);
        test::expectCapacityRule(_iRERUDODDecodeDataSUNA, layout, c.phase, c.capacity, c.fc + 1,
                                 c.overflow, file);
    }
}

TEST(SunaDecoder, DataThatEndEarlyKeepOnlyCompleteRecords) {
    Bytes stored(12);
    stored.tag("[DESCENT](RW)").u32(0);
    profileRecord(stored, 1, SunaRaw{}, 45);
    Bytes partialProfile;
    profileRecord(partialProfile, 1, SunaRaw{}, 45);
    Bytes partialPark;
    parkRecord(partialPark, 1, SunaRaw{}, 45);
    auto head = [](const Bytes& b, std::size_t n) {
        return std::vector<std::uint8_t>(b.vec().begin(),
                                         b.vec().begin() + static_cast<std::ptrdiff_t>(n));
    };
    const struct {
        const char* what;
        Bytes tail;
        std::int32_t code;
    } cases[] = {
        {"nothing more", Bytes(), 13},
        {"filler", Bytes().fill(4, 0x1A), 13},
        {"a profile record cut short", Bytes().raw(head(partialProfile, 114)), 13},
        {"a park record cut short", Bytes().tag("[PARK]").raw(head(partialPark, 116)), 13},
        {"a park-like phase tag", Bytes().tag("[PARK]"), 13},
        {"a mode tag", Bytes().tag("(DW)"), 13},
        {"half a time base", Bytes().tag("(DW)").raw({1, 2}), 13},
        {"a profile phase tag", Bytes().tag("[ASCENT]"), -3},
    };
    for (const auto& c : cases) {
        ExportRun d = decodeShort(Bytes(stored).raw(c.tail.vec()));
        EXPECT_EQ(d.code, c.code) << c.what;
        EXPECT_EQ(d.count(Descent), 1) << c.what;
        EXPECT_EQ(d.count(Park), 0) << c.what;
        EXPECT_TRUE(d.slotUntouched(Descent, 1)) << c.what;
        ExportRun alone = decodeShort(Bytes(12).raw(c.tail.vec()));
        EXPECT_EQ(alone.code, -3) << c.what;
    }
}

// The text of one report line after the timestamp prefix, for `raw` with the
// default values.
std::string defaultValuesText() {
    return "10.00,1.500,2.250,3.00,4.00,5.5,6.0,7.00,8.00,0.1250";
}
std::string listText(const std::vector<std::uint16_t>& list) {
    std::string text;
    for (std::uint16_t v : list)
        text += "," + std::to_string(v);
    return text;
}

TEST(SunaReport, ShortListWritesDescentParkAndAscentWithTheirModeLines) {
    const std::string line = defaultValuesText() + listText(countingList(45)) + "\r\n";
    Bytes bytes(12);
    bytes.tag("[DESCENT](RW)").u32(kMay15At8);
    profileRecord(bytes, 5, SunaRaw{}, 45);
    profileRecord(bytes.tag("(DW)").u32(kMay15At8 + 100), 0, SunaRaw{}, 45);
    profileRecord(bytes.tag("(RW)").u32(kMay15At8 + 200), 0, SunaRaw{}, 45);
    parkRecord(bytes.tag("[PARK]"), kMay15At8 + 3600, SunaRaw{}, 45);
    profileRecord(bytes.tag("[DEEP_PROFILE](RW)").u32(kMay15At8 + 7200), 1, SunaRaw{}, 45);
    parkRecord(bytes.tag("[SHORT_PARK]"), kMay15At8 + 7300, SunaRaw{}, 45);
    profileRecord(bytes.tag("[ASCENT](DW)").u32(kMay15At8 + 10800), 9, SunaRaw{}, 45);
    bytes.fill(3, 0x1A);

    const test::CliRun r = test::decodeWithCli("F1234_042_suna.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "Decoding result\r\n- Descent: 3\r\n- Park: 1\r\n- Ascent: 1\r\n");
    EXPECT_EQ(r.run.err, "");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "[DESCENT]\r\n"
                     "(RW)\r\n"
                     "2020-05-15 08:00:05," +
                         line +
                         "(DW)\r\n"
                         "2020-05-15 08:01:40," +
                         line +
                         "(RW)\r\n"
                         "2020-05-15 08:03:20," +
                         line +
                         "[PARK]\r\n"
                         "2020-05-15 09:00:00," +
                         line +
                         "[ASCENT]\r\n"
                         "(DW)\r\n"
                         "2020-05-15 11:00:09," +
                         line);
}

TEST(SunaReport, LongListLineCarriesNinetyValuesAndTheFloatsAsCarried) {
    SunaRaw raw;
    raw.pressure = 1234; // 23.4
    raw.a = 17346;       // 12.346
    raw.g = -1;          // -0.01
    raw.h = 0x7FC00000;  // NaN
    raw.i = 0x80000000;  // -0.0
    raw.list = countingList(90);
    raw.list[0] = 0;
    raw.list[89] = 65535;
    Bytes bytes(13);
    profileRecord(bytes.tag("[ASCENT](RW)").u32(kMay15At8), 0, raw, 90);

    const test::CliRun r = test::decodeWithCli("F1234_042_suna.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "Decoding result\r\n- Ascent: 1\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "[ASCENT]\r\n(RW)\r\n2020-05-15 08:00:00,23.40,12.346,2.250,3.00,4.00,5.5,6.0,"
                     "-0.01,nan,-0.0000" +
                         listText(raw.list) + "\r\n");
}

TEST(SunaReport, DeepProfileAndShortParkAloneGiveAnEmptyReport) {
    Bytes bytes(12);
    profileRecord(bytes.tag("[DEEP_PROFILE](RW)").u32(kMay15At8), 1, SunaRaw{}, 45);
    parkRecord(bytes.tag("[SHORT_PARK]"), kMay15At8, SunaRaw{}, 45);
    const test::CliRun r = test::decodeWithCli("F1234_042_suna.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "The file is empty !\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "");
}

TEST(SunaReport, FailedDecodesAreReportedAsCorruptedAndWriteNoFile) {
    Bytes amRecord(12);
    profileRecord(amRecord.tag("[DESCENT](AM)").u32(0), 1, SunaRaw{}, 45);
    Bytes overflow(12);
    overflow.tag("[SHORT_PARK]");
    for (int r = 0; r < 20; ++r)
        parkRecord(overflow, 1, SunaRaw{}, 45);
    Bytes unknown(14);
    parkRecord(unknown.tag("[PARK]"), 1, SunaRaw{}, 45);
    Bytes nothing(12);
    for (const Bytes* bytes : {&amRecord, &overflow, &unknown, &nothing})
        test::expectCorruptedAnswer("F1234_042_suna.hex", bytes->vec());
}

} // namespace
} // namespace xelo
