// Runs xelo-decode on one data file in a fresh folder and collects what it
// printed and the report it wrote.
#pragma once

#include "support/bytes_builder.h"
#include "support/files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xelo::test {

struct CliRun {
    RunResult run;
    std::optional<std::string> csv; // the report, when one was written
};

// Saves `bytes` as `fileName` in a fresh folder and decodes it there.
// `existingCsv`, when not empty, is put where the report goes before the run.
CliRun decodeWithCli(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                     const std::string& existingCsv = {});
inline CliRun decodeWithCli(const std::string& fileName, const Bytes& bytes) {
    return decodeWithCli(fileName, bytes.vec());
}

// A failed decode: "The file is corrupted" on the error stream, exit status
// 1, and no report created or changed (`existingCsv` as for decodeWithCli).
void expectCorruptedAnswer(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                           const std::string& existingCsv = {});

} // namespace xelo::test
