// Running one decoder for the sensor tests through its exported function on
// a guarded result area.
#pragma once

#include "framing/bytes.h"
#include "layouts/result_layout.h"
#include "support/bytes_builder.h"
#include "support/files.h"
#include "support/result_area.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace xelo::test {

// One call of an exported decoder on an area of exactly the layout's size.
class ExportRun {
  public:
    ExportRun(DecodeFunction decode, const ResultLayout& layout, const Bytes& bytes)
        : decode_(decode), layout_(layout), area(layout.size()) {
        again(bytes);
    }
    // Decodes `bytes` into the same area, over what the last call left there.
    std::int32_t again(const Bytes& bytes) {
        code = decode_(area.area(), bytes.data(), bytes.size());
        EXPECT_TRUE(area.guardsIntact());
        return code;
    }

    std::uint16_t count(int phase) { return area.count(layout_, phase); }
    std::uint8_t* sample(int phase, std::uint32_t i) { return area.sample(layout_, phase, i); }
    std::uint8_t kind(int phase, std::uint32_t i) { return sample(phase, i)[0]; }
    std::uint32_t time(int phase, std::uint32_t i) { return loadU32(sample(phase, i) + 1); }
    float f32(int phase, std::uint32_t i, std::size_t field) {
        return loadF32(sample(phase, i) + field);
    }
    std::uint32_t bits(int phase, std::uint32_t i, std::size_t field) {
        return loadU32(sample(phase, i) + field);
    }
    std::uint16_t u16(int phase, std::uint32_t i, std::size_t field) {
        return loadU16(sample(phase, i) + field);
    }
    // Every byte of the sample slot still holds the area's fill pattern.
    bool slotUntouched(int phase, std::uint32_t i) {
        const std::uint8_t* slot = sample(phase, i);
        for (std::uint32_t b = 0; b < layout_.stride; ++b)
            if (slot[b] != ResultArea::kPattern) return false;
        return true;
    }

  private:
    DecodeFunction decode_;
    const ResultLayout& layout_;

  public:
    ResultArea area;
    std::int32_t code = 0;
};

// The capacity rule on one section of `capacity` slots: capacity - 1 records
// decode to `success`, one more gives `overflow` with the count left at the
// capacity, and the section's last slot is never written. `file(n)` gives
// data with n records in the section.
template <class File>
void expectCapacityRule(DecodeFunction decode, const ResultLayout& layout, int phase,
                        std::uint32_t capacity, std::int32_t success, std::int32_t overflow,
                        File file) {
    ExportRun full(decode, layout, file(capacity - 1));
    EXPECT_EQ(full.code, success);
    EXPECT_EQ(full.count(phase), capacity - 1);
    EXPECT_FALSE(full.slotUntouched(phase, capacity - 2));
    EXPECT_TRUE(full.slotUntouched(phase, capacity - 1));

    ExportRun over(decode, layout, file(capacity));
    EXPECT_EQ(over.code, overflow);
    EXPECT_EQ(over.count(phase), capacity);
    EXPECT_TRUE(over.slotUntouched(phase, capacity - 1));
}

// A record time: 2020-05-15 08:00:00.
inline constexpr std::uint32_t kMay15At8 = 1589529600;

} // namespace xelo::test
