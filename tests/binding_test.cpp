// Finding the library: version parsing, the newest-version rule, and loading
// the file that won by its own name.
#include "Decoder/library_binding.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace xelo {
namespace {

TEST(LibraryVersionParsing, ReadsMajorAndMinorNumbers) {
    const struct {
        const char* name;
        bool found;
        int major, minor;
    } cases[] = {
        {"XELOLibrary_2_0.so", true, 2, 0},
        {"XELOLibrary_2_10.so", true, 2, 10},
        {"XELOLibrary_02_1.so", true, 2, 1},
        {"XELOLibrary_3.so", true, 3, 0},
        {"XELOLibrary_3_x.so", true, 3, 0},
        {"XELOLibrary_-1_5.so", true, -1, 5},
        {"old_XELOLibrary_4_2.so", true, 4, 2},
        {"XELOLibrary.so", false, 0, 0},
        {"XELOLibrary_x.so", false, 0, 0},
        {"xelolibrary_2_0.so", false, 0, 0},
        {"XELOLibrary_99999999999_1.so", false, 0, 0},
        {"XELOLibrary_2_99999999999.so", true, 2, 0},
        {"Other_2_0.so", false, 0, 0},
    };
    for (const auto& c : cases) {
        const auto version = parseLibraryVersion(c.name);
        ASSERT_EQ(version.has_value(), c.found) << c.name;
        if (!c.found) continue;
        EXPECT_EQ(version->major, c.major) << c.name;
        EXPECT_EQ(version->minor, c.minor) << c.name;
    }
}

TEST(NewestVersionedLibrary, ComparesNumbersNotText) {
    const struct {
        std::vector<std::string> listed;
        const char* winner; // null: none
    } cases[] = {
        {{"XELOLibrary_2_0.so", "XELOLibrary_2_10.so"}, "XELOLibrary_2_10.so"},
        {{"XELOLibrary_2_0.so", "XELOLibrary_2_10.so", "XELOLibrary_3_0.so"}, "XELOLibrary_3_0.so"},
        {{"XELOLibrary_2_9.so", "XELOLibrary_10_0.so"}, "XELOLibrary_10_0.so"},
        {{"XELOLibrary_0_0.so"}, nullptr},
        {{"XELOLibrary_-2_5.so", "XELOLibrary_x.so", "notes.so"}, nullptr},
        {{"XELOLibrary_02_1.so", "XELOLibrary_2_1.so"},
         "XELOLibrary_02_1.so"}, // tie: the earlier stays
        {{"XELOLibrary_3.so", "XELOLibrary_2_5.so"}, "XELOLibrary_3.so"},
        {{"XELOLibrary_0_1.so"}, "XELOLibrary_0_1.so"},
        {{}, nullptr},
    };
    for (const auto& c : cases) {
        const auto winner = newestVersionedLibrary(c.listed);
        if (!c.winner) {
            EXPECT_FALSE(winner.has_value()) << *winner;
        } else {
            ASSERT_TRUE(winner.has_value()) << c.winner;
            EXPECT_EQ(*winner, c.winner);
        }
    }
}

TEST(LibraryBinding, LoadsTheWinnerByItsOwnNameAndBindsWhatItExports) {
    test::TempDir dir;
    const std::string real = test::readText(test::binDir() + "/XELOLibrary_2_0.so");
    test::writeText(dir.file("XELOLibrary_2_0.so"), "not a library");
    test::writeText(dir.file("XELOLibrary_02_10.so"), real);
    const BindingResult result = bindLibraryInFolder(dir.path());
    ASSERT_TRUE(result.library.loaded()) << result.error;
    EXPECT_EQ(result.error, "");
    for (int entry = kVersionEntry; entry <= kSBE41Entry; ++entry)
        EXPECT_NE(result.library.entries[entry], nullptr) << kEntryNames[entry];
    EXPECT_EQ(result.library.entries[kRAMSESEntry], nullptr);
}

TEST(LibraryBinding, ReportsMissingAndBrokenLibraries) {
    test::TempDir dir;
    test::writeText(dir.file("XELOLibrary_0_0.so"), "not a library");
    const BindingResult none = bindLibraryInFolder(dir.path());
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.error, "Library \"XELOLibrary.so\" not found");

    test::writeText(dir.file("XELOLibrary_2_3.so"), "not a library");
    const BindingResult broken = bindLibraryInFolder(dir.path());
    EXPECT_TRUE(broken.found);
    EXPECT_FALSE(broken.library.loaded());
    EXPECT_EQ(broken.error, "Fail to load library \"" + dir.file("XELOLibrary_2_3.so") + "\"");
}

} // namespace
} // namespace xelo
