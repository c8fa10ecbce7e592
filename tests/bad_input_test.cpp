// Names and files as they arrive from the field: renamed by hand, cut short,
// too long, in odd character sets. Each gets a clear answer through
// xelo-decode, and the data file is never touched.
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

// One descent record, FormatCode 2.
const std::vector<std::uint8_t> kOneRecord =
    Bytes(2).tag("[DESCENT](AM)").u32(1589529600).u16(10).u16(6002).u16(17345).u16(34567).vec();

std::string cli() {
    return test::binDir() + "/xelo-decode";
}

// A path of exactly `length` characters ending in `suffix`, inside `root`:
// nested folders of 200 characters, then a file name padded to the length,
// so that no single name exceeds the file system's limit.
std::string pathOfLength(const std::string& root, std::size_t length, const std::string& suffix) {
    std::string path = root;
    while (length - path.size() > 250) {
        path += "/" + std::string(200, 'd');
        mkdir(path.c_str(), 0755);
    }
    return path + "/" + std::string(length - path.size() - 1 - suffix.size(), 'f') + suffix;
}

TEST(BadInput, LongNames) {
    TempDir dir;
    const std::string fits = pathOfLength(dir.path(), 1023, "_sbe41.hex");
    ASSERT_EQ(fits.size(), 1023u);
    writeFile(fits, kOneRecord);
    const auto ok = run({cli(), fits});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_TRUE(test::exists(fits.substr(0, fits.size() - 3) + "csv"));

    for (std::size_t length : {1024u, 4096u}) {
        const std::string name = pathOfLength(dir.path(), length, "_sbe41.hex");
        ASSERT_EQ(name.size(), length);
        const auto r = run({cli(), name});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "The file name is too long (1024 characters or more)\r\n");
    }
}

TEST(BadInput, FoldersEmptyFilesAndNamesOfEveryKind) {
    TempDir dir;
    mkdir(dir.file("folder_sbe41.hex").c_str(), 0755);
    writeFile(dir.file("empty_sbe41.hex"), {});
    writeFile(dir.file("données_été_sbe41.hex"), kOneRecord);
    writeFile(dir.file("x.hex_sbe41.csv"), kOneRecord);
    writeFile(dir.file("nothing_here.hex"), kOneRecord);
    const struct {
        std::string name;
        int status;
        std::string out, err;
    } cases[] = {
        {"folder_sbe41.hex", 1, "", "File open error\r\n"},
        {"missing_sbe41.hex", 1, "", "File open error\r\n"},
        {"empty_sbe41.hex", 1, "", "The file is corrupted\r\n"},
        {"données_été_sbe41.hex", 0, "Decoding result\r\n- Descent: 1\r\n", ""},
        {"x.hex_sbe41.csv", 1, "",
         "The report of \"x.hex_sbe41.csv\" would overwrite the file itself\r\n"},
        {"nothing_here.hex", 1, "", "Unknown sensor type\r\n"},
        {"F_SBE41.hex", 1, "", "File open error\r\n"},
    };
    for (const auto& c : cases) {
        const auto r = run({cli(), c.name}, dir.path());
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.out, c.out) << c.name;
        EXPECT_EQ(r.err, c.err) << c.name;
    }
    EXPECT_TRUE(test::exists(dir.file("données_été_sbe41.csv")));
    EXPECT_EQ(readText(dir.file("x.hex_sbe41.csv")),
              std::string(kOneRecord.begin(), kOneRecord.end()));
}

TEST(BadInput, FilesAtTheReadLimit) {
    TempDir dir;
    for (std::size_t size : {262144u, 262145u}) {
        Bytes bytes;
        bytes.raw(kOneRecord).fill(262144 - kOneRecord.size(), 0x1A);
        if (size == 262145) bytes.u8(0x41); // past the limit: never seen
        ASSERT_EQ(bytes.vec().size(), size);
        const std::string name = dir.file("limit" + std::to_string(size) + "_sbe41.hex");
        writeFile(name, bytes.vec());
        const auto r = run({cli(), name});
        EXPECT_EQ(r.status, 0) << size;
        EXPECT_EQ(r.out, "Decoding result\r\n- Descent: 1\r\n") << size;
    }
}

TEST(BadInput, TheDataFileIsNeverTouched) {
    TempDir dir;
    const std::string data = dir.file("keep_sbe41.hex");
    writeFile(data, kOneRecord);
    struct stat before {};
    ASSERT_EQ(stat(data.c_str(), &before), 0);
    ASSERT_EQ(run({cli(), data}).status, 0);
    struct stat after {};
    ASSERT_EQ(stat(data.c_str(), &after), 0);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(before.st_size, after.st_size);
    EXPECT_EQ(readText(data), std::string(kOneRecord.begin(), kOneRecord.end()));
}

} // namespace
} // namespace xelo

namespace xelo {
namespace {

// A read-only data folder: the report cannot be created, which is an error,
// and nothing is left behind. Root writes anywhere, so as root the program
// runs as the unprivileged user "nobody".
TEST(BadInput, AReadOnlyFolderIsAClearError) {
    TempDir dir;
    const std::string data = dir.file("ro_sbe41.hex");
    writeFile(data, kOneRecord);
    ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
    std::vector<std::string> command = {cli(), data};
    if (geteuid() == 0) {
        command.insert(command.begin(),
                       {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
        auto asNobody = [](std::vector<std::string> args) {
            args.insert(args.begin(),
                        {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
            return run(args);
        };
        if (asNobody({cli(), "--version"}).status != 0 ||
            asNobody({"/usr/bin/test", "-r", data}).status != 0)
            GTEST_SKIP() << "nobody cannot run the build or read the temporary folder";
    }
    const auto r = run(command);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot write file \"" + dir.file("ro_sbe41.csv") + "\"\r\n");
    EXPECT_EQ(test::listDir(dir.path()), std::vector<std::string>{"ro_sbe41.hex"});
    EXPECT_EQ(readText(data), std::string(kOneRecord.begin(), kOneRecord.end()));
    chmod(dir.path().c_str(), 0755);
}

} // namespace
} // namespace xelo
