// The decode loop and the tag helpers, run on a small sensor of the tests' own
// so that every framing rule is seen without any real sensor's layouts.
#include "framing/decode_loop.h"
#include "support/bytes_builder.h"
#include "support/result_area.h"

#include <gtest/gtest.h>

namespace xelo {
namespace {

using test::Bytes;
using test::ResultArea;

constexpr std::uint8_t kFormat = 7;

// Profile records: u16 step, u8 value (3 bytes). Park-like: u32 time, u8 value
// (5 bytes). SS (Ascent only): u8 value, time of the time base. AM_SD: only
// filler may follow. AM_MD: refused everywhere. AM in park-like phases: refused.
struct TinyRules {
    SensorBasics basics_{ResultLayout{6, {4, 3, 3, 2, 4, 1}}, 42};
    const SensorBasics& basics() const { return basics_; }
    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        if (mode == SS)
            return phase == Ascent ? RecordPlan::record(1, RecordTime::TimeBase)
                                   : RecordPlan::refuse();
        if (mode == AM_SD) return RecordPlan::endIfFiller();
        if (mode == AM_MD) return RecordPlan::refuse();
        if (!isProfilePhase(phase)) {
            if (mode == AM) return RecordPlan::refuse();
            return basics_.everyPhaseTagSetsRW ? RecordPlan::record(5, RecordTime::Absolute)
                                               : RecordPlan::record(5, RecordTime::Absolute);
        }
        if (!basics_.timeBase) return RecordPlan::record(5, RecordTime::Absolute);
        return RecordPlan::record(3, RecordTime::Step);
    }
    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == kFormat; }
    void fill(const Record& record, std::uint8_t* slot) const {
        slot[5] = record.bytes[record.size - 1];
    }
};

struct Decoded {
    std::int32_t code;
    ResultArea area;
};

class DecodeLoop : public ::testing::Test {
  protected:
    ModuleState state;
    TinyRules rules;
    ResultLayout layout = rules.basics().layout;

    Decoded decode(const Bytes& bytes) {
        Decoded d{0, ResultArea(layout.size())};
        d.code = runDecodeLoop(state, rules, d.area.area(), bytes.data(), bytes.size());
        EXPECT_TRUE(d.area.guardsIntact());
        return d;
    }
    std::uint32_t timeOf(Decoded& d, int phase, int i) {
        return loadU32(d.area.sample(layout, phase, i) + 1);
    }
    std::uint8_t kindOf(Decoded& d, int phase, int i) { return d.area.sample(layout, phase, i)[0]; }
    std::uint8_t valueOf(Decoded& d, int phase, int i) {
        return d.area.sample(layout, phase, i)[5];
    }
};

TEST_F(DecodeLoop, NullResultIsRefusedBeforeAnythingElse) {
    const Bytes bytes = Bytes(kFormat).tag("[DESCENT](AM)").u32(0).u16(1).u8(9);
    state.CurrentPhase = Park;
    EXPECT_EQ(runDecodeLoop(state, rules, nullptr, bytes.data(), bytes.size()), kNoResultArea);
    EXPECT_EQ(state.CurrentPhase, Park);
}

TEST_F(DecodeLoop, TooShortDataIsAFramingErrorWithCountsReset) {
    for (const Bytes& bytes : {Bytes(), Bytes(kFormat)}) {
        ResultArea area(layout.size());
        EXPECT_EQ(runDecodeLoop(state, rules, area.area(), bytes.data(), bytes.size()),
                  kFramingError);
        for (int phase = 0; phase < 6; ++phase)
            EXPECT_EQ(area.count(layout, phase), 0);
    }
    ResultArea area(layout.size());
    EXPECT_EQ(runDecodeLoop(state, rules, area.area(), Bytes(kFormat).data(), -5), kFramingError);
}

TEST_F(DecodeLoop, ProfileRecordsAddTheirStepToTheTimeBase) {
    auto d = decode(Bytes(kFormat)
                        .tag("[DESCENT](AM)")
                        .u32(1000)
                        .u16(10)
                        .u8(1)
                        .u16(20)
                        .u8(2)
                        .tag("(DW)")
                        .u32(5000)
                        .u16(1)
                        .u8(3));
    ASSERT_EQ(d.code, 42);
    ASSERT_EQ(d.area.count(layout, Descent), 3);
    EXPECT_EQ(timeOf(d, Descent, 0), 1010u);
    EXPECT_EQ(timeOf(d, Descent, 1), 1030u);
    EXPECT_EQ(timeOf(d, Descent, 2), 5001u);
    EXPECT_EQ(kindOf(d, Descent, 0), AM);
    EXPECT_EQ(kindOf(d, Descent, 2), DW);
    EXPECT_EQ(valueOf(d, Descent, 2), 3);
}

TEST_F(DecodeLoop, ParkLikeRecordsCarryTheirTimeAndKindRwEvenAfterDw) {
    auto d = decode(Bytes(kFormat).tag("[PARK]").u32(777).u8(1).tag("(DW)").u32(778).u8(2));
    ASSERT_EQ(d.code, 42);
    ASSERT_EQ(d.area.count(layout, Park), 2);
    EXPECT_EQ(timeOf(d, Park, 0), 777u);
    EXPECT_EQ(timeOf(d, Park, 1), 778u);
    EXPECT_EQ(kindOf(d, Park, 1), RW);
    EXPECT_EQ(state.CurrentMode, DW);
}

TEST_F(DecodeLoop, TimeBaseRecordsAllTakeTheTimeBase) {
    auto d = decode(Bytes(kFormat).tag("[ASCENT](SS)").u32(900).u8(1).u8(2).u8(3));
    ASSERT_EQ(d.code, 42);
    ASSERT_EQ(d.area.count(layout, Ascent), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(timeOf(d, Ascent, i), 900u);
        EXPECT_EQ(kindOf(d, Ascent, i), SS);
    }
}

TEST_F(DecodeLoop, PhaseTagRightAfterPhaseTagLeavesThePhaseEmpty) {
    auto d = decode(Bytes(kFormat).tag("[DESCENT][PARK]").u32(5).u8(1));
    EXPECT_EQ(d.code, 42);
    EXPECT_EQ(d.area.count(layout, Descent), 0);
    EXPECT_EQ(d.area.count(layout, Park), 1);
}

TEST_F(DecodeLoop, DataEndingRightAfterAProfilePhaseTagIsAFramingError) {
    auto d = decode(Bytes(kFormat).tag("[PARK]").u32(5).u8(1).tag("[ASCENT]"));
    EXPECT_EQ(d.code, kFramingError);
    EXPECT_EQ(d.area.count(layout, Park), 1);
}

TEST_F(DecodeLoop, TrailingFillerEndsTheDecodeButFillerBeforeDataIsRecordData) {
    auto ok = decode(Bytes(kFormat).tag("[DESCENT](AM)").u32(0).u16(1).u8(9).fill(3, 0x1A));
    EXPECT_EQ(ok.code, 42);
    EXPECT_EQ(ok.area.count(layout, Descent), 1);

    auto more = decode(
        Bytes(kFormat).tag("[DESCENT](AM)").u32(0).u16(1).u8(9).fill(3, 0x1A).raw({0, 0, 7}));
    EXPECT_EQ(more.code, 42);
    ASSERT_EQ(more.area.count(layout, Descent), 3);
    EXPECT_EQ(valueOf(more, Descent, 1), 0x1A);
    EXPECT_EQ(valueOf(more, Descent, 2), 7);
}

TEST_F(DecodeLoop, LongestModeTagWins) {
    const struct {
        const char* tag;
        std::uint8_t mode;
    } cases[] = {{"(AM)(SD)(MD)", AM_SD_MD},
                 {"(AM)(MD)", AM_MD},
                 {"(AM)(SD)", AM_SD},
                 {"(AM)", AM},
                 {"(RW)", RW},
                 {"(DW)", DW},
                 {"(SS)", SS}};
    for (const auto& c : cases) {
        decode(Bytes(kFormat).tag("[PARK]").tag(c.tag));
        EXPECT_EQ(state.CurrentMode, c.mode) << c.tag;
    }
}

TEST_F(DecodeLoop, TagsAreRecognisedOnlyWhenAllTheirBytesArePresent) {
    EXPECT_EQ(decode(Bytes(kFormat).tag("[PARK")).code, kFramingError);
    EXPECT_EQ(decode(Bytes(kFormat).tag("(AM)(SD)(M")).code, kFramingError);
    EXPECT_EQ(state.CurrentMode, AM_SD); // the complete "(AM)(SD)" prefix was read
}

TEST_F(DecodeLoop, CapacityRuleLeavesTheLastSlotUnwritten) {
    // Short park holds 2 slots: one record fits, the second overflows.
    auto one = decode(Bytes(kFormat).tag("[SHORT_PARK]").u32(1).u8(1));
    EXPECT_EQ(one.code, 42);
    auto two = decode(Bytes(kFormat).tag("[SHORT_PARK]").u32(1).u8(1).u32(2).u8(2));
    EXPECT_EQ(two.code, kOtherSectionFull);
    EXPECT_EQ(two.area.count(layout, ShortPark), 2);
    EXPECT_EQ(two.area.sample(layout, ShortPark, 1)[0], ResultArea::kPattern);

    auto descent = decode(Bytes(kFormat).tag("[DESCENT](RW)").u32(0).repeat(4, {1, 0, 5}));
    EXPECT_EQ(descent.code, kDescentFull);
    EXPECT_EQ(descent.area.count(layout, Descent), 4);
    EXPECT_EQ(descent.area.sample(layout, Descent, 3)[0], ResultArea::kPattern);
}

TEST_F(DecodeLoop, UnknownFormatFailsAtTheFirstRecordAfterTheCapacityRule) {
    Bytes bytes(kFormat + 1);
    bytes.tag("[DESCENT](AM)").u32(0).u16(1).u8(9);
    auto d = decode(bytes);
    EXPECT_EQ(d.code, kFramingError);
    EXPECT_EQ(d.area.count(layout, Descent), 1);
    EXPECT_EQ(d.area.sample(layout, Descent, 0)[0], ResultArea::kPattern);
}

TEST_F(DecodeLoop, RefusedModesAndPhasesAreFramingErrors) {
    EXPECT_EQ(decode(Bytes(kFormat).tag("[PARK](AM)").u32(1).u8(1)).code, kFramingError);
    EXPECT_EQ(decode(Bytes(kFormat).tag("[DESCENT](SS)").u32(1).u8(1)).code, kFramingError);
    EXPECT_EQ(decode(Bytes(kFormat).tag("[DESCENT](AM)(MD)").u32(1).u8(1)).code, kFramingError);
    EXPECT_EQ(decode(Bytes(kFormat).u8(0x41)).code, kFramingError); // no tag at all
}

TEST_F(DecodeLoop, ModesWithoutLayoutEndWithSuccessOnlyBeforeFiller) {
    EXPECT_EQ(decode(Bytes(kFormat).tag("[DESCENT](AM)(SD)").u32(1).fill(4, 0x1A)).code, 42);
    EXPECT_EQ(decode(Bytes(kFormat).tag("[DESCENT](AM)(SD)").u32(1).u8(0x1B)).code, kFramingError);
    auto next =
        decode(Bytes(kFormat).tag("[DESCENT](AM)(SD)").u32(1).tag("(AM)").u32(0).u16(1).u8(2));
    EXPECT_EQ(next.code, 42);
    EXPECT_EQ(next.area.count(layout, Descent), 1);
}

// Where the data end early, nothing is invented: the call ends with the
// success code when it stored a record, else with a framing error.
TEST_F(DecodeLoop, EndOfDataNeverStoresAnIncompleteRecord) {
    const Bytes stored = Bytes(kFormat).tag("[DESCENT](AM)").u32(0).u16(1).u8(9);
    const struct {
        const char* what;
        Bytes tail;
        std::int32_t codeAlone; // without a record before
        std::int32_t codeAfterRecord;
    } cases[] = {
        {"right after a profile mode tag", Bytes().tag("[ASCENT](AM)"), kFramingError, 42},
        {"inside a time base", Bytes().tag("[ASCENT](AM)").raw({1, 2}), kFramingError, 42},
        {"right after a time base", Bytes().tag("[ASCENT](AM)").u32(7), kFramingError, 42},
        {"right after a park-like tag", Bytes().tag("[SURFACE]"), kFramingError, 42},
        {"inside an accepted record", Bytes().tag("[ASCENT](AM)").u32(7).raw({1, 0}), kFramingError,
         42},
        {"inside a park record", Bytes().tag("[PARK]").raw({1, 2, 3, 4}), kFramingError, 42},
        {"inside a refused record", Bytes().tag("[PARK](AM)").raw({1, 2}), kFramingError,
         kFramingError},
        {"right after a profile phase tag", Bytes().tag("[ASCENT]"), kFramingError, kFramingError},
    };
    for (const auto& c : cases) {
        auto alone = decode(Bytes(kFormat).raw(c.tail.vec()));
        EXPECT_EQ(alone.code, c.codeAlone) << c.what;
        auto after = decode(Bytes(stored).raw(c.tail.vec()));
        EXPECT_EQ(after.code, c.codeAfterRecord) << c.what;
        EXPECT_EQ(after.area.count(layout, Descent), 1) << c.what;
        for (int phase = 1; phase < 6; ++phase)
            EXPECT_EQ(after.area.count(layout, phase), 0) << c.what;
    }
}

TEST_F(DecodeLoop, EndOfDataIsCheckedBeforeTheCapacityRule) {
    // Short park is full after one record; a second, cut short, is not an overflow.
    auto d = decode(Bytes(kFormat).tag("[SHORT_PARK]").u32(1).u8(1).raw({2, 0}));
    EXPECT_EQ(d.code, 42);
    EXPECT_EQ(d.area.count(layout, ShortPark), 1);
}

TEST_F(DecodeLoop, PhaseAndModeCarryOverToTheNextCall) {
    decode(Bytes(kFormat).tag("[PARK]").u32(1).u8(1).tag("[ASCENT](AM)").u32(0).u16(1).u8(1));
    EXPECT_EQ(state.CurrentPhase, Ascent);
    auto second = decode(Bytes(kFormat).tag("(RW)").u32(100).u16(1).u8(5));
    EXPECT_EQ(second.code, 42);
    EXPECT_EQ(second.area.count(layout, Ascent), 1);
    EXPECT_EQ(second.area.count(layout, Park), 0);
    EXPECT_EQ(timeOf(second, Ascent, 0), 101u);
}

TEST_F(DecodeLoop, CountsRestartAfterAFailedCall) {
    auto failed = decode(Bytes(kFormat).tag("[DESCENT](RW)").u32(0).repeat(4, {1, 0, 5}));
    ASSERT_EQ(failed.code, kDescentFull);
    ResultArea& area = failed.area;
    const Bytes next = Bytes(kFormat).tag("[DESCENT](RW)").u32(0).u16(1).u8(1);
    EXPECT_EQ(runDecodeLoop(state, rules, area.area(), next.data(), next.size()), 42);
    EXPECT_EQ(area.count(layout, Descent), 1);
}

TEST_F(DecodeLoop, DecodersWithoutTimeBaseReadRecordsRightAfterTheModeTag) {
    rules.basics_.timeBase = false;
    rules.basics_.everyPhaseTagSetsRW = true;
    auto d =
        decode(Bytes(kFormat).tag("[DESCENT]").u32(100).u8(1).tag("[ASCENT](AM)").u32(90).u8(2));
    ASSERT_EQ(d.code, 42);
    EXPECT_EQ(timeOf(d, Descent, 0), 100u);
    EXPECT_EQ(kindOf(d, Descent, 0), RW);
    EXPECT_EQ(timeOf(d, Ascent, 0), 90u);
    EXPECT_EQ(kindOf(d, Ascent, 0), AM);
    EXPECT_EQ(decode(Bytes(kFormat).tag("[DESCENT]")).code, kFramingError);
}

TEST(TagHelpers, MatchOnlyCompleteTagsAndChangeStateOnlyWhenReading) {
    ModuleState state;
    const std::string text = "[DEEP_PROFILE](AM)(MD)x";
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    state.RemainingBytes = static_cast<std::int32_t>(text.size());
    EXPECT_EQ(SkipPhaseTag(state, p), p + 14);
    EXPECT_EQ(state.CurrentPhase, Descent);
    EXPECT_EQ(ReadPhaseTag(state, p), p + 14);
    EXPECT_EQ(state.CurrentPhase, DeepProfile);
    EXPECT_EQ(state.RemainingBytes, static_cast<std::int32_t>(text.size()) - 14);
    EXPECT_EQ(SkipModeTag(state, p + 14), p + 22);
    EXPECT_EQ(ReadModeTag(state, p + 14), p + 22);
    EXPECT_EQ(state.CurrentMode, AM_MD);
    EXPECT_EQ(ReadModeTag(state, p + 22), nullptr);
    EXPECT_EQ(ReadPhaseTag(state, nullptr), nullptr);
    state.RemainingBytes = 5; // "[PARK]" needs 6
    const std::string park = "[PARK]";
    EXPECT_EQ(SkipPhaseTag(state, reinterpret_cast<const std::uint8_t*>(park.data())), nullptr);
    const std::string lower = "[park]";
    state.RemainingBytes = 6;
    EXPECT_EQ(SkipPhaseTag(state, reinterpret_cast<const std::uint8_t*>(lower.data())), nullptr);
}

} // namespace
} // namespace xelo
