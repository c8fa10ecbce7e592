// SUNA nitrate result area, shared by the decoder and the CSV writer. The two
// variants differ only in the length K of the list each sample carries:
// FormatCode 12 has 45 values, FormatCode 13 has 90. No section but Surface
// differs between them in capacity; Surface has a count and no slots.
#pragma once

#include "layouts/result_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace xelo {

inline constexpr std::size_t kSUNAShortList = 45; // FormatCode 12
inline constexpr std::size_t kSUNALongList = 90;  // FormatCode 13

#pragma pack(push, 1)
template <std::size_t K> struct SUNASample {
    std::uint8_t kind;
    std::uint32_t time;
    float pressure;
    float valueA;
    float valueB;
    float valueC;
    float valueD;
    float valueE;
    float valueF;
    float valueG;
    float valueH; // carried bit for bit
    float valueI; // carried bit for bit
    std::uint16_t listValues[K];
};
template <std::size_t K> struct SUNAResult {
    std::uint16_t descentCount;
    SUNASample<K> descent[500];
    std::uint16_t parkCount;
    SUNASample<K> park[500];
    std::uint16_t deepProfileCount;
    SUNASample<K> deepProfile[100];
    std::uint16_t shortParkCount;
    SUNASample<K> shortPark[20];
    std::uint16_t ascentCount;
    SUNASample<K> ascent[500];
    std::uint16_t surfaceCount; // always 0: no Surface slots
};
#pragma pack(pop)

inline constexpr std::array<std::uint32_t, 6> kSUNACapacities = {500, 500, 100, 20, 500, 0};
template <std::size_t K>
inline constexpr ResultLayout kSUNALayout{sizeof(SUNASample<K>), kSUNACapacities};

// The sample fields sit at the same offsets in both variants.
template <std::size_t K> constexpr bool sunaSampleFieldsInPlace() {
    using S = SUNASample<K>;
    return offsetof(S, kind) == 0 && offsetof(S, time) == 1 && offsetof(S, pressure) == 5 &&
           offsetof(S, valueA) == 9 && offsetof(S, valueB) == 13 && offsetof(S, valueC) == 17 &&
           offsetof(S, valueD) == 21 && offsetof(S, valueE) == 25 && offsetof(S, valueF) == 29 &&
           offsetof(S, valueG) == 33 && offsetof(S, valueH) == 37 && offsetof(S, valueI) == 41 &&
           offsetof(S, listValues) == 45 && sizeof(S::listValues) == 2 * K;
}
static_assert(sunaSampleFieldsInPlace<kSUNAShortList>());
static_assert(sunaSampleFieldsInPlace<kSUNALongList>());
static_assert(sizeof(SUNASample<kSUNAShortList>) == 135);
static_assert(sizeof(SUNASample<kSUNALongList>) == 225);

// FormatCode 12: stride 135.
using SUNAShortResult = SUNAResult<kSUNAShortList>;
inline constexpr const ResultLayout& kSUNAShortLayout = kSUNALayout<kSUNAShortList>;
static_assert(kSUNAShortLayout.stride == 135);
static_assert(sizeof(SUNAShortResult) == 218712 && kSUNAShortLayout.size() == 218712);
static_assert(offsetof(SUNAShortResult, descent) == 2 && kSUNAShortLayout.arrayOffset(0) == 2);
static_assert(sizeof(SUNAShortResult::descent) == 67500);
static_assert(offsetof(SUNAShortResult, parkCount) == 67502 &&
              kSUNAShortLayout.countOffset(1) == 67502);
static_assert(offsetof(SUNAShortResult, park) == 67504 && sizeof(SUNAShortResult::park) == 67500);
static_assert(offsetof(SUNAShortResult, deepProfileCount) == 135004 &&
              kSUNAShortLayout.countOffset(2) == 135004);
static_assert(offsetof(SUNAShortResult, deepProfile) == 135006 &&
              sizeof(SUNAShortResult::deepProfile) == 13500);
static_assert(offsetof(SUNAShortResult, shortParkCount) == 148506 &&
              kSUNAShortLayout.countOffset(3) == 148506);
static_assert(offsetof(SUNAShortResult, shortPark) == 148508 &&
              sizeof(SUNAShortResult::shortPark) == 2700);
static_assert(offsetof(SUNAShortResult, ascentCount) == 151208 &&
              kSUNAShortLayout.countOffset(4) == 151208);
static_assert(offsetof(SUNAShortResult, ascent) == 151210 &&
              sizeof(SUNAShortResult::ascent) == 67500);
static_assert(offsetof(SUNAShortResult, surfaceCount) == 218710 &&
              kSUNAShortLayout.countOffset(5) == 218710);

// FormatCode 13: stride 225.
using SUNALongResult = SUNAResult<kSUNALongList>;
inline constexpr const ResultLayout& kSUNALongLayout = kSUNALayout<kSUNALongList>;
static_assert(kSUNALongLayout.stride == 225);
static_assert(sizeof(SUNALongResult) == 364512 && kSUNALongLayout.size() == 364512);
static_assert(offsetof(SUNALongResult, descent) == 2 && kSUNALongLayout.arrayOffset(0) == 2);
static_assert(sizeof(SUNALongResult::descent) == 112500);
static_assert(offsetof(SUNALongResult, parkCount) == 112502 &&
              kSUNALongLayout.countOffset(1) == 112502);
static_assert(offsetof(SUNALongResult, park) == 112504 && sizeof(SUNALongResult::park) == 112500);
static_assert(offsetof(SUNALongResult, deepProfileCount) == 225004 &&
              kSUNALongLayout.countOffset(2) == 225004);
static_assert(offsetof(SUNALongResult, deepProfile) == 225006 &&
              sizeof(SUNALongResult::deepProfile) == 22500);
static_assert(offsetof(SUNALongResult, shortParkCount) == 247506 &&
              kSUNALongLayout.countOffset(3) == 247506);
static_assert(offsetof(SUNALongResult, shortPark) == 247508 &&
              sizeof(SUNALongResult::shortPark) == 4500);
static_assert(offsetof(SUNALongResult, ascentCount) == 252008 &&
              kSUNALongLayout.countOffset(4) == 252008);
static_assert(offsetof(SUNALongResult, ascent) == 252010 &&
              sizeof(SUNALongResult::ascent) == 112500);
static_assert(offsetof(SUNALongResult, surfaceCount) == 364510 &&
              kSUNALongLayout.countOffset(5) == 364510);

static_assert(kSUNALongLayout.size() <= kDecodeBufferSize);

} // namespace xelo
