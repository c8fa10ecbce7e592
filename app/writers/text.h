// Text assembly for report lines and messages, with the C conversions the
// reports use ("%.Nf", "%u", "%d", "%02u") done by std::to_chars, so that the
// text is the same on every platform and no locale or allocation gets in.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace xelo {

class LineBuilder {
  public:
    static constexpr std::size_t kCapacity = 16384;

    void clear() {
        size_ = 0;
        overflowed_ = false;
    }
    std::string_view view() const { return {buffer_, size_}; }
    bool overflowed() const { return overflowed_; }

    void append(std::string_view text) {
        if (text.size() > kCapacity - size_) {
            overflowed_ = true;
            return;
        }
        for (char c : text)
            buffer_[size_++] = c;
    }
    void append(char c) { append(std::string_view(&c, 1)); }

    // "%.<decimals>f" of a double: exact decimal expansion, ties to even,
    // "nan", "-nan", "inf" and "-inf" as glibc prints them.
    void appendFixed(double value, int decimals) {
        char digits[400];
        const auto r = std::to_chars(digits, digits + sizeof digits, value,
                                     std::chars_format::fixed, decimals);
        append(std::string_view(digits, static_cast<std::size_t>(r.ptr - digits)));
    }
    void appendUnsigned(std::uint64_t value) { appendInteger(value); }
    void appendSigned(std::int64_t value) { appendInteger(value); }
    // "%02u"
    void appendTwoDigits(unsigned value) {
        if (value < 10) append('0');
        appendInteger(value);
    }

  private:
    template <class Int> void appendInteger(Int value) {
        char digits[24];
        const auto r = std::to_chars(digits, digits + sizeof digits, value);
        append(std::string_view(digits, static_cast<std::size_t>(r.ptr - digits)));
    }

    char buffer_[kCapacity];
    std::size_t size_ = 0;
    bool overflowed_ = false;
};

} // namespace xelo
