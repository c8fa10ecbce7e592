// Report numbers are formatted by our own code so that every platform prints
// the same text; on this platform it must match the C library's printf.
#include "writers/text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace xelo {
namespace {

std::string printfFixed(double value, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ours(double value, int decimals) {
    LineBuilder line;
    line.appendFixed(value, decimals);
    return std::string(line.view());
}

TEST(FixedFormat, MatchesPrintfOnSpecialAndTieValues) {
    const double values[] = {0.0,
                             -0.0,
                             0.125,
                             0.375,
                             2.5,
                             -2.5,
                             1e-7,
                             -0.004,
                             0.005,
                             0.015,
                             1234.5678,
                             -100.0,
                             6453.5,
                             static_cast<double>(12.3456f),
                             static_cast<double>(std::numeric_limits<float>::max()),
                             static_cast<double>(std::numeric_limits<float>::denorm_min()),
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::nan(""),
                             -std::nan("")};
    for (double v : values)
        for (int decimals = 0; decimals <= 6; ++decimals)
            EXPECT_EQ(ours(v, decimals), printfFixed(v, decimals)) << v << " %." << decimals << "f";
}

TEST(FixedFormat, MatchesPrintfOnRandomFloatBitPatterns) {
    std::mt19937 random(12345);
    for (int i = 0; i < 200000; ++i) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        const int decimals = 1 + i % 4;
        ASSERT_EQ(ours(f, decimals), printfFixed(f, decimals)) << std::bit_cast<std::uint32_t>(f);
    }
    for (int i = 0; i < 20000; ++i) {
        const double d =
            std::bit_cast<double>((static_cast<std::uint64_t>(random()) << 32) | random());
        ASSERT_EQ(ours(d, 6), printfFixed(d, 6));
    }
}

TEST(IntegerFormat, MatchesPrintf) {
    LineBuilder line;
    line.appendSigned(-32768);
    line.append(',');
    line.appendUnsigned(4294967295u);
    line.append(',');
    line.appendSigned(std::numeric_limits<std::int32_t>::min());
    line.append(',');
    line.appendTwoDigits(7);
    line.appendTwoDigits(59);
    EXPECT_EQ(line.view(), "-32768,4294967295,-2147483648,0759");
}

TEST(LineBuilder, RefusesTextBeyondItsCapacity) {
    LineBuilder line;
    line.append(std::string(LineBuilder::kCapacity - 1, 'x'));
    EXPECT_FALSE(line.overflowed());
    line.append("yz");
    EXPECT_TRUE(line.overflowed());
    EXPECT_EQ(line.view().size(), LineBuilder::kCapacity - 1);
}

} // namespace
} // namespace xelo
