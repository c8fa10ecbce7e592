// Runs xelo-decode on one data file in a fresh folder and collects what it
// printed and the report it wrote.
#pragma once

#include "support/files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace xelo::test {

struct CliReport {
    int status = -1;
    std::string out;
    std::string err;
    bool written = false; // the CSV file exists afterwards
    std::string csv;
};

// `existingCsv`, when not empty, is put where the report goes before the run.
inline CliReport decodeWithCli(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                               const std::string& existingCsv = {}) {
    TempDir dir;
    writeFile(dir.file(fileName), bytes);
    const std::string csvPath = dir.file(fileName.substr(0, fileName.size() - 3) + "csv");
    if (!existingCsv.empty()) writeText(csvPath, existingCsv);
    const RunResult run = test::run({binDir() + "/xelo-decode", fileName}, dir.path());
    CliReport report{run.status, run.out, run.err, exists(csvPath), {}};
    if (report.written) report.csv = readText(csvPath);
    return report;
}

// A failed decode: "The file is corrupted" on the error stream, exit status
// 1, and no report created or changed (`existingCsv` as for decodeWithCli).
inline void expectCorruptedAnswer(const std::string& fileName,
                                  const std::vector<std::uint8_t>& bytes,
                                  const std::string& existingCsv = {}) {
    const CliReport report = decodeWithCli(fileName, bytes, existingCsv);
    EXPECT_EQ(report.status, 1);
    EXPECT_EQ(report.out, "");
    EXPECT_EQ(report.err, "The file is corrupted\r\n");
    EXPECT_EQ(report.written, !existingCsv.empty());
    EXPECT_EQ(report.csv, existingCsv);
}

} // namespace xelo::test
