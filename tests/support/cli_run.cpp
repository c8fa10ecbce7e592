#include "support/cli_run.h"

#include <gtest/gtest.h>

namespace xelo::test {

CliRun decodeWithCli(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                     const std::string& existingCsv) {
    TempDir dir;
    writeFile(dir.file(fileName), bytes);
    const std::string report = dir.file(fileName.substr(0, fileName.size() - 3) + "csv");
    if (!existingCsv.empty()) writeText(report, existingCsv);
    CliRun result;
    result.run = run({binDir() + "/xelo-decode", fileName}, dir.path());
    if (exists(report)) result.csv = readText(report);
    return result;
}

void expectCorruptedAnswer(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                           const std::string& existingCsv) {
    const CliRun result = decodeWithCli(fileName, bytes, existingCsv);
    EXPECT_EQ(result.run.status, 1);
    EXPECT_EQ(result.run.out, "");
    EXPECT_EQ(result.run.err, "The file is corrupted\r\n");
    EXPECT_EQ(result.csv.has_value(), !existingCsv.empty());
    EXPECT_EQ(result.csv.value_or(""), existingCsv);
}

} // namespace xelo::test
