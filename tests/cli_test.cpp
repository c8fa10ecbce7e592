// xelo-decode as a user runs it: exit status, what it prints where, options,
// and where it finds the library.
#include "support/bytes_builder.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace xelo {
namespace {

using test::Bytes;
using test::readText;
using test::run;
using test::TempDir;
using test::writeFile;

const std::vector<std::uint8_t> kDescentAndPark =
    Bytes(2)
        .tag("[DESCENT](AM)")
        .u32(1589529600)
        .raw({0x0A, 0x00, 0x72, 0x17, 0xC1, 0x43, 0x07, 0x87})
        .tag("[PARK]")
        .u32(1589529600)
        .raw({0x72, 0x17, 0xC1, 0x43, 0x07, 0x87})
        .vec();
const std::string kReport = "[DESCENT]\r\n(AM)\r\n2020-05-15 08:00:10,500.20,12.3450,34.567\r\n"
                            "[PARK]\r\n2020-05-15 08:00:00,500.20,12.3450,34.567\r\n";

std::string cli() {
    return test::binDir() + "/xelo-decode";
}

class Cli : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override { writeFile(dir.file("F1_sbe41.hex"), kDescentAndPark); }
};

TEST_F(Cli, DecodesAFileAndPrintsTheSummary) {
    const auto r = run({cli(), dir.file("F1_sbe41.hex")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Decoding result\r\n- Descent: 1\r\n- Park: 1\r\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readText(dir.file("F1_sbe41.csv")), kReport);
}

TEST_F(Cli, SeveralFilesArePrefixedAndAnyFailureFailsTheRun) {
    writeFile(dir.file("F2_sbe41.hex"), Bytes(2).tag("[PARK](AM)").u32(0).vec());
    const auto r = run({cli(), "F1_sbe41.hex", "F2_sbe41.hex", "notes.txt"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "F1_sbe41.hex: Decoding result\r\n- Descent: 1\r\n- Park: 1\r\n");
    EXPECT_EQ(r.err,
              "F2_sbe41.hex: The file is corrupted\r\nnotes.txt: Please select a *.hex file\r\n");
    EXPECT_TRUE(test::exists(dir.file("F1_sbe41.csv")));
    EXPECT_FALSE(test::exists(dir.file("F2_sbe41.csv")));
}

TEST_F(Cli, QuietPrintsNothingButKeepsTheStatus) {
    auto ok = run({cli(), "--quiet", dir.file("F1_sbe41.hex")});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out + ok.err, "");
    auto bad = run({cli(), "--quiet", dir.file("missing_sbe41.hex")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out + bad.err, "");
}

TEST_F(Cli, OutputFolderTakesTheReports) {
    TempDir out;
    const auto r = run({cli(), "-o", out.path(), dir.file("F1_sbe41.hex")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readText(out.file("F1_sbe41.csv")), kReport);
    EXPECT_FALSE(test::exists(dir.file("F1_sbe41.csv")));
    const auto missing =
        run({cli(), "--output-dir", dir.file("nowhere"), dir.file("F1_sbe41.hex")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot write file \"" + dir.file("nowhere") + "/F1_sbe41.csv\"\r\n");
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {cli()}, {cli(), "--bogus", "x.hex"}, {cli(), "-o"}, {cli(), "--library"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("xelo-decode --help"), std::string::npos);
    }
    const auto help = run({cli(), "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: xelo-decode [options] FILE..."), std::string::npos);
}

TEST_F(Cli, VersionNamesTheLibrary) {
    const auto r = run({cli(), "--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "xelo-decode 2.0.0\r\nlibrary v2.00\r\n");
}

TEST_F(Cli, FindsTheLibraryBesideItselfFromAnyFolder) {
    const auto r = run({cli(), "F1_sbe41.hex"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readText(dir.file("F1_sbe41.csv")), kReport);
}

TEST_F(Cli, ALibraryInTheCurrentFolderComesFirst) {
    // A broken plain library in the current folder is chosen, and fails to load.
    test::writeText(dir.file("XELOLibrary.so"), "not a library");
    const auto r = run({cli(), "F1_sbe41.hex"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Fail to load library \"XELOLibrary.so\"\r\n");
    EXPECT_FALSE(test::exists(dir.file("F1_sbe41.csv")));
}

TEST_F(Cli, ExplicitLibraryFile) {
    const auto good =
        run({cli(), "--library", test::binDir() + "/XELOLibrary_2_0.so", dir.file("F1_sbe41.hex")});
    EXPECT_EQ(good.status, 0);
    const auto bad = run({cli(), "--library", dir.file("none.so"), dir.file("F1_sbe41.hex")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Fail to load library \"" + dir.file("none.so") + "\"\r\n");
}

TEST_F(Cli, WithoutAnyLibraryTheRunFails) {
    // A copy of the program alone in a folder finds no library anywhere.
    const std::string lonely = dir.file("xelo-decode");
    test::writeText(lonely, readText(cli()));
    ASSERT_EQ(chmod(lonely.c_str(), 0755), 0);
    const auto r = run({lonely, "F1_sbe41.hex"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Library \"XELOLibrary.so\" not found\r\n");
}

} // namespace
} // namespace xelo
