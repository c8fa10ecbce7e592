#include "support/channel_sensor.h"

namespace xelo::test {
namespace {

void appendWidth(Bytes& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.u8(static_cast<std::uint8_t>(value >> (8 * i)));
}

void appendAll(Bytes& bytes, const std::vector<std::uint32_t>& values, int width) {
    for (std::uint32_t v : values)
        appendWidth(bytes, v, width);
}

void expectValues(ResultArea& area, std::uint32_t at, const std::vector<std::uint32_t>& values,
                  int width, const char* what) {
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(loadWidth(area.at(at + i * width), width), cutToWidth(values[i], width))
            << what << "[" << i << "]";
}

void expectKept(ResultArea& area, std::uint32_t at, std::uint32_t size, std::uint8_t kept,
                const char* what) {
    for (std::uint32_t i = 0; i < size; ++i)
        EXPECT_EQ(area.u8(at + i), kept) << what << " byte " << i << " was written";
}

float pressureOf(std::uint16_t raw) {
    return static_cast<float>(static_cast<long double>(raw) * 0.1L - 100);
}

} // namespace

bool hasSd(std::uint8_t mode) {
    return mode == AM_SD || mode == AM_SD_MD;
}
bool hasMd(std::uint8_t mode) {
    return mode == AM_MD || mode == AM_SD_MD;
}

std::uint32_t cutToWidth(std::uint32_t value, int width) {
    return width >= 4 ? value : value & ((1u << (8 * width)) - 1);
}

std::uint32_t loadWidth(const std::uint8_t* p, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return value;
}

ChannelValues distinctValues(const ChannelCase& c, std::uint32_t salt) {
    // Each byte of the block numbers its place: 0x10 + block * 0x40 + byte.
    auto block = [&](int index, int width) {
        std::vector<std::uint32_t> values;
        int byte = 0;
        for (int ch = 0; ch < c.channels; ++ch) {
            std::uint32_t v = 0;
            for (int b = 0; b < width; ++b, ++byte)
                v |= static_cast<std::uint32_t>((0x10 + index * 0x40 + byte + salt) & 0xFF)
                     << (8 * b);
            values.push_back(v);
        }
        return values;
    };
    ChannelValues v;
    v.pressure = static_cast<std::uint16_t>(1234 + salt);
    v.channel = block(0, c.readingWidth);
    v.channelSd = block(1, c.sdWidth);
    v.medianPressure = static_cast<std::uint16_t>(2345 + salt);
    v.medianChannel = block(2, c.readingWidth);
    return v;
}

void appendProfileRecord(Bytes& bytes, const ChannelCase& c, std::uint8_t mode, std::uint16_t step,
                         const ChannelValues& v) {
    bytes.u16(step).u16(v.pressure);
    appendAll(bytes, v.channel, c.readingWidth);
    if (hasSd(mode)) appendAll(bytes, v.channelSd, c.sdWidth);
    if (hasMd(mode)) {
        bytes.u16(v.medianPressure);
        appendAll(bytes, v.medianChannel, c.readingWidth);
    }
}

void appendParkRecord(Bytes& bytes, const ChannelCase& c, std::uint32_t time,
                      const ChannelValues& v) {
    bytes.u32(time).u16(v.pressure);
    appendAll(bytes, v.channel, c.readingWidth);
}

std::int32_t profileRecordSize(const ChannelCase& c, std::uint8_t mode) {
    return 4 + c.channels * (c.readingWidth + (hasSd(mode) ? c.sdWidth : 0)) +
           (hasMd(mode) ? 2 + c.channels * c.readingWidth : 0);
}

std::int32_t parkRecordSize(const ChannelCase& c) {
    return 6 + c.channels * c.readingWidth;
}

void expectSample(ResultArea& area, const ChannelCase& c, int phase, std::uint32_t index,
                  std::uint8_t kind, std::uint32_t time, std::uint8_t mode, const ChannelValues& v,
                  std::uint8_t kept) {
    SCOPED_TRACE(::testing::Message() << c.name << " phase " << phase << " sample " << index);
    const std::uint32_t at = c.sampleAt(phase, index);
    EXPECT_EQ(area.u8(at), kind);
    EXPECT_EQ(area.u32(at + 1), time);
    EXPECT_EQ(area.f32(at + 5), pressureOf(v.pressure));
    expectValues(area, at + 9, v.channel, c.readingWidth, "channel");
    const std::uint32_t sdBytes = static_cast<std::uint32_t>(c.channels * c.sdWidth);
    const std::uint32_t mdBytes = static_cast<std::uint32_t>(4 + c.channels * c.readingWidth);
    if (hasSd(mode))
        expectValues(area, at + c.channelSdAt, v.channelSd, c.sdWidth, "channelSd");
    else
        expectKept(area, at + c.channelSdAt, sdBytes, kept, "channelSd");
    if (hasMd(mode)) {
        EXPECT_EQ(area.f32(at + c.medianPressureAt), pressureOf(v.medianPressure));
        expectValues(area, at + c.medianChannelAt, v.medianChannel, c.readingWidth,
                     "medianChannel");
    } else {
        expectKept(area, at + c.medianPressureAt, mdBytes, kept, "median block");
    }
}

PhaseCounts countsOf(ResultArea& area, const ChannelCase& c) {
    PhaseCounts counts{};
    for (int p = 0; p < 6; ++p)
        counts[p] = area.u16(c.countAt[p]);
    return counts;
}

PhaseCounts onlyIn(int phase, std::uint16_t count) {
    PhaseCounts counts{};
    counts[phase] = count;
    return counts;
}

ChannelDecoder::Decoded ChannelDecoder::decode(const Bytes& bytes) {
    Decoded d{0, ResultArea(variant().areaSize)};
    d.code = decodeInto(d.area, bytes);
    return d;
}

std::int32_t ChannelDecoder::decodeInto(ResultArea& area, const Bytes& bytes) {
    // An exact-size copy, so that a read past the data is caught by the sanitizers.
    const std::vector<std::uint8_t> data(bytes.vec());
    const std::int32_t code =
        variant().decode(area.area(), data.data(), static_cast<std::int32_t>(data.size()));
    EXPECT_TRUE(area.guardsIntact()) << variant().name;
    return code;
}

} // namespace xelo::test
