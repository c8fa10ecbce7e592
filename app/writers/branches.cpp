#include "writers/branches.h"

#include "Decoder/library_binding.h"

namespace xelo {

std::string_view fileCorrupted(std::int32_t) {
    return "The file is corrupted";
}

std::span<const SensorBranch> sensorBranches() {
    // "ecov2." is tested before "eco.", which is one of its substrings.
    static constexpr SensorBranch kBranches[] = {
        {"sbe41.", kSBE41Entry, &kSBE41Report},
        {"do.", kDOEntry, &kDOReport},
        {"ocr.", kOCREntry, &kOCRReport},
        {"ecov2.", kECOv2Entry, &kECOv2Report},
        {"eco.", kECOEntry, &kECOReport},
        {"crover.", kCROVEREntry, &kCROVERReport},
        {"sbeph.", kSBEPHEntry, &kSBEPHReport},
        {"suna.", kSUNAEntry, &kSUNAReport},
        {"uvp6_lpm.", kUVP6LpmEntry, &kUVP6LpmReport},
        {"uvp6_blk.", kUVP6BlkEntry, &kUVP6BlkReport},
        {"ext_trig.", kExtTrigEntry, &kExtTrigReport},
        {"ramses.", kRAMSESEntry, &kRAMSESReport},
    };
    return kBranches;
}

} // namespace xelo
