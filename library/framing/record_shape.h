// The record shapes that a mode and a phase give most sensors: a plain
// record, one with a deviation block, a median block or both (the (AM)
// modes of profile phases), and the park-like record with its own time.
#pragma once

#include "framing/decode_loop.h"
#include "framing/module_state.h"

#include <cstdint>
#include <optional>

namespace xelo {

enum class RecordShape : std::uint8_t { Plain, WithSd, WithMd, WithSdMd, ParkLike };
inline constexpr int kRecordShapeCount = 5;

constexpr bool hasDeviations(RecordShape s) {
    return s == RecordShape::WithSd || s == RecordShape::WithSdMd;
}
constexpr bool hasMedians(RecordShape s) {
    return s == RecordShape::WithMd || s == RecordShape::WithSdMd;
}
// A park-like record carries a u32 time, a profile record a u16 time step.
constexpr std::int32_t timeFieldSize(RecordShape s) {
    return s == RecordShape::ParkLike ? 4 : 2;
}
constexpr RecordTime recordTimeOf(RecordShape s) {
    return s == RecordShape::ParkLike ? RecordTime::Absolute : RecordTime::Step;
}

// RW and DW in every phase, the (AM) modes in profile phases only; none
// under SS or an (AM) mode in a park-like phase.
constexpr std::optional<RecordShape> recordShapeOf(std::uint8_t mode, std::uint8_t phase) {
    if (mode == RW || mode == DW)
        return isProfilePhase(phase) ? RecordShape::Plain : RecordShape::ParkLike;
    if (!isProfilePhase(phase)) return std::nullopt;
    switch (mode) {
    case AM:
        return RecordShape::Plain;
    case AM_SD:
        return RecordShape::WithSd;
    case AM_MD:
        return RecordShape::WithMd;
    case AM_SD_MD:
        return RecordShape::WithSdMd;
    default:
        return std::nullopt;
    }
}

} // namespace xelo
