#include "framing/tags.h"

#include <cstring>
#include <span>

namespace xelo {
namespace {

const Tag* matchTag(std::span<const Tag> tags, std::int32_t remaining, const std::uint8_t* p) {
    if (p == nullptr) return nullptr;
    for (const Tag& tag : tags) {
        const auto length = static_cast<std::int32_t>(tag.text.size());
        if (remaining >= length && std::memcmp(p, tag.text.data(), tag.text.size()) == 0)
            return &tag;
    }
    return nullptr;
}

// On a match: the position after the tag; `value` takes the tag's value and
// RemainingBytes loses its length.
const std::uint8_t* readTag(std::span<const Tag> tags, ModuleState& state, const std::uint8_t* p,
                            std::uint8_t& value) {
    const Tag* tag = matchTag(tags, state.RemainingBytes, p);
    if (!tag) return nullptr;
    value = tag->value;
    state.RemainingBytes -= static_cast<std::int32_t>(tag->text.size());
    return p + tag->text.size();
}

} // namespace

const std::uint8_t* SkipPhaseTag(const ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kPhaseTags, state.RemainingBytes, p);
    return tag ? p + tag->text.size() : nullptr;
}

const std::uint8_t* ReadPhaseTag(ModuleState& state, const std::uint8_t* p) {
    return readTag(kPhaseTags, state, p, state.CurrentPhase);
}

const std::uint8_t* SkipModeTag(const ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kModeTags, state.RemainingBytes, p);
    return tag ? p + tag->text.size() : nullptr;
}

const std::uint8_t* ReadModeTag(ModuleState& state, const std::uint8_t* p) {
    return readTag(kModeTags, state, p, state.CurrentMode);
}

} // namespace xelo
