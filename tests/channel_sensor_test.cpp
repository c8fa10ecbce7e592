// Decoder behaviour shared by every variant of the multi-channel sensors
// (OCR, ECO, ECOv2); each sensor's test file instantiates these for its
// variants. Every fixture opens with a phase tag: phase and mode carry over
// from one call to the next.
#include "support/channel_sensor.h"

#include <bit>

namespace xelo::test {
namespace {

constexpr std::uint32_t kTimeBase = 1589529600; // 2020-05-15 08:00:00

const std::string_view kModeTag[] = {"(SS)",     "(RW)",         "(AM)", "(AM)(SD)",
                                     "(AM)(MD)", "(AM)(SD)(MD)", "(DW)"};
const std::string_view kPhaseTag[] = {"[DESCENT]",    "[PARK]",   "[DEEP_PROFILE]",
                                      "[SHORT_PARK]", "[ASCENT]", "[SURFACE]"};
constexpr int kProfilePhases[] = {Descent, DeepProfile, Ascent};
constexpr int kParkPhases[] = {Park, ShortPark, Surface};

TEST_P(ChannelDecoder, RecordsAreBuiltWithTheLengthsOfTheTables) {
    const ChannelCase& c = variant();
    EXPECT_EQ(profileRecordSize(c, RW), c.recordSizes[0]);
    EXPECT_EQ(profileRecordSize(c, AM), c.recordSizes[0]);
    EXPECT_EQ(profileRecordSize(c, AM_SD), c.recordSizes[1]);
    EXPECT_EQ(profileRecordSize(c, AM_MD), c.recordSizes[2]);
    EXPECT_EQ(profileRecordSize(c, AM_SD_MD), c.recordSizes[3]);
    EXPECT_EQ(parkRecordSize(c), c.recordSizes[4]);
    const ChannelValues v = distinctValues(c, 0);
    for (std::uint8_t mode : {RW, AM_SD, AM_MD, AM_SD_MD}) {
        Bytes bytes;
        appendProfileRecord(bytes, c, mode, 1, v);
        EXPECT_EQ(bytes.size(), profileRecordSize(c, mode));
    }
    Bytes park;
    appendParkRecord(park, c, 1, v);
    EXPECT_EQ(park.size(), parkRecordSize(c));
}

// Two records per mode: the second is read only where the first ends, so a
// wrong record length shows in the second sample's values.
TEST_P(ChannelDecoder, ProfileRecordsFillTheBlocksOfTheirModeAndAddTheirSteps) {
    const ChannelCase& c = variant();
    const std::uint8_t modes[] = {RW, AM, AM_SD, AM_MD, AM_SD_MD, DW};
    for (int m = 0; m < 6; ++m) {
        const std::uint8_t mode = modes[m];
        const int phase = kProfilePhases[m % 3];
        SCOPED_TRACE(kModeTag[mode]);
        const ChannelValues first = distinctValues(c, 0);
        const ChannelValues second = distinctValues(c, 1);
        Bytes bytes = start();
        bytes.tag(kPhaseTag[phase]).tag(kModeTag[mode]).u32(1000);
        appendProfileRecord(bytes, c, mode, 10, first);
        appendProfileRecord(bytes, c, mode, 20, second);

        auto d = decode(bytes);
        EXPECT_EQ(d.code, c.successCode);
        EXPECT_EQ(countsOf(d.area, c), onlyIn(phase, 2));
        expectSample(d.area, c, phase, 0, mode, 1010, mode, first);
        expectSample(d.area, c, phase, 1, mode, 1030, mode, second);
        EXPECT_EQ(d.area.u8(c.sampleAt(phase, 2)), ResultArea::kPattern);
    }
}

TEST_P(ChannelDecoder, ParkLikeRecordsCarryTheirOwnTimeAndKindRwAlsoAfterDw) {
    const ChannelCase& c = variant();
    for (int phase : kParkPhases) {
        SCOPED_TRACE(kPhaseTag[phase]);
        const ChannelValues first = distinctValues(c, 2);
        const ChannelValues second = distinctValues(c, 3);
        Bytes bytes = start();
        bytes.tag(kPhaseTag[phase]);
        appendParkRecord(bytes, c, 0x5EBE4C01, first);
        bytes.tag("(DW)");
        appendParkRecord(bytes, c, 0xFFFFFFFF, second);
        auto d = decode(bytes);
        EXPECT_EQ(d.code, c.successCode);
        EXPECT_EQ(countsOf(d.area, c), onlyIn(phase, 2));
        expectSample(d.area, c, phase, 0, RW, 0x5EBE4C01, RW, first);
        expectSample(d.area, c, phase, 1, RW, 0xFFFFFFFF, RW, second);
        EXPECT_EQ(processState().CurrentMode, DW);
    }
}

TEST_P(ChannelDecoder, RwAfterAParkLikePhaseTagAndModesOfEarlierSectionsGoOn) {
    // A whole cycle in one call: the times restart from each time base, the
    // park-like phase tag sets RW by itself.
    const ChannelCase& c = variant();
    const ChannelValues v = distinctValues(c, 4);
    Bytes bytes = start();
    bytes.tag("[DESCENT](AM)(SD)").u32(100);
    appendProfileRecord(bytes, c, AM_SD, 1, v);
    bytes.tag("(AM)").u32(200);
    appendProfileRecord(bytes, c, AM, 2, v);
    appendProfileRecord(bytes, c, AM, 3, v);
    bytes.tag("[PARK]");
    appendParkRecord(bytes, c, 300, v);
    bytes.tag("[DEEP_PROFILE](DW)").u32(400);
    appendProfileRecord(bytes, c, DW, 4, v);
    bytes.tag("[SHORT_PARK]");
    appendParkRecord(bytes, c, 500, v);
    bytes.tag("[ASCENT](AM)(SD)(MD)").u32(600);
    appendProfileRecord(bytes, c, AM_SD_MD, 5, v);
    bytes.tag("[SURFACE]");
    appendParkRecord(bytes, c, 700, v);
    bytes.fill(3, 0x1A);

    auto d = decode(bytes);
    ASSERT_EQ(d.code, c.successCode);
    EXPECT_EQ(countsOf(d.area, c), (PhaseCounts{3, 1, 1, 1, 1, 1}));
    expectSample(d.area, c, Descent, 0, AM_SD, 101, AM_SD, v);
    expectSample(d.area, c, Descent, 1, AM, 202, AM, v);
    expectSample(d.area, c, Descent, 2, AM, 205, AM, v);
    expectSample(d.area, c, Park, 0, RW, 300, RW, v);
    expectSample(d.area, c, DeepProfile, 0, DW, 404, DW, v);
    expectSample(d.area, c, ShortPark, 0, RW, 500, RW, v);
    expectSample(d.area, c, Ascent, 0, AM_SD_MD, 605, AM_SD_MD, v);
    expectSample(d.area, c, Surface, 0, RW, 700, RW, v);
    EXPECT_EQ(processState().CurrentPhase, Surface);
    EXPECT_EQ(processState().CurrentMode, RW);
}

TEST_P(ChannelDecoder, PressuresAreRawTimesATenthMinusAHundred) {
    const ChannelCase& c = variant();
    const struct {
        std::uint16_t raw;
        float pressure;
    } cases[] = {{1000, 0.0f}, {0, -100.0f}, {65535, 6453.5f}, {1234, 23.4f},
                 {1, -99.9f},  {999, -0.1f}, {1001, 0.1f}};
    for (const auto& k : cases) {
        ChannelValues v = distinctValues(c, 5);
        v.pressure = k.raw;
        v.medianPressure = k.raw;
        Bytes bytes = start();
        bytes.tag("[ASCENT](AM)(MD)").u32(kTimeBase);
        appendProfileRecord(bytes, c, AM_MD, 1, v);
        auto d = decode(bytes);
        ASSERT_EQ(d.code, c.successCode);
        const std::uint32_t at = c.sampleAt(Ascent, 0);
        // Bit for bit: raw 1000 is +0.0, not a tiny remainder or -0.0.
        EXPECT_EQ(d.area.u32(at + 5), std::bit_cast<std::uint32_t>(k.pressure)) << k.raw;
        EXPECT_EQ(d.area.u32(at + c.medianPressureAt), std::bit_cast<std::uint32_t>(k.pressure))
            << k.raw;
    }
}

TEST_P(ChannelDecoder, ReadingsAreCopiedBitForBit) {
    const ChannelCase& c = variant();
    const std::uint32_t patterns[] = {0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0x00008000,
                                      0x0000FFFE, 0x000000C8, 0};
    for (std::uint32_t pattern : patterns) {
        ChannelValues v = distinctValues(c, 6);
        for (auto* block : {&v.channel, &v.channelSd, &v.medianChannel})
            for (std::uint32_t& value : *block)
                value = pattern;
        Bytes bytes = start();
        bytes.tag("[DESCENT](AM)(SD)(MD)").u32(kTimeBase);
        appendProfileRecord(bytes, c, AM_SD_MD, 1, v);
        bytes.tag("[PARK]");
        appendParkRecord(bytes, c, kTimeBase, v);
        auto d = decode(bytes);
        ASSERT_EQ(d.code, c.successCode);
        expectSample(d.area, c, Descent, 0, AM_SD_MD, kTimeBase + 1, AM_SD_MD, v);
        expectSample(d.area, c, Park, 0, RW, kTimeBase, RW, v);
    }
}

TEST_P(ChannelDecoder, AmModesInParkLikePhasesAreFramingErrors) {
    const ChannelCase& c = variant();
    for (int phase : kParkPhases) {
        for (std::uint8_t mode : {AM, AM_SD, AM_MD, AM_SD_MD}) {
            SCOPED_TRACE(::testing::Message() << kPhaseTag[phase] << kModeTag[mode]);
            Bytes bytes = start();
            bytes.tag(kPhaseTag[phase]).tag(kModeTag[mode]);
            appendParkRecord(bytes, c, kTimeBase, distinctValues(c, 7));
            auto d = decode(bytes);
            EXPECT_EQ(d.code, -3);
            EXPECT_EQ(d.area.u16(c.countAt[phase]), 0);
        }
    }
}

TEST_P(ChannelDecoder, SsSectionsDecodeNothing) {
    const ChannelCase& c = variant();
    const ChannelValues v = distinctValues(c, 8);
    const std::int32_t fillerOnly = c.ssEndsIfFiller ? c.successCode : -3;

    // The time base of "(SS)" followed by a phase tag: nothing under SS, the
    // decode goes on.
    Bytes next = start();
    next.tag("[ASCENT](SS)").u32(kTimeBase).tag("[SURFACE]");
    appendParkRecord(next, c, kTimeBase + 60, v);
    auto goesOn = decode(next);
    EXPECT_EQ(goesOn.code, c.successCode);
    EXPECT_EQ(countsOf(goesOn.area, c), onlyIn(Surface, 1));
    expectSample(goesOn.area, c, Surface, 0, RW, kTimeBase + 60, RW, v);

    const struct {
        const char* what;
        Bytes tail;
        std::int32_t code;
    } cases[] = {
        {"record bytes", Bytes().tag("[ASCENT](SS)").u32(kTimeBase).u16(1).u16(1000), -3},
        {"one byte", Bytes().tag("[ASCENT](SS)").u32(kTimeBase).u8(0), -3},
        {"filler only", Bytes().tag("[ASCENT](SS)").u32(kTimeBase).fill(5, 0x1A), fillerOnly},
        {"filler, then a byte", Bytes().tag("[ASCENT](SS)").u32(kTimeBase).fill(5, 0x1A).u8(0), -3},
        {"park-like record bytes", Bytes().tag("[PARK](SS)").u32(kTimeBase).u16(1000), -3},
        {"park-like filler only", Bytes().tag("[PARK](SS)").fill(2, 0x1A), fillerOnly},
        // The data simply end: nothing was stored.
        {"nothing after the time base", Bytes().tag("[ASCENT](SS)").u32(kTimeBase), -3},
    };
    for (const auto& k : cases) {
        auto d = decode(Bytes(start()).raw(k.tail.vec()));
        EXPECT_EQ(d.code, k.code) << k.what;
        EXPECT_EQ(countsOf(d.area, c), PhaseCounts{}) << k.what;
    }

    // After a stored record, an SS section followed by filler ends the call
    // as the sensor handles SS; one that ends at once ends with success.
    Bytes stored = start();
    stored.tag("[DESCENT](AM)").u32(kTimeBase);
    appendProfileRecord(stored, c, AM, 1, v);
    EXPECT_EQ(decode(Bytes(stored).tag("(SS)").u32(kTimeBase).fill(3, 0x1A)).code, fillerOnly);
    EXPECT_EQ(decode(Bytes(stored).tag("(SS)").u32(kTimeBase)).code, c.successCode);
}

TEST_P(ChannelDecoder, UnknownFormatCodesLeaveTheAreaAndTheModuleStateAlone) {
    const ChannelCase& c = variant();
    for (std::uint8_t code : c.foreignCodes) {
        SCOPED_TRACE(static_cast<int>(code));
        Bytes bytes(code);
        bytes.tag("[PARK]");
        appendParkRecord(bytes, c, kTimeBase, distinctValues(c, 9));
        ModuleState& state = processState();
        state = ModuleState{12345, Ascent, AM_MD};
        ResultArea area(c.areaSize);
        EXPECT_EQ(decodeInto(area, bytes), -3);
        for (std::size_t i = 0; i < area.size(); ++i)
            if (area.u8(i) != ResultArea::kPattern) FAIL() << "byte " << i << " was written";
        EXPECT_EQ(state.RemainingBytes, 12345);
        EXPECT_EQ(state.CurrentPhase, Ascent);
        EXPECT_EQ(state.CurrentMode, AM_MD);
        // The FormatCode is looked at before the result area.
        EXPECT_EQ(c.decode(nullptr, bytes.data(), bytes.size()), -3);
    }
}

TEST_P(ChannelDecoder, NoDataIsAFramingErrorThatReadsAndWritesNothing) {
    const ChannelCase& c = variant();
    ModuleState& state = processState();
    // A known FormatCode lies where the data begin, but outside `length`.
    Bytes bytes = start();
    bytes.tag("[PARK]");
    appendParkRecord(bytes, c, kTimeBase, distinctValues(c, 16));
    for (std::int32_t length : {0, -1, -100}) {
        SCOPED_TRACE(length);
        state = ModuleState{777, Park, DW};
        ResultArea area(c.areaSize);
        EXPECT_EQ(c.decode(area.area(), bytes.data(), length), -3);
        for (std::size_t i = 0; i < area.size(); ++i)
            if (area.u8(i) != ResultArea::kPattern) FAIL() << "byte " << i << " was written";
        EXPECT_EQ(state.RemainingBytes, 777);
        EXPECT_EQ(state.CurrentPhase, Park);
        EXPECT_EQ(state.CurrentMode, DW);
    }
    EXPECT_EQ(c.decode(nullptr, nullptr, 0), -3);
}

TEST_P(ChannelDecoder, ANullResultAreaIsRefusedOnceTheFormatCodeIsKnown) {
    const ChannelCase& c = variant();
    Bytes bytes = start();
    bytes.tag("[PARK]");
    appendParkRecord(bytes, c, kTimeBase, distinctValues(c, 10));
    processState() = ModuleState{0, Ascent, AM};
    EXPECT_EQ(c.decode(nullptr, bytes.data(), bytes.size()), -1);
    EXPECT_EQ(processState().CurrentPhase, Ascent);
    // A FormatCode alone: counts reset, nothing to decode.
    auto d = decode(start());
    EXPECT_EQ(d.code, -3);
    EXPECT_EQ(countsOf(d.area, c), PhaseCounts{});
}

// Each section holds capacity - 1 samples; the next record is an overflow that
// leaves the count at the capacity and writes nothing past the section.
TEST_P(ChannelDecoder, EverySectionOverflowsAtItsOwnCapacity) {
    const ChannelCase& c = variant();
    const ChannelValues v = distinctValues(c, 11);
    for (int phase = 0; phase < 6; ++phase) {
        SCOPED_TRACE(kPhaseTag[phase]);
        const bool profile = phase == Descent || phase == DeepProfile || phase == Ascent;
        auto records = [&](std::uint32_t n) {
            Bytes bytes = start();
            bytes.tag(kPhaseTag[phase]);
            if (profile) bytes.tag("(RW)").u32(kTimeBase);
            for (std::uint32_t i = 0; i < n; ++i) {
                if (profile)
                    appendProfileRecord(bytes, c, RW, 1, v);
                else
                    appendParkRecord(bytes, c, kTimeBase + i, v);
            }
            return bytes;
        };
        const std::uint32_t capacity = kChannelCapacity[phase];
        auto full = decode(records(capacity - 1));
        EXPECT_EQ(full.code, c.successCode);
        EXPECT_EQ(full.area.u16(c.countAt[phase]), capacity - 1);
        expectSample(full.area, c, phase, capacity - 2, RW,
                     profile ? kTimeBase + capacity - 1 : kTimeBase + capacity - 2, RW, v);

        auto over = decode(records(capacity));
        EXPECT_EQ(over.code, phase == Descent ? -4 : -10);
        EXPECT_EQ(over.area.u16(c.countAt[phase]), capacity);
        // The last slot and whatever follows the section stay as they were.
        const std::uint32_t last = c.sampleAt(phase, capacity - 1);
        const std::uint32_t sectionEnd = last + c.sampleSize;
        for (std::uint32_t i = last; i < sectionEnd; ++i)
            ASSERT_EQ(over.area.u8(i), ResultArea::kPattern) << "byte " << i - last;
        if (phase < 5) {
            EXPECT_EQ(sectionEnd, c.countAt[phase + 1]);
            EXPECT_EQ(over.area.u16(c.countAt[phase + 1]), 0);
        } else {
            EXPECT_EQ(sectionEnd, c.areaSize);
        }
    }
}

TEST_P(ChannelDecoder, DataEndingInsideARecordKeepOnlyTheCompleteRecords) {
    const ChannelCase& c = variant();
    const ChannelValues v = distinctValues(c, 12);
    Bytes whole = start();
    whole.tag("[ASCENT](AM)(SD)(MD)").u32(kTimeBase);
    appendProfileRecord(whole, c, AM_SD_MD, 1, v);
    const std::int32_t firstEnd = whole.size();
    appendProfileRecord(whole, c, AM_SD_MD, 2, v);
    const std::int32_t secondEnd = whole.size();
    whole.tag("[SURFACE]");
    appendParkRecord(whole, c, kTimeBase, v);

    for (std::int32_t length = firstEnd - profileRecordSize(c, AM_SD_MD) + 1; length < whole.size();
         ++length) {
        const std::vector<std::uint8_t> cut(whole.vec().begin(), whole.vec().begin() + length);
        Bytes bytes;
        bytes.raw(cut);
        auto d = decode(bytes);
        SCOPED_TRACE(length);
        const std::uint16_t ascent = length < firstEnd ? 0 : length < secondEnd ? 1 : 2;
        EXPECT_EQ(d.code, ascent == 0 ? -3 : c.successCode);
        EXPECT_EQ(countsOf(d.area, c), onlyIn(Ascent, ascent));
        if (ascent > 0) expectSample(d.area, c, Ascent, 0, AM_SD_MD, kTimeBase + 1, AM_SD_MD, v);
        EXPECT_EQ(d.area.u8(c.sampleAt(Ascent, ascent)), ResultArea::kPattern);
    }
}

TEST_P(ChannelDecoder, PhaseAndModeCarryOverToTheNextCall) {
    const ChannelCase& c = variant();
    const ChannelValues v = distinctValues(c, 13);
    Bytes first = start();
    first.tag("[DEEP_PROFILE](AM)(SD)").u32(kTimeBase);
    appendProfileRecord(first, c, AM_SD, 1, v);
    ASSERT_EQ(decode(first).code, c.successCode);

    // A second file that opens with a mode tag decodes into the phase the
    // first one ended in.
    Bytes second = start();
    second.tag("(AM)(MD)").u32(kTimeBase + 100);
    appendProfileRecord(second, c, AM_MD, 5, v);
    auto d = decode(second);
    EXPECT_EQ(d.code, c.successCode);
    EXPECT_EQ(d.area.u16(c.countAt[Descent]), 0);
    EXPECT_EQ(d.area.u16(c.countAt[DeepProfile]), 1);
    expectSample(d.area, c, DeepProfile, 0, AM_MD, kTimeBase + 105, AM_MD, v);

    // The phase ended park-like: a following file's bare record is refused,
    // because its first bytes are no tag.
    Bytes park = start();
    park.tag("[SHORT_PARK]");
    appendParkRecord(park, c, kTimeBase, v);
    ASSERT_EQ(decode(park).code, c.successCode);
    Bytes bare = start();
    appendParkRecord(bare, c, kTimeBase, v);
    EXPECT_EQ(decode(bare).code, -3);
    EXPECT_EQ(processState().CurrentPhase, ShortPark);
}

TEST_P(ChannelDecoder, FieldsAModeDoesNotWriteKeepWhatTheAreaHeld) {
    const ChannelCase& c = variant();
    const ChannelValues full = distinctValues(c, 14);
    const ChannelValues plain = distinctValues(c, 15);
    ResultArea area(c.areaSize);
    Bytes first = start();
    first.tag("[DESCENT](AM)(SD)(MD)").u32(kTimeBase);
    appendProfileRecord(first, c, AM_SD_MD, 1, full);
    ASSERT_EQ(decodeInto(area, first), c.successCode);

    Bytes second = start();
    second.tag("[DESCENT](AM)").u32(kTimeBase + 50);
    appendProfileRecord(second, c, AM, 2, plain);
    ASSERT_EQ(decodeInto(area, second), c.successCode);
    ASSERT_EQ(area.u16(c.countAt[Descent]), 1);
    // kind, time, pressure and readings are the second record's; the blocks
    // are still the first's.
    ChannelValues merged = plain;
    merged.channelSd = full.channelSd;
    merged.medianPressure = full.medianPressure;
    merged.medianChannel = full.medianChannel;
    expectSample(area, c, Descent, 0, AM, kTimeBase + 52, AM_SD_MD, merged);
}

// The sample cycle: 40 descent, 24 park, 24 deep-profile, 4 short-park, 240
// ascent and 5 surface records, every one decoded.
TEST_P(ChannelDecoder, TheBundledSampleDecodesCompletely) {
    const ChannelCase& c = variant();
    const std::string text = readText(sourceDir() + "/samples/" + c.sample);
    ASSERT_FALSE(text.empty()) << c.sample;
    Bytes bytes;
    bytes.raw(std::vector<std::uint8_t>(text.begin(), text.end()));
    ASSERT_EQ(bytes.vec()[0], c.formatCode);
    auto d = decode(bytes);
    EXPECT_EQ(d.code, c.successCode);
    EXPECT_EQ(countsOf(d.area, c), (PhaseCounts{40, 24, 24, 4, 240, 5}));
}

} // namespace
} // namespace xelo::test
