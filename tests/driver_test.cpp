// The decode driver: file names, messages, the report's sections, mode lines
// and timestamps, and a report that is written whole or not at all.
#include "Decoder/calendar.h"
#include "framing/bytes.h"
#include "layouts/sbe41.h"
#include "support/bytes_builder.h"
#include "support/driver_fixture.h"
#include "writers/text.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace xelo {
namespace {

using test::Bytes;
using test::DriverTest;
using test::readText;
using test::writeFile;
using test::writeText;

const std::vector<std::uint8_t> kDescentAndPark =
    Bytes(1)
        .tag("[DESCENT](AM)")
        .raw({0x00, 0x4C, 0xBE, 0x5E, 0x0A, 0x00, 0x72, 0x17, 0xC1, 0x43, 0x07, 0x87, 0x56})
        .tag("[PARK]")
        .u32(1589529600)
        .raw({0x72, 0x17, 0xC1, 0x43, 0x07, 0x87, 0x00})
        .vec();

// FormatCode 2 fields: pressure, temperature and salinity raws.
std::vector<std::uint8_t> triple(std::uint16_t p, std::uint16_t t, std::uint16_t s) {
    return Bytes().u16(p).u16(t).u16(s).vec();
}
// FormatCode 2 profile record: step 1 and a triple.
std::vector<std::uint8_t> plain(std::uint16_t p = 1100, std::uint16_t t = 6000,
                                std::uint16_t s = 35000) {
    return Bytes().u16(1).raw(triple(p, t, s)).vec();
}

TEST_F(DriverTest, WritesTheReportAndTheSummary) {
    const auto outcome = decodeFile("F_sbe41.hex", kDescentAndPark);
    EXPECT_EQ(outcome.kind, MessageKind::Information);
    EXPECT_EQ(outcome.message, "Decoding result\r\n- Descent: 1\r\n- Park: 1");
    EXPECT_TRUE(outcome.reportWritten);
    EXPECT_EQ(readText(dir.file("F_sbe41.csv")),
              "[DESCENT]\r\n(AM)\r\n2020-05-15 08:00:10,500.25,12.3456,34.567\r\n"
              "[PARK]\r\n2020-05-15 08:00:00,500.20,12.3450,34.567\r\n");
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, outcome.message);
    EXPECT_EQ(test::listDir(dir.path()).size(), 2u); // no temporary file left
}

TEST_F(DriverTest, SilentRunsWriteTheSameReportWithoutMessages) {
    writeFile(dir.file("F_sbe41.hex"), kDescentAndPark);
    const auto outcome = decode(dir.file("F_sbe41.hex"), 0);
    EXPECT_TRUE(outcome.reportWritten);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_TRUE(test::exists(dir.file("F_sbe41.csv")));
    EXPECT_TRUE(decode(dir.file("nothing.txt"), 0).message == "Please select a *.hex file");
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(DriverTest, ModeLinesAnnounceEveryChangeOfKind) {
    const auto outcome = decodeFile("m_sbe41.hex", Bytes(2)
                                                       .tag("[DESCENT](AM)")
                                                       .u32(946684800)
                                                       .raw(plain())
                                                       .raw(plain())
                                                       .tag("(AM)(SD)")
                                                       .u32(946684800)
                                                       .raw(plain())
                                                       .raw({0xFF, 0x02})
                                                       .tag("(AM)")
                                                       .u32(946684800)
                                                       .raw(plain())
                                                       .tag("[ASCENT](SS)")
                                                       .u32(951782400)
                                                       .raw({0xE8, 0x03, 0x88, 0x13, 0x10, 0x27})
                                                       .raw({0xE8, 0x03, 0x88, 0x13, 0x10, 0x27})
                                                       .tag("(AM)")
                                                       .u32(951782400)
                                                       .raw(plain())
                                                       .vec());
    ASSERT_TRUE(outcome.reportWritten) << outcome.message;
    EXPECT_EQ(readText(dir.file("m_sbe41.csv")),
              "[DESCENT]\r\n(AM)\r\n"
              "2000-01-01 00:00:01,10.00,1.0000,35.000\r\n"
              "2000-01-01 00:00:02,10.00,1.0000,35.000\r\n"
              "(AM)(SD)\r\n"
              "2000-01-01 00:00:01,10.00,1.0000,35.000,-0.0010,0.0020\r\n"
              "(AM)\r\n"
              "2000-01-01 00:00:01,10.00,1.0000,35.000\r\n"
              "[ASCENT]\r\n(SS)\r\n"
              "2000-02-29 00:00:00,0.00,0.0000,10.000\r\n"
              "2000-02-29 00:00:00,0.00,0.0000,10.000\r\n"
              "(AM)\r\n"
              "2000-02-29 00:00:01,10.00,1.0000,35.000\r\n");
    EXPECT_EQ(outcome.message, "Decoding result\r\n- Descent: 4\r\n- Ascent: 3");
}

TEST_F(DriverTest, MedianLinesAndParkLikeSectionsUseTheirFormats) {
    const auto outcome = decodeFile("x_sbe41.hex", Bytes(2)
                                                       .tag("[DEEP_PROFILE](AM)(MD)")
                                                       .u32(0)
                                                       .raw(plain())
                                                       .raw(triple(1200, 7000, 100))
                                                       .tag("(AM)(SD)(MD)")
                                                       .u32(0)
                                                       .raw(plain())
                                                       .raw({5, 6})
                                                       .raw(triple(1200, 7000, 100))
                                                       .tag("[SHORT_PARK](DW)")
                                                       .u32(0)
                                                       .raw(triple(1000, 9000, 15000))
                                                       .vec());
    ASSERT_TRUE(outcome.reportWritten) << outcome.message;
    EXPECT_EQ(readText(dir.file("x_sbe41.csv")),
              "[DEEP_PROFILE]\r\n(AM)(MD)\r\n"
              "2106-02-07 06:28:17,10.00,1.0000,35.000,20.00,2.0000,0.100\r\n"
              "(AM)(SD)(MD)\r\n"
              "2106-02-07 06:28:17,10.00,1.0000,35.000,0.0050,0.0060,20.00,2.0000,0.100\r\n"
              "[SHORT_PARK]\r\n"
              "2106-02-07 06:28:16,0.00,4.0000,15.000\r\n");
}

TEST_F(DriverTest, NamesAreCheckedBeforeAnythingIsRead) {
    const struct {
        std::string name;
        std::string message;
    } cases[] = {
        {"F_sbe41.HEX", "Please select a *.hex file"},
        {"F_sbe41.txt", "Please select a *.hex file"},
        {"F_sbe41.hex_x.csv",
         "The report of \"" + dir.file("F_sbe41.hex_x.csv") + "\" would overwrite the file itself"},
        {"F_sbe41.hex_x.CSV",
         "The report of \"" + dir.file("F_sbe41.hex_x.CSV") + "\" would overwrite the file itself"},
    };
    for (const auto& c : cases) {
        writeFile(dir.file(c.name), kDescentAndPark);
        const auto outcome = decode(dir.file(c.name));
        EXPECT_EQ(outcome.kind, MessageKind::Error) << c.name;
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_EQ(readText(dir.file(c.name)),
                  std::string(kDescentAndPark.begin(), kDescentAndPark.end()));
    }
    EXPECT_EQ(files.opened, 0u);
}

TEST_F(DriverTest, FileNamesOfOneThousandTwentyFourCharactersAreRefused) {
    const std::string base = dir.path() + "/";
    const std::string fits = base + std::string(1023 - base.size() - 10, 'a') + "_sbe41.hex";
    ASSERT_EQ(fits.size(), 1023u);
    EXPECT_EQ(decode(fits).message, "File open error"); // accepted, but no such file
    const std::string tooLong = base + std::string(1024 - base.size() - 10, 'a') + "_sbe41.hex";
    EXPECT_EQ(decode(tooLong).message, "The file name is too long (1024 characters or more)");
    EXPECT_EQ(decode(tooLong + std::string(3000, 'b')).kind, MessageKind::Error);
    EXPECT_EQ(files.opened, 1u);
}

TEST_F(DriverTest, UnreadableInputsGiveFileOpenError) {
    EXPECT_EQ(decode(dir.file("missing_sbe41.hex")).message, "File open error");
    ASSERT_EQ(mkdir(dir.file("folder_sbe41.hex").c_str(), 0755), 0);
    EXPECT_EQ(decode(dir.file("folder_sbe41.hex")).message, "File open error");
    writeFile(dir.file("F_sbe41.hex"), kDescentAndPark);
    files.faults.failOpen = true;
    EXPECT_EQ(decode(dir.file("F_sbe41.hex")).message, "File open error");
    files.faults = {};
    files.faults.failRead = true; // the decoder gets -1 bytes and refuses them
    EXPECT_EQ(decode(dir.file("F_sbe41.hex")).message, "The file is corrupted");
    EXPECT_FALSE(test::exists(dir.file("F_sbe41.csv")));
}

TEST_F(DriverTest, TheSensorTagIsTakenFromTheFileNameOnly) {
    ASSERT_EQ(mkdir(dir.file("do.stuff").c_str(), 0755), 0);
    writeFile(dir.file("do.stuff/x_sbe41.hex"), kDescentAndPark);
    EXPECT_TRUE(decode(dir.file("do.stuff/x_sbe41.hex")).reportWritten);
    writeFile(dir.file("do.stuff/x_eco.hex"), kDescentAndPark);
    EXPECT_EQ(decode(dir.file("do.stuff/x_eco.hex")).message,
              "The loaded library has no decoder for \"eco.\" files");
    writeFile(dir.file("do.stuff/x.hex"), kDescentAndPark);
    EXPECT_EQ(decode(dir.file("do.stuff/x.hex")).message, "Unknown sensor type");
    writeFile(dir.file("x_ecov2.hex"), kDescentAndPark);
    EXPECT_EQ(decode(dir.file("x_ecov2.hex")).message,
              "The loaded library has no decoder for \"ecov2.\" files");
}

TEST_F(DriverTest, EmptyEntriesAreNeverCalled) {
    writeFile(dir.file("r_ramses.hex"), kDescentAndPark);
    EXPECT_EQ(decode(dir.file("r_ramses.hex")).message,
              "The loaded library has no decoder for \"ramses.\" files");
    state->library = {};
    writeFile(dir.file("F_sbe41.hex"), kDescentAndPark);
    EXPECT_EQ(decode(dir.file("F_sbe41.hex")).message, "No decoding library is loaded");
}

TEST_F(DriverTest, ReportNamesReplaceTheLastThreeCharacters) {
    EXPECT_TRUE(decodeFile("a.hex.bak_sbe41.hex", kDescentAndPark).reportWritten);
    EXPECT_TRUE(test::exists(dir.file("a.hex.bak_sbe41.csv")));
    EXPECT_TRUE(decodeFile("a_sbe41.hex.old", kDescentAndPark).reportWritten);
    EXPECT_TRUE(test::exists(dir.file("a_sbe41.hex.csv")));
    EXPECT_EQ(reportNameFor("/d/a_sbe41.hex", "/out"), "/out/a_sbe41.csv");
    EXPECT_EQ(reportNameFor("/d/a_sbe41.hex", "/out/"), "/out/a_sbe41.csv");
}

TEST_F(DriverTest, OutputFolderReceivesTheReport) {
    test::TempDir out;
    state->outputFolder = out.path();
    EXPECT_TRUE(decodeFile("F_sbe41.hex", kDescentAndPark).reportWritten);
    EXPECT_TRUE(test::exists(out.file("F_sbe41.csv")));
    EXPECT_FALSE(test::exists(dir.file("F_sbe41.csv")));
}

TEST_F(DriverTest, AnExistingReportIsReplaced) {
    writeText(dir.file("F_sbe41.csv"), "old report\r\n");
    EXPECT_TRUE(decodeFile("F_sbe41.hex", kDescentAndPark).reportWritten);
    EXPECT_EQ(readText(dir.file("F_sbe41.csv")).rfind("[DESCENT]", 0), 0u);
}

TEST_F(DriverTest, FailureCodesHaveTheirMessagesAndWriteNothing) {
    const std::vector<std::uint8_t> record = plain();
    const std::vector<std::uint8_t> park = Bytes().u32(1).u16(1100).u16(6000).u16(35000).vec();
    const struct {
        const char* what;
        Bytes data;
        const char* message;
    } cases[] = {
        {"descent", Bytes(2).tag("[DESCENT](RW)").u32(0).repeat(4500, record),
         "Too many data to decode (descent to parking)"},
        {"park", Bytes(2).tag("[PARK]").repeat(500, park),
         "Too many data to decode (parking drift)"},
        {"deep", Bytes(2).tag("[DEEP_PROFILE](RW)").u32(0).repeat(1500, record),
         "Too many data to decode (descent to profile depth)"},
        {"short park", Bytes(2).tag("[SHORT_PARK]").repeat(100, park),
         "Too many data to decode (short park drift)"},
        {"ascent", Bytes(2).tag("[ASCENT](RW)").u32(0).repeat(4500, record),
         "Too many data to decode (ascent)"},
        {"surface", Bytes(2).tag("[SURFACE]").repeat(300, park),
         "Too many data to decode (surface)"},
        {"framing", Bytes(2).tag("[PARK](AM)").raw(record), "The file is corrupted"},
        {"empty", Bytes(), "The file is corrupted"},
    };
    writeText(dir.file("F_sbe41.csv"), "yesterday's good report\r\n");
    for (const auto& c : cases) {
        const auto outcome = decodeFile("F_sbe41.hex", c.data.vec());
        EXPECT_EQ(outcome.kind, MessageKind::Error) << c.what;
        EXPECT_EQ(outcome.message, c.message) << c.what;
        EXPECT_FALSE(outcome.reportWritten) << c.what;
    }
    EXPECT_EQ(readText(dir.file("F_sbe41.csv")), "yesterday's good report\r\n");
    EXPECT_EQ(test::listDir(dir.path()).size(), 2u);
}

TEST_F(DriverTest, OnlyTheFirst262144BytesAreDecoded) {
    Bytes bytes(2);
    bytes.tag("[DESCENT](AM)").u32(0).raw(plain());
    bytes.fill(262144 - bytes.vec().size(), 0x1A).raw(plain()); // beyond the limit: a record
    ASSERT_EQ(bytes.vec().size(), 262152u);
    const auto outcome = decodeFile("big_sbe41.hex", bytes.vec());
    EXPECT_EQ(outcome.message, "Decoding result\r\n- Descent: 1");
}

TEST_F(DriverTest, AReportThatCannotBeWrittenIsAnErrorAndLeavesTheOldOne) {
    const std::string report = dir.file("F_sbe41.csv");
    const auto setups = {
        +[](test::Faults& f) { f.failCreate = true; },
        +[](test::Faults& f) { f.writeLimit = 20; },
        +[](test::Faults& f) { f.writeLimit = 0; },
        +[](test::Faults& f) { f.failCommit = true; },
    };
    for (auto setup : setups) {
        writeText(report, "yesterday's good report\r\n");
        files.faults = {};
        setup(files.faults);
        const auto outcome = decodeFile("F_sbe41.hex", kDescentAndPark);
        EXPECT_EQ(outcome.kind, MessageKind::Error);
        EXPECT_EQ(outcome.message, "Cannot write file \"" + report + "\"");
        EXPECT_FALSE(outcome.reportWritten);
        EXPECT_EQ(readText(report), "yesterday's good report\r\n");
        EXPECT_EQ(test::listDir(dir.path()).size(), 2u) << "a temporary file was left behind";
        EXPECT_EQ(readText(dir.file("F_sbe41.hex")),
                  std::string(kDescentAndPark.begin(), kDescentAndPark.end()));
    }
}

TEST_F(DriverTest, AFolderInPlaceOfTheReportIsAnError) {
    ASSERT_EQ(mkdir(dir.file("F_sbe41.csv").c_str(), 0755), 0);
    const auto outcome = decodeFile("F_sbe41.hex", kDescentAndPark);
    EXPECT_EQ(outcome.message, "Cannot write file \"" + dir.file("F_sbe41.csv") + "\"");
    EXPECT_EQ(test::listDir(dir.path()).size(), 2u);
}

std::int32_t emptySuccess(void* result, const std::uint8_t*, std::int32_t) {
    auto* area = static_cast<std::uint8_t*>(result);
    for (int phase = 0; phase < 6; ++phase)
        storeU16(area + kSBE41Layout.countOffset(phase), 0);
    return 3;
}

TEST_F(DriverTest, ASuccessWithoutSamplesLeavesAnEmptyReport) {
    state->library.entries[kSBE41Entry] = reinterpret_cast<void*>(&emptySuccess);
    const auto outcome = decodeFile("e_sbe41.hex", kDescentAndPark);
    EXPECT_EQ(outcome.kind, MessageKind::Information);
    EXPECT_EQ(outcome.message, "The file is empty !");
    EXPECT_TRUE(outcome.reportWritten);
    EXPECT_EQ(readText(dir.file("e_sbe41.csv")), "");
}

TEST(SecondsToCalendar, MatchesTheGregorianCalendar) {
    const struct {
        std::uint32_t time; // since 1970
        const char* text;
    } cases[] = {
        {946684800u, "2000-01-01 00:00:00,"},  {951782400u, "2000-02-29 00:00:00,"},
        {951868800u, "2000-03-01 00:00:00,"},  {978307199u, "2000-12-31 23:59:59,"},
        {1589529610u, "2020-05-15 08:00:10,"}, {1709164800u, "2024-02-29 00:00:00,"},
        {4107542400u, "2100-03-01 00:00:00,"}, {4107456000u, "2100-02-28 00:00:00,"},
        {0u, "2106-02-07 06:28:16,"},          {946684799u, "2136-02-07 06:28:15,"},
    };
    for (const auto& c : cases) {
        LineBuilder line;
        appendTimestamp(line, c.time);
        EXPECT_EQ(line.view(), c.text) << c.time;
    }
    // Every day boundary of the range agrees with the civil-from-days algorithm.
    for (std::uint32_t days = 0; days < 49710; days += 1) {
        CalendarRecord c{};
        SecondsToCalendar(&c, days * 86400u);
        const long z = static_cast<long>(days) + 10957 + 719468; // days since 0000-03-01
        const long era = z / 146097, doe = z - era * 146097;
        const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
        const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
        const long mp = (5 * doy + 2) / 153;
        const long day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
        const long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
        ASSERT_EQ(c.day, day) << days;
        ASSERT_EQ(c.month, month) << days;
        ASSERT_EQ(c.yearOffset + 2000, year) << days;
    }
}

} // namespace
} // namespace xelo
