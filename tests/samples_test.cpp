// Every bundled sample decodes with a success code through the built
// library, and every prefix of it decodes without reading past its length
// (the sanitizer build watches each exact-size copy).
#include "Decoder/decode_driver.h"
#include "Decoder/library_binding.h"
#include "support/files.h"
#include "writers/branches.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace xelo {
namespace {

struct Sample {
    std::string name;
    std::vector<std::uint8_t> bytes;
    DecodeFunction decode;
};

std::vector<Sample> samplesWithDecoders() {
    void* library = dlopen((test::binDir() + "/XELOLibrary_2_0.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(library, nullptr);
    std::vector<Sample> samples;
    const std::string folder = test::sourceDir() + "/samples";
    for (const std::string& name : test::listDir(folder)) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".hex") != 0) continue;
        for (const SensorBranch& branch : sensorBranches()) {
            if (name.find(branch.tag) == std::string::npos) continue;
            auto decode =
                reinterpret_cast<DecodeFunction>(dlsym(library, kEntryNames[branch.entry]));
            if (!decode) break; // a sensor this library has no decoder for
            const std::string text = test::readText(folder + "/" + name);
            samples.push_back({name, std::vector<std::uint8_t>(text.begin(), text.end()), decode});
            break;
        }
    }
    return samples;
}

TEST(Samples, EveryBundledSampleDecodesSuccessfully) {
    const auto samples = samplesWithDecoders();
    ASSERT_FALSE(samples.empty());
    std::vector<std::uint8_t> area(kDecodeBufferSize);
    for (const Sample& s : samples)
        EXPECT_GT(s.decode(area.data(), s.bytes.data(), static_cast<std::int32_t>(s.bytes.size())),
                  0)
            << s.name;
}

TEST(Samples, EveryPrefixDecodesWithinItsLength) {
    std::vector<std::uint8_t> area(kDecodeBufferSize);
    for (const Sample& s : samplesWithDecoders()) {
        SCOPED_TRACE(s.name);
        for (std::size_t n = 0; n <= s.bytes.size(); ++n) {
            const std::vector<std::uint8_t> prefix(
                s.bytes.begin(), s.bytes.begin() + static_cast<std::ptrdiff_t>(n));
            const std::int32_t code =
                s.decode(area.data(), prefix.data(), static_cast<std::int32_t>(n));
            // Success or a framing error: a prefix never overflows a section.
            ASSERT_TRUE(code > 0 || code == -3) << "prefix of " << n << " bytes gave " << code;
        }
    }
}

} // namespace
} // namespace xelo
