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

} // namespace

const std::uint8_t* SkipPhaseTag(const ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kPhaseTags, state.RemainingBytes, p);
    return tag ? p + tag->text.size() : nullptr;
}

const std::uint8_t* ReadPhaseTag(ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kPhaseTags, state.RemainingBytes, p);
    if (!tag) return nullptr;
    state.CurrentPhase = tag->value;
    state.RemainingBytes -= static_cast<std::int32_t>(tag->text.size());
    return p + tag->text.size();
}

const std::uint8_t* SkipModeTag(const ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kModeTags, state.RemainingBytes, p);
    return tag ? p + tag->text.size() : nullptr;
}

const std::uint8_t* ReadModeTag(ModuleState& state, const std::uint8_t* p) {
    const Tag* tag = matchTag(kModeTags, state.RemainingBytes, p);
    if (!tag) return nullptr;
    state.CurrentMode = tag->value;
    state.RemainingBytes -= static_cast<std::int32_t>(tag->text.size());
    return p + tag->text.size();
}

} // namespace xelo
