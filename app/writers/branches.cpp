#include "writers/branches.h"

#include "Decoder/library_binding.h"

namespace xelo {

std::string_view fileCorrupted(std::int32_t) { return "The file is corrupted"; }

std::span<const SensorBranch> sensorBranches() {
    // "ecov2." is tested before "eco.", which is one of its substrings.
    static constexpr SensorBranch kBranches[] = {
        {"sbe41.", kSBE41Entry, &kSBE41Report},
        {"do.", kDOEntry, nullptr},
        {"ocr.", kOCREntry, &kOCRReport},
        {"ecov2.", kECOv2Entry, &kECOv2Report},
        {"eco.", kECOEntry, &kECOReport},
        {"crover.", kCROVEREntry, nullptr},
        {"sbeph.", kSBEPHEntry, nullptr},
        {"suna.", kSUNAEntry, nullptr},
        {"uvp6_lpm.", kUVP6LpmEntry, nullptr},
        {"uvp6_blk.", kUVP6BlkEntry, nullptr},
        {"ext_trig.", kExtTrigEntry, nullptr},
        {"ramses.", kRAMSESEntry, nullptr},
    };
    return kBranches;
}

} // namespace xelo
