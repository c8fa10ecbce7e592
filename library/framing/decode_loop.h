// The decode loop that every decoder runs. A sensor supplies only its rules:
// result layout, success and overflow codes, framing variant, which record
// layout a (mode, phase) pair selects, and how one record fills its slot.
//
// End of data: the loop never reads past `length` and never stores a record
// whose bytes are not all present. When no byte is left where a time base or a
// record would begin, when the data end inside a time base, or when an
// accepted record is cut short, the data have simply ended: the call returns
// the success code if it stored a record, else kFramingError.
#pragma once

#include "framing/bytes.h"
#include "framing/module_state.h"
#include "framing/result_codes.h"
#include "framing/tags.h"
#include "layouts/result_layout.h"

#include <array>
#include <cstdint>

namespace xelo {

// Where a record's time comes from.
enum class RecordTime : std::uint8_t {
    Step,     // u16 at byte 0, added to the previous time
    Absolute, // u32 at byte 0
    TimeBase, // no time field: the time base of the mode section, unchanged
};

struct RecordPlan {
    enum class Action : std::uint8_t {
        Refuse,      // no layout for this mode in this phase: kFramingError
        Decode,      // a record of `size` bytes
        EndIfFiller, // no layout, but only filler may follow: success, else kFramingError
    };
    Action action = Action::Refuse;
    std::int32_t size = 0;
    RecordTime time = RecordTime::Step;

    static constexpr RecordPlan refuse() { return {}; }
    static constexpr RecordPlan endIfFiller() { return {Action::EndIfFiller, 0, RecordTime::Step}; }
    static constexpr RecordPlan record(std::int32_t size, RecordTime time) {
        return {Action::Decode, size, time};
    }
};

// The bytes of one complete record and what it was decoded under.
struct Record {
    const std::uint8_t* bytes;
    std::int32_t size;
    std::uint8_t formatCode;
    std::uint8_t mode;
    std::uint8_t phase;
};

// What each sensor's rules carry besides plan(), knowsFormat() and fill().
struct SensorBasics {
    ResultLayout layout;
    std::int32_t successCode;
    std::array<std::int32_t, 6> overflowCodes = kCommonOverflowCodes;
    bool timeBase = true;             // a profile-phase mode tag is followed by a time base
    bool everyPhaseTagSetsRW = false; // profile phase tags too set RW and open records
};

inline constexpr std::uint8_t kFiller = 0x1A;

template <class Rules>
std::int32_t runDecodeLoop(ModuleState& state, const Rules& rules, void* result,
                           const std::uint8_t* data, std::int32_t length) {
    const SensorBasics& basics = rules.basics();
    if (result == nullptr) return kNoResultArea;
    auto* area = static_cast<std::uint8_t*>(result);
    const ResultLayout& layout = basics.layout;
    for (int phase = 0; phase < kPhaseCount; ++phase)
        storeU16(area + layout.countOffset(phase), 0);

    state.RemainingBytes = length < 1 ? -1 : length - 1;
    if (length < 1 || data == nullptr) return kFramingError;
    const std::uint8_t formatCode = data[0];
    const std::uint8_t* pos = data + 1;
    const std::uint8_t* const end = data + length;

    // The trailing 0x1A run starts here; filler is only counted, never consumed.
    const std::uint8_t* fillerStart = end;
    while (fillerStart > pos && fillerStart[-1] == kFiller)
        --fillerStart;
    auto onlyFillerLeft = [&] { return pos >= fillerStart; };

    bool stored = false;
    std::uint32_t previousTime = 0;
    auto dataEnded = [&] { return stored ? basics.successCode : kFramingError; };

    while (state.RemainingBytes > 0) {
        if (const std::uint8_t* next = ReadModeTag(state, pos)) {
            pos = next;
        } else if (const std::uint8_t* next = ReadPhaseTag(state, pos)) {
            pos = next;
            if (isProfilePhase(state.CurrentPhase) && !basics.everyPhaseTagSetsRW) continue;
            state.CurrentMode = RW;
        } else {
            return kFramingError;
        }

        if (basics.timeBase && isProfilePhase(state.CurrentPhase)) {
            if (state.RemainingBytes < 4) return dataEnded();
            previousTime = loadU32(pos);
            pos += 4;
            state.RemainingBytes -= 4;
        }

        for (;;) {
            if (state.RemainingBytes <= 0) return dataEnded();
            if (SkipPhaseTag(state, pos) || SkipModeTag(state, pos)) break;

            const std::uint8_t mode = state.CurrentMode;
            const std::uint8_t phase = state.CurrentPhase;
            const RecordPlan plan = rules.plan(formatCode, mode, phase);
            if (plan.action == RecordPlan::Action::Refuse) return kFramingError;
            if (plan.action == RecordPlan::Action::EndIfFiller)
                return onlyFillerLeft() ? basics.successCode : kFramingError;
            if (state.RemainingBytes < plan.size) return dataEnded();

            // Capacity rule: the slot is the old count; a new count that reaches
            // the capacity is an overflow, so the last slot is never written.
            const std::uint32_t countAt = layout.countOffset(phase);
            const std::uint32_t count = loadU16(area + countAt);
            if (count + 1 >= layout.capacity[phase]) {
                storeU16(area + countAt, static_cast<std::uint16_t>(layout.capacity[phase]));
                return basics.overflowCodes[phase];
            }
            storeU16(area + countAt, static_cast<std::uint16_t>(count + 1));
            if (!rules.knowsFormat(formatCode)) return kFramingError;

            std::uint8_t* slot = area + layout.sampleOffset(phase, count);
            std::uint32_t time = previousTime;
            if (plan.time == RecordTime::Step) time = previousTime + loadU16(pos);
            if (plan.time == RecordTime::Absolute) time = loadU32(pos);
            if (plan.time != RecordTime::TimeBase) previousTime = time;
            slot[0] = isProfilePhase(phase) ? mode : static_cast<std::uint8_t>(RW);
            storeU32(slot + 1, time);
            rules.fill(Record{pos, plan.size, formatCode, mode, phase}, slot);

            pos += plan.size;
            state.RemainingBytes -= plan.size;
            stored = true;
            if (state.RemainingBytes <= 0 || onlyFillerLeft()) return basics.successCode;
        }
    }
    return kFramingError;
}

} // namespace xelo
