// External-trigger decoder and report: every phase tag sets RW and opens
// records, no time base anywhere, the end of data right after any phase tag,
// capacities, and the CSV text that xelo-decode writes.
#include "framing/module_state.h"
#include "layouts/ext_trig.h"
#include "support/cli_run.h"
#include "support/sensor_run.h"

#include <gtest/gtest.h>

#include <string>

namespace xelo {
namespace {

using test::Bytes;
using test::ExportRun;
using test::kMay15At8;

constexpr std::size_t kP = offsetof(ExtTrigSample, pressure);

Bytes& event(Bytes& b, std::uint32_t time, std::uint16_t pressure = 1100) {
    return b.u32(time).u16(pressure);
}

ExportRun decode(const Bytes& bytes) {
    return ExportRun(_iRERUDODDecodeDataExtTrig, kExtTrigLayout, bytes);
}

TEST(ExtTrigDecoder, PhaseTagIsFollowedDirectlyByEvents) {
    Bytes bytes(22);
    event(event(bytes.tag("[DESCENT]"), kMay15At8, 1000), kMay15At8 - 5, 0xFFFF);
    ASSERT_EQ(bytes.size(), 1 + 9 + 12);
    ExportRun d = decode(bytes);
    ASSERT_EQ(d.code, 23);
    ASSERT_EQ(d.count(Descent), 2);
    for (int phase = Park; phase <= Surface; ++phase)
        EXPECT_EQ(d.count(phase), 0);
    EXPECT_EQ(d.kind(Descent, 0), RW);
    EXPECT_EQ(d.kind(Descent, 1), RW);
    EXPECT_EQ(d.time(Descent, 0), kMay15At8);
    EXPECT_EQ(d.time(Descent, 1), kMay15At8 - 5);
    EXPECT_EQ(d.f32(Descent, 0, kP), 0.0f);
    EXPECT_EQ(d.f32(Descent, 1, kP), 6453.5f);
    EXPECT_TRUE(d.slotUntouched(Descent, 2));
}

TEST(ExtTrigDecoder, PressureIsRoundedOnceFromItsRawInteger) {
    const struct {
        std::uint16_t raw;
        float expected;
    } cases[] = {{0, -100.0f},
                 {1, static_cast<float>(0.1L - 100)},
                 {999, static_cast<float>(999 * 0.1L - 100)},
                 {13346, static_cast<float>(13346 * 0.1L - 100)},
                 {65535, 6453.5f}};
    for (const auto& c : cases) {
        Bytes bytes(22);
        ExportRun d = decode(event(bytes.tag("[ASCENT]"), 1, c.raw));
        ASSERT_EQ(d.code, 23) << c.raw;
        EXPECT_EQ(d.f32(Ascent, 0, kP), c.expected) << c.raw;
    }
}

TEST(ExtTrigDecoder, EveryPhaseTagSetsRwWhateverTheModeBefore) {
    const struct {
        const char* tag;
        int phase;
    } cases[] = {{"[DESCENT]", Descent},
                 {"[PARK]", Park},
                 {"[DEEP_PROFILE]", DeepProfile},
                 {"[SHORT_PARK]", ShortPark},
                 {"[ASCENT]", Ascent}};
    for (const auto& c : cases) {
        // Within one file, after a "(DW)" tag...
        Bytes bytes(22);
        ExportRun d = decode(event(bytes.tag("[PARK](DW)").tag(c.tag), 42));
        ASSERT_EQ(d.code, 23) << c.tag;
        ASSERT_EQ(d.count(c.phase), 1) << c.tag;
        EXPECT_EQ(d.kind(c.phase, 0), RW) << c.tag;
        EXPECT_EQ(d.time(c.phase, 0), 42u) << c.tag;
        EXPECT_EQ(processState().CurrentMode, RW) << c.tag;

        // ...and after a call that ended in another mode.
        processState().CurrentMode = AM;
        Bytes next(22);
        ExportRun e = decode(event(next.tag(c.tag), 43));
        EXPECT_EQ(e.code, 23) << c.tag;
        EXPECT_EQ(e.count(c.phase), 1) << c.tag;
    }
}

TEST(ExtTrigDecoder, ARwModeTagIsFollowedDirectlyByEventsToo) {
    Bytes bytes(22);
    ExportRun d = decode(event(bytes.tag("[ASCENT](RW)"), kMay15At8, 2000));
    ASSERT_EQ(d.code, 23);
    ASSERT_EQ(d.count(Ascent), 1);
    EXPECT_EQ(d.time(Ascent, 0), kMay15At8);
    EXPECT_EQ(d.f32(Ascent, 0, kP), 100.0f);
}

TEST(ExtTrigDecoder, EventsUnderAnyModeButRwOrInSurfaceAreFramingErrors) {
    const struct {
        const char* tags;
        int phase;
    } cases[] = {
        {"[PARK](DW)", Park},     {"[DESCENT](AM)", Descent},
        {"[ASCENT](SS)", Ascent}, {"[DEEP_PROFILE](AM)(SD)", DeepProfile},
        {"[SURFACE]", Surface},   {"[SURFACE](RW)", Surface},
    };
    for (const auto& c : cases) {
        Bytes bytes(22);
        ExportRun d = decode(event(bytes.tag(c.tags), 1));
        EXPECT_EQ(d.code, -3) << c.tags;
        EXPECT_EQ(d.count(c.phase), 0) << c.tags;
    }
}

TEST(ExtTrigDecoder, OtherFormatCodesFailAtTheFirstEvent) {
    for (std::uint8_t fc : {17, 21, 23, 0}) {
        Bytes bytes(fc);
        ExportRun d = decode(event(bytes.tag("[ASCENT]"), 1));
        EXPECT_EQ(d.code, -3) << int(fc);
        EXPECT_EQ(d.count(Ascent), 1) << int(fc);
        EXPECT_TRUE(d.slotUntouched(Ascent, 0)) << int(fc);
    }
}

// Every phase tag opens events, so data that end right after any of them end
// like data that end where an event would begin.
TEST(ExtTrigDecoder, DataThatEndRightAfterAnyPhaseTagFollowTheEndOfDataRule) {
    for (const char* tag :
         {"[DESCENT]", "[PARK]", "[DEEP_PROFILE]", "[SHORT_PARK]", "[ASCENT]", "[SURFACE]"}) {
        Bytes alone(22);
        EXPECT_EQ(decode(alone.tag(tag)).code, -3) << tag;
        Bytes afterEvent(22);
        event(afterEvent.tag("[PARK]"), 7).tag(tag);
        ExportRun d = decode(afterEvent);
        EXPECT_EQ(d.code, 23) << tag;
        EXPECT_EQ(d.count(Park), 1) << tag;
        EXPECT_EQ(d.time(Park, 0), 7u) << tag;
    }
}

TEST(ExtTrigDecoder, DataThatEndEarlyKeepOnlyCompleteEvents) {
    Bytes stored(22);
    event(stored.tag("[DESCENT]"), 1);
    const struct {
        const char* what;
        Bytes tail;
        std::int32_t code;
    } cases[] = {
        {"filler", Bytes().fill(5, 0x1A), 23},
        {"an event cut short", Bytes().u32(9).u8(1), 23},
        {"a mode tag", Bytes().tag("(RW)"), 23},
        {"a phase tag and an event cut short", Bytes().tag("[ASCENT]").u16(3), 23},
        {"a mode tag without a layout", Bytes().tag("(DW)").u16(3), -3},
    };
    for (const auto& c : cases) {
        Bytes bytes = stored;
        ExportRun d = decode(bytes.raw(c.tail.vec()));
        EXPECT_EQ(d.code, c.code) << c.what;
        EXPECT_EQ(d.count(Descent), 1) << c.what;
        EXPECT_EQ(d.count(Ascent), 0) << c.what;
        EXPECT_TRUE(d.slotUntouched(Descent, 1)) << c.what;
    }
}

TEST(ExtTrigDecoder, EachSectionHoldsOneEventFewerThanItsCapacity) {
    const struct {
        const char* tag;
        int phase;
        std::uint32_t capacity;
        std::int32_t overflow;
    } cases[] = {
        {"[DESCENT]", Descent, 5000, -4},
        {"[PARK]", Park, 1000, -10},
        {"[DEEP_PROFILE]", DeepProfile, 5000, -10},
        {"[SHORT_PARK]", ShortPark, 100, -10},
        {"[ASCENT]", Ascent, 5000, -10},
    };
    for (const auto& c : cases) {
        auto file = [&](std::uint32_t events) {
            Bytes bytes(22);
            bytes.tag(c.tag);
            for (std::uint32_t e = 0; e < events; ++e)
                event(bytes, e);
            return bytes;
        };
        SCOPED_TRACE(c.tag);
        test::expectCapacityRule(_iRERUDODDecodeDataExtTrig, kExtTrigLayout, c.phase, c.capacity,
                                 23, c.overflow, file);
    }
}

TEST(ExtTrigReport, EverySectionButShortParkEachProfileSectionOpeningWithRw) {
    Bytes bytes(22);
    event(event(bytes.tag("[DESCENT]"), kMay15At8, 1000), kMay15At8 + 60, 1100);
    event(event(bytes.tag("[PARK]"), kMay15At8 + 3600, 11000), kMay15At8 + 7200, 10999);
    event(bytes.tag("[DEEP_PROFILE]"), kMay15At8 + 10800, 20000);
    event(bytes.tag("[SHORT_PARK]"), kMay15At8 + 10900, 21000);
    event(event(bytes.tag("[ASCENT](RW)"), kMay15At8 + 14400, 13346), kMay15At8 + 14460, 999);
    bytes.fill(2, 0x1A);

    const test::CliRun r = test::decodeWithCli("F1234_042_ext_trig.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(
        r.run.out,
        "Decoding result\r\n- Descent: 2\r\n- Park: 2\r\n- Deep profile: 1\r\n- Ascent: 2\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "[DESCENT]\r\n(RW)\r\n"
                     "2020-05-15 08:00:00,0.00\r\n"
                     "2020-05-15 08:01:00,10.00\r\n"
                     "[PARK]\r\n"
                     "2020-05-15 09:00:00,1000.00\r\n"
                     "2020-05-15 10:00:00,999.90\r\n"
                     "[DEEP_PROFILE]\r\n(RW)\r\n"
                     "2020-05-15 11:00:00,1900.00\r\n"
                     "[ASCENT]\r\n(RW)\r\n"
                     "2020-05-15 12:00:00,1234.60\r\n"
                     "2020-05-15 12:01:00,-0.10\r\n");
}

TEST(ExtTrigReport, ShortParkAloneGivesAnEmptyReport) {
    Bytes bytes(22);
    event(event(bytes.tag("[SHORT_PARK]"), kMay15At8), kMay15At8 + 1);
    const test::CliRun r = test::decodeWithCli("F1234_042_ext_trig.hex", bytes.vec());
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.out, "The file is empty !\r\n");
    ASSERT_TRUE(r.csv.has_value());
    EXPECT_EQ(r.csv, "");
}

TEST(ExtTrigReport, FailedDecodesAreReportedAsCorruptedAndWriteNoFile) {
    Bytes surface(22);
    event(surface.tag("[SURFACE]"), 1);
    Bytes overflow(22);
    overflow.tag("[SHORT_PARK]");
    for (int e = 0; e < 100; ++e)
        event(overflow, 1);
    Bytes tagOnly(22);
    tagOnly.tag("[ASCENT]");
    for (const Bytes* bytes : {&surface, &overflow, &tagOnly})
        test::expectCorruptedAnswer("F1234_042_ext_trig.hex", bytes->vec());
}

} // namespace
} // namespace xelo
