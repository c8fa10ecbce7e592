// A result area for decoder tests: an exact-size heap block framed by guard
// bytes, so that a write outside the layout is seen, and little-endian reads
// at the layout's offsets.
#pragma once

#include "framing/bytes.h"
#include "layouts/result_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace xelo::test {

class ResultArea {
  public:
    static constexpr std::size_t kGuard = 64;
    static constexpr std::uint8_t kPattern = 0xA5;

    explicit ResultArea(std::size_t size, std::uint8_t fill = kPattern)
        : bytes_(size + 2 * kGuard, fill), size_(size) {}

    void* area() { return bytes_.data() + kGuard; }
    std::uint8_t* at(std::size_t offset) { return bytes_.data() + kGuard + offset; }
    std::size_t size() const { return size_; }

    std::uint16_t u16(std::size_t offset) { return loadU16(at(offset)); }
    std::uint32_t u32(std::size_t offset) { return loadU32(at(offset)); }
    float f32(std::size_t offset) { return loadF32(at(offset)); }
    std::uint8_t u8(std::size_t offset) { return *at(offset); }

    std::uint16_t count(const ResultLayout& layout, int phase) {
        return u16(layout.countOffset(phase));
    }
    std::uint8_t* sample(const ResultLayout& layout, int phase, std::uint32_t index) {
        return at(layout.sampleOffset(phase, index));
    }

    // The guard bytes before and after the area still hold the pattern.
    bool guardsIntact() const {
        for (std::size_t i = 0; i < kGuard; ++i)
            if (bytes_[i] != kPattern || bytes_[kGuard + size_ + i] != kPattern) return false;
        return true;
    }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t size_;
};

} // namespace xelo::test
