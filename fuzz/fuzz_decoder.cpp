// Fuzz target for one exported decoder (XELO_FUZZ_DECODER names it). The
// data is an exact-size heap copy and the result area an exact-size block of
// the export's largest layout, prefilled with a pattern, so any access
// outside them is caught. Then the promises every caller relies on:
// - a success code is the variant's own, with every count below its
//   section's capacity and every stored kind one the section may hold;
// - slots past a section's count, and every byte past the variant's layout,
//   keep the pattern (the last slot of a section is never written);
// - an unknown FormatCode leaves the area untouched where the decoder
//   refuses it first;
// - the same input from the same module state decodes to the same area.
#include "decoder_catalog.h"
#include "framing/bytes.h"
#include "framing/module_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::uint8_t kPattern = 0xC3;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

const xelo::fuzz::DecoderInfo& target() {
    static const xelo::fuzz::DecoderInfo* info = xelo::fuzz::findDecoder(XELO_FUZZ_DECODER);
    require(info != nullptr, "unknown decoder name");
    return *info;
}

std::size_t largestLayout(const xelo::fuzz::DecoderInfo& info) {
    std::size_t size = 0;
    for (const auto& v : info.variants)
        size = std::max<std::size_t>(size, v.layout.size());
    return size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size > 262144) return 0;
    const auto& info = target();
    const std::size_t areaSize = largestLayout(info);
    // Exact-size copies: nothing before or after them may be touched.
    const std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[size ? size : 1]);
    if (size) std::memcpy(data.get(), bytes, size);
    const std::unique_ptr<std::uint8_t[]> area(new std::uint8_t[areaSize]);
    const std::unique_ptr<std::uint8_t[]> again(new std::uint8_t[areaSize]);
    std::memset(area.get(), kPattern, areaSize);
    std::memset(again.get(), kPattern, areaSize);

    xelo::ModuleState& state = xelo::processState();
    // Start from a phase and mode chosen by the input's last byte, as a
    // previous call would have left them.
    const xelo::ModuleState start{0, static_cast<std::uint8_t>(size ? bytes[size - 1] % 6 : 0),
                                  static_cast<std::uint8_t>(size ? bytes[size - 1] / 6 % 7 : 0)};
    state = start;
    const std::int32_t code = info.decode(area.get(), data.get(), static_cast<std::int32_t>(size));
    const xelo::ModuleState after = state;
    state = start;
    const std::int32_t code2 =
        info.decode(again.get(), data.get(), static_cast<std::int32_t>(size));
    require(code == code2, "the same input gave two codes");
    require(std::memcmp(area.get(), again.get(), areaSize) == 0, "the same input gave two areas");
    require(after.CurrentPhase < 6 && after.CurrentMode < 7, "module state out of range");
    require(code == -1 || code == -3 || code == -4 || (code <= -5 && code >= -10) || code > 0,
            "a code outside the scheme");

    const xelo::fuzz::Variant* variant = nullptr;
    if (size > 0)
        for (const auto& v : info.variants)
            if (v.formatCode == bytes[0]) variant = &v;

    if (!variant && info.unknownFormatLeavesAreaUntouched) {
        require(code == -3, "an unknown FormatCode was not refused");
        require(std::all_of(area.get(), area.get() + areaSize,
                            [](std::uint8_t b) { return b == kPattern; }),
                "an unknown FormatCode touched the area");
        require(after.CurrentPhase == start.CurrentPhase && after.CurrentMode == start.CurrentMode,
                "an unknown FormatCode changed the module state");
        return 0;
    }
    if (code > 0) {
        require(variant != nullptr && code == variant->successCode, "success with a foreign code");
    }
    const xelo::ResultLayout& layout = variant ? variant->layout : info.variants[0].layout;
    if (code == -1) return 0;
    for (std::size_t i = layout.size(); i < areaSize; ++i)
        require(area[i] == kPattern, "write past the layout");
    for (int phase = 0; phase < 6; ++phase) {
        const std::uint32_t count = xelo::loadU16(area.get() + layout.countOffset(phase));
        const std::uint32_t capacity = layout.capacity[phase];
        require(count <= capacity, "a count beyond its capacity");
        // The last slot of a section is never written, nor any slot past the count.
        const std::uint32_t reachable = capacity == 0 ? 0 : std::min(count, capacity - 1);
        const std::uint8_t* unused = area.get() + layout.sampleOffset(phase, reachable);
        const std::uint8_t* sectionEnd = area.get() + layout.countOffset(phase + 1);
        require(std::all_of(unused, sectionEnd, [](std::uint8_t b) { return b == kPattern; }),
                "a slot past the count or the last slot was written");
        if (code <= 0) continue;
        require(count < capacity || (capacity == 0 && count == 0), "success with a full section");
        for (std::uint32_t slot = 0; slot < count; ++slot) {
            const std::uint8_t kind = area[layout.sampleOffset(phase, slot)];
            require(kind < 7 && (info.storableKinds[phase] >> kind & 1u),
                    "a kind the section cannot hold");
        }
    }
    return 0;
}
