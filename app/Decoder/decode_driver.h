// DecodeDataFile: one data file to one CSV report beside it (or in the
// output folder), and the message that tells the user how it went.
#pragma once

#include "Decoder/program_state.h"
#include "writers/report_format.h"

#include <cstdint>
#include <string>

namespace xelo {

struct DecodeOutcome {
    MessageKind kind = MessageKind::None;
    std::string message;
    bool reportWritten = false; // a report (possibly empty) is on disk
};

// Decodes `fileName` with `state`; when `interactive` is non-zero the message
// is also shown through state.presenter.
DecodeOutcome DecodeDataFile(ProgramState& state, const char* fileName, std::uint8_t interactive);
// The same on the program's own state.
DecodeOutcome DecodeDataFile(const char* fileName, std::uint8_t interactive);

// The name of the report for a data file: its last three characters
// replaced by "csv", placed in `outputFolder` when one is given.
std::string reportNameFor(const std::string& dataFile, const std::string& outputFolder);

// The file's own name, without its folders.
std::string_view fileNameOnly(std::string_view path);

// Appends the timestamp prefix "yyyy-mm-dd hh:mm:ss," of a record time.
void appendTimestamp(LineBuilder& line, std::uint32_t time);
// Appends the data text of one sample (fields and CR LF).
void appendFields(LineBuilder& line, LineFields fields, const std::uint8_t* sample);

} // namespace xelo
