#include "decoder_catalog.h"

#include "Decoder/library_binding.h"
#include "layouts/sbe41.h"

namespace xelo::fuzz {
namespace {

constexpr Variant kSBE41[] = {{1, 3, kSBE41Layout}, {2, 3, kSBE41Layout}};

} // namespace

std::span<const DecoderInfo> decoderCatalog() {
    static const DecoderInfo kCatalog[] = {
        {"sbe41", kSBE41Entry, &_iRERUDODDecodeDataSBE41, kSBE41, false,
         {kProfileModes, kRwOnly, kProfileModes, kRwOnly, kindBits({0, 1, 2, 3, 4, 5, 6}), kRwOnly}},
    };
    return kCatalog;
}

const DecoderInfo* findDecoder(std::string_view name) {
    for (const DecoderInfo& info : decoderCatalog())
        if (info.name == name) return &info;
    return nullptr;
}

} // namespace xelo::fuzz
