#include "writers/branches.h"

#include "Decoder/library_binding.h"

namespace xelo {

std::string_view fileCorrupted(std::int32_t) { return "The file is corrupted"; }

std::span<const SensorBranch> sensorBranches() {
    // "ecov2." is tested before "eco.", which is one of its substrings.
    static constexpr SensorBranch kBranches[] = {
        {"sbe41.", kSBE41Entry, &kSBE41Report},
        {"do.", kDOEntry, nullptr},
        {"ocr.", kOCREntry, nullptr},
        {"ecov2.", kECOv2Entry, nullptr},
        {"eco.", kECOEntry, nullptr},
        {"crover.", kCROVEREntry, nullptr},
        {"sbeph.", kSBEPHEntry, nullptr},
        {"suna.", kSUNAEntry, nullptr},
        {"uvp6_lpm.", kUVP6LpmEntry, nullptr},
        {"uvp6_blk.", kUVP6BlkEntry, nullptr},
        {"ext_trig.", kExtTrigEntry, nullptr},
        {"ramses.", kRAMSESEntry, &kRAMSESReport},
    };
    return kBranches;
}

} // namespace xelo
