// RAMSES reports end to end: the test library's RAMSES decoder fills the
// result layout, and the driver writes Descent, Park and Ascent.
#include "Decoder/decode_driver.h"
#include "Decoder/library_binding.h"
#include "support/files.h"
#include "support/ramses_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace xelo {
namespace {

using test::RamsesRecord;

constexpr std::uint32_t k20200515 = 1589529789; // 2020-05-15 08:03:09

RamsesRecord sample(std::uint8_t phase, std::uint8_t kind, std::uint8_t listCount = 0,
                    std::vector<std::uint16_t> values = {}) {
    return {phase,   kind,    k20200515, 1.005f, -3.25f,    1000.0f,
            0.1234f, 2.0005f, 7,         65535,  listCount, values};
}
// The eight values of sample() and its list count.
const std::string kValues = "2020-05-15 08:03:09,1.00,7,-3.25,1000.00,0.123,2.000,65535,";

class RamsesReport : public ::testing::Test {
  protected:
    void SetUp() override {
        binding = bindLibraryFile(XELO_FIXTURE_LIBRARY);
        ASSERT_TRUE(binding.library.loaded()) << binding.error;
        state = std::make_unique<ProgramState>();
        state->library = binding.library;
    }
    DecodeOutcome decode(const std::vector<RamsesRecord>& records) {
        test::writeFile(data(), test::ramsesFixture(records));
        return DecodeDataFile(*state, data().c_str(), 0);
    }
    std::string data() const { return dir.file("F1234_042_ramses.hex"); }
    std::string report() const { return dir.file("F1234_042_ramses.csv"); }

    test::TempDir dir;
    BindingResult binding;
    std::unique_ptr<ProgramState> state;
};

TEST_F(RamsesReport, WritesDescentParkAndAscentWithModeLinesOnlyForRwAndDw) {
    const DecodeOutcome outcome = decode({
        sample(0, 6), sample(0, 1), sample(0, 2), // no mode line of its own, but remembered
        sample(0, 1), sample(1, 6),               // park: no mode lines
        sample(1, 1), sample(2, 1),               // deep profile and short park are not written
        sample(3, 1), sample(4, 6), sample(4, 6), sample(4, 1), sample(5, 1), // nor is the surface
    });
    EXPECT_EQ(outcome.message, "Decoding result\r\n- Descent: 4\r\n- Park: 2\r\n- Ascent: 3");
    const std::string line = kValues + "0\r\n";
    EXPECT_EQ(test::readText(report()), "[DESCENT]\r\n(DW)\r\n" + line + "(RW)\r\n" + line + line +
                                            "(RW)\r\n" + line + "[PARK]\r\n" + line + line +
                                            "[ASCENT]\r\n(DW)\r\n" + line + line + "(RW)\r\n" +
                                            line);
}

TEST_F(RamsesReport, ListValuesFollowTheirCountAndNeverPassTheSample) {
    std::vector<std::uint16_t> many;
    for (std::uint16_t i = 0; i < 250; ++i)
        many.push_back(static_cast<std::uint16_t>(1000 + i));
    struct Case {
        std::uint8_t listCount;
        std::vector<std::uint16_t> values;
        std::string tail; // after the eight values' prefix
    };
    std::string capped = "250";
    for (int i = 0; i < 245; ++i)
        capped += "," + std::to_string(1000 + i);
    const Case cases[] = {
        {0, {}, "0\r\n"},
        {3, {10, 20, 30}, "3,10,20,30\r\n"},
        {1, {65535}, "1,65535\r\n"},
        // The decoder stored a count above the list's 245 values.
        {250, many, capped + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.listCount));
        // A second sample right behind, whose bytes must not show up.
        const DecodeOutcome outcome =
            decode({sample(0, 1, c.listCount, c.values), sample(0, 1, 2, {4242, 4343})});
        ASSERT_TRUE(outcome.reportWritten) << outcome.message;
        EXPECT_EQ(test::readText(report()),
                  "[DESCENT]\r\n(RW)\r\n" + kValues + c.tail + kValues + "2,4242,4343\r\n");
    }
}

TEST_F(RamsesReport, FailuresAndEmptyResults) {
    // A record cut short: the decoder fails, no report is written.
    auto cut = test::ramsesFixture({sample(0, 1, 3, {1, 2, 3})});
    cut.pop_back();
    test::writeFile(data(), cut);
    DecodeOutcome outcome = DecodeDataFile(*state, data().c_str(), 0);
    EXPECT_EQ(outcome.message, "The file is corrupted");
    EXPECT_FALSE(test::exists(report()));

    // Only sections the report does not write: an empty report.
    outcome = decode({sample(2, 1), sample(3, 6), sample(5, 1)});
    EXPECT_EQ(outcome.message, "The file is empty !");
    EXPECT_TRUE(outcome.reportWritten);
    EXPECT_EQ(test::readText(report()), "");
}

TEST(RamsesLibrary, FixtureLibraryBindsAllThirteenNamesAndTheShippedOneNoRamses) {
    const BindingResult fixture = bindLibraryFile(XELO_FIXTURE_LIBRARY);
    ASSERT_TRUE(fixture.library.loaded()) << fixture.error;
    for (int i = 0; i < kEntryCount; ++i)
        EXPECT_NE(fixture.library.entries[i], nullptr) << kEntryNames[i];

    const BindingResult shipped =
        bindLibraryFile(test::binDir() + "/XELOLibrary_2_0" + std::string(kLibrarySuffix));
    ASSERT_TRUE(shipped.library.loaded()) << shipped.error;
    EXPECT_NE(shipped.library.entries[kVersionEntry], nullptr);
    EXPECT_NE(shipped.library.entries[kSBE41Entry], nullptr);
    EXPECT_EQ(shipped.library.entries[kRAMSESEntry], nullptr);
}

TEST(RamsesLibrary, CommandLineDecodesRamsesOnlyWithALibraryThatHasTheDecoder) {
    test::TempDir dir;
    const std::string data = dir.file("x_ramses.hex");
    test::writeFile(data, test::ramsesFixture({sample(4, 6, 2, {5, 6})}));
    const std::string program = test::binDir() + "/xelo-decode";

    test::RunResult run = test::run({program, "--library", XELO_FIXTURE_LIBRARY, data});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Decoding result\r\n- Ascent: 1\r\n");
    EXPECT_EQ(test::readText(dir.file("x_ramses.csv")),
              "[ASCENT]\r\n(DW)\r\n" + kValues + "2,5,6\r\n");

    std::remove(dir.file("x_ramses.csv").c_str());
    run = test::run({program, "--library",
                     test::binDir() + "/XELOLibrary_2_0" + std::string(kLibrarySuffix), data});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The loaded library has no decoder for \"ramses.\" files\r\n");
    EXPECT_FALSE(test::exists(dir.file("x_ramses.csv")));
}

} // namespace
} // namespace xelo
