// The library's process-wide state: the bytes left, the current phase and the
// current mode. All decoders share one instance (processState()); the decode
// loop takes it by reference so that tests can run it on a state of their own.
#pragma once

#include <cstdint>

namespace xelo {

enum CyclePhase : std::uint8_t {
    Descent = 0,
    Park = 1,
    DeepProfile = 2,
    ShortPark = 3,
    Ascent = 4,
    Surface = 5,
};
inline constexpr int kPhaseCount = 6;

enum AcquisitionMode : std::uint8_t {
    SS = 0,
    RW = 1,
    AM = 2,
    AM_SD = 3,
    AM_MD = 4,
    AM_SD_MD = 5,
    DW = 6,
};
inline constexpr int kModeCount = 7;

constexpr bool isProfilePhase(std::uint8_t phase) {
    return phase == Descent || phase == DeepProfile || phase == Ascent;
}

struct ModuleState {
    std::int32_t RemainingBytes = 0;
    std::uint8_t CurrentPhase = Descent;
    std::uint8_t CurrentMode = SS;
};

// The one instance that the exported functions use; it lives as long as the
// library stays loaded and carries phase and mode from one call to the next.
ModuleState& processState();

} // namespace xelo
