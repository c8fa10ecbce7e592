// SUNA report: Descent, Park and Ascent only; mode lines for RW and DW in the
// profile sections; every line the ten values and the whole list, for either
// list length.
#include "framing/module_state.h"
#include "layouts/suna.h"
#include "writers/branches.h"

#include <cstddef>

namespace xelo {
namespace {

template <std::size_t K> struct SunaLine {
    using S = SUNASample<K>;
    static constexpr Field kFields[] = {
        f32(offsetof(S, pressure), 2),
        f32(offsetof(S, valueA), 3),
        f32(offsetof(S, valueB), 3),
        f32(offsetof(S, valueC), 2),
        f32(offsetof(S, valueD), 2),
        f32(offsetof(S, valueE), 1),
        f32(offsetof(S, valueF), 1),
        f32(offsetof(S, valueG), 2),
        f32(offsetof(S, valueH), 2),
        f32(offsetof(S, valueI), 4),
        integer(offsetof(S, listValues), FieldType::U16, K),
    };
    static constexpr std::uint8_t kModeLines = kinds({RW, DW});
    static constexpr ReportFormat kFormat{
        kSUNALayout<K>,
        {true, true, false, false, true, false},
        {kModeLines, 0, 0, 0, kModeLines, 0},
        {LineFields{}, kFields},
        kFields,
    };
};

constexpr AcceptedCode kAccepted[] = {
    {13, &SunaLine<kSUNAShortList>::kFormat},
    {14, &SunaLine<kSUNALongList>::kFormat},
};

} // namespace

const SensorReport kSUNAReport{kAccepted, {}, fileCorrupted};

} // namespace xelo
