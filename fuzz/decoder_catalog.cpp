#include "decoder_catalog.h"

#include "Decoder/library_binding.h"
#include "layouts/crover.h"
#include "layouts/do.h"
#include "layouts/eco.h"
#include "layouts/ecov2.h"
#include "layouts/ext_trig.h"
#include "layouts/ocr.h"
#include "layouts/sbe41.h"
#include "layouts/sbeph.h"
#include "layouts/suna.h"
#include "layouts/uvp6_blk.h"
#include "layouts/uvp6_lpm.h"

namespace xelo::fuzz {
namespace {

constexpr Variant kSBE41[] = {{1, 3, kSBE41Layout}, {2, 3, kSBE41Layout}};
constexpr Variant kDO[] = {{3, 4, kDOLayout}};
constexpr Variant kOCR[] = {{4, 5, kOCRLayout<4>}, {5, 6, kOCRLayout<7>}, {6, 4, kOCRLayout<14>}};
constexpr Variant kECO[] = {{7, 8, kECOLayout<1>}, {8, 9, kECOLayout<2>}, {9, 10, kECOLayout<3>}};
constexpr Variant kECOv2[] = {{18, 19, kECOv2Layout<1>},
                              {19, 20, kECOv2Layout<2>},
                              {20, 21, kECOv2Layout<3>},
                              {21, 22, kECOv2Layout<4>}};
constexpr Variant kCROVER[] = {{10, 11, kCROVERLayout}};
constexpr Variant kSBEPH[] = {{11, 12, kSBEPHLayout}};
constexpr Variant kSUNA[] = {{12, 13, kSUNAShortLayout}, {13, 14, kSUNALongLayout}};
constexpr Variant kUVP6Lpm[] = {{14, 15, kUVP6LpmLayout}};
constexpr Variant kUVP6Blk[] = {{17, 18, kUVP6BlkLayout}};
constexpr Variant kExtTrig[] = {{22, 23, kExtTrigLayout}};

constexpr std::uint8_t kAnyMode = kindBits({0, 1, 2, 3, 4, 5, 6});
constexpr std::uint8_t kRwDw = kindBits({1, 6});
constexpr std::uint8_t kRwAmDw = kindBits({1, 2, 6});
// Profile sections hold the modes, park-like ones RW.
constexpr std::array<std::uint8_t, 6> kModesAndRw = {kProfileModes, kRwOnly,       kProfileModes,
                                                     kRwOnly,       kProfileModes, kRwOnly};

} // namespace

std::span<const DecoderInfo> decoderCatalog() {
    static const DecoderInfo kCatalog[] = {
        {"sbe41",
         kSBE41Entry,
         &_iRERUDODDecodeDataSBE41,
         kSBE41,
         false,
         {kProfileModes, kRwOnly, kProfileModes, kRwOnly, kAnyMode, kRwOnly}},
        {"do", kDOEntry, &_iRERUDODDecodeDataDO, kDO, false, kModesAndRw},
        {"ocr", kOCREntry, &_iRERUDODDecodeDataOCR, kOCR, true, kModesAndRw},
        {"eco", kECOEntry, &_iRERUDODDecodeDataECO, kECO, true, kModesAndRw},
        {"ecov2", kECOv2Entry, &_iRERUDODDecodeDataECOv2, kECOv2, true, kModesAndRw},
        {"crover",
         kCROVEREntry,
         &_iRERUDODDecodeDataCROVER,
         kCROVER,
         false,
         {kProfileModes, kRwOnly, kProfileModes, kRwOnly, kProfileModes, kNone}},
        {"sbeph",
         kSBEPHEntry,
         &_iRERUDODDecodeDataSBEPH,
         kSBEPH,
         false,
         {kProfileModes, kRwOnly, kProfileModes, kRwOnly, kProfileModes, kNone}},
        {"suna",
         kSUNAEntry,
         &_iRERUDODDecodeDataSUNA,
         kSUNA,
         true,
         {kRwDw, kRwOnly, kRwDw, kRwOnly, kRwDw, kNone}},
        {"uvp6_lpm",
         kUVP6LpmEntry,
         &_iRERUDODDecodeDataUVP6Lpm,
         kUVP6Lpm,
         false,
         {kRwAmDw, kRwOnly, kRwAmDw, kRwOnly, kRwAmDw, kNone}},
        {"uvp6_blk",
         kUVP6BlkEntry,
         &_iRERUDODDecodeDataUVP6Blk,
         kUVP6Blk,
         false,
         {kRwOnly, kRwOnly, kRwOnly, kRwOnly, kRwOnly, kNone}},
        {"ext_trig",
         kExtTrigEntry,
         &_iRERUDODDecodeDataExtTrig,
         kExtTrig,
         false,
         {kRwOnly, kRwOnly, kRwOnly, kRwOnly, kRwOnly, kNone}},
    };
    return kCatalog;
}

const DecoderInfo* findDecoder(std::string_view name) {
    for (const DecoderInfo& info : decoderCatalog())
        if (info.name == name) return &info;
    return nullptr;
}

} // namespace xelo::fuzz
