// The sensor branches of the decode driver, in the order their name tags are
// tested: which bound entry decodes the file, which codes are written as CSV
// with which report format, and what the user is told otherwise.
#pragma once

#include "writers/report_format.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace xelo {

struct AcceptedCode {
    std::int32_t code;
    const ReportFormat* format;
};

struct SensorReport {
    std::span<const AcceptedCode> accepted;
    std::span<const std::int32_t> unknownSensorCodes; // answered "Unknown sensor type"
    // The error for any other code.
    std::string_view (*failureMessage)(std::int32_t code);
};

struct SensorBranch {
    std::string_view tag;       // "sbe41."
    int entry;                  // index into the bound entries (see library_binding.h)
    const SensorReport* report; // null while the sensor has no writer
};

std::span<const SensorBranch> sensorBranches();

// The common failure answer of the branches.
std::string_view fileCorrupted(std::int32_t code);

// Reports of the sensor writers.
extern const SensorReport kSBE41Report;
extern const SensorReport kDOReport;
extern const SensorReport kCROVERReport;
extern const SensorReport kSBEPHReport;
extern const SensorReport kSUNAReport;
extern const SensorReport kUVP6LpmReport;
extern const SensorReport kUVP6BlkReport;
extern const SensorReport kExtTrigReport;
extern const SensorReport kRAMSESReport;
extern const SensorReport kOCRReport;
extern const SensorReport kECOReport;
extern const SensorReport kECOv2Report;

} // namespace xelo
