// Builds data files byte by byte for the tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace xelo::test {

class Bytes {
  public:
    Bytes() { data_.reserve(256); }
    explicit Bytes(std::uint8_t formatCode) : Bytes() { data_.push_back(formatCode); }

    Bytes& tag(std::string_view text) {
        data_.insert(data_.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& u8(std::uint8_t v) {
        data_.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        return u8(static_cast<std::uint8_t>(v >> 8));
    }
    Bytes& u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        return u16(static_cast<std::uint16_t>(v >> 16));
    }
    Bytes& raw(std::initializer_list<std::uint8_t> bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Bytes& raw(const std::vector<std::uint8_t>& bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Bytes& fill(std::size_t count, std::uint8_t value) {
        data_.insert(data_.end(), count, value);
        return *this;
    }
    Bytes& repeat(std::size_t times, const std::vector<std::uint8_t>& bytes) {
        for (std::size_t i = 0; i < times; ++i)
            raw(bytes);
        return *this;
    }

    const std::vector<std::uint8_t>& vec() const { return data_; }
    const std::uint8_t* data() const { return data_.data(); }
    std::int32_t size() const { return static_cast<std::int32_t>(data_.size()); }

  private:
    std::vector<std::uint8_t> data_;
};

} // namespace xelo::test
