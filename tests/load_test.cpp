// Many files in one call: every report is written, memory stays flat from
// file to file, and (in the sanitizer build) nothing leaks.
#include "support/bytes_builder.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace xelo {
namespace {

TEST(Load, TenThousandFilesInOneCall) {
    // In memory: ten thousand reports flushed to a disk would only measure the disk.
    test::TempDir dir(test::exists("/dev/shm") ? "/dev/shm" : "/tmp");
    const std::vector<std::uint8_t> data = test::Bytes(2)
                                               .tag("[DESCENT](AM)")
                                               .u32(1589529600)
                                               .u16(10)
                                               .u16(6002)
                                               .u16(17345)
                                               .u16(34567)
                                               .vec();
    std::vector<std::string> few{test::binDir() + "/xelo-decode", "--quiet"};
    std::vector<std::string> many = few;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = dir.file("f" + std::to_string(100000 + i) + "_sbe41.hex");
        test::writeFile(name, data);
        if (i < 1000) few.push_back(name);
        many.push_back(name);
    }
    const auto small = test::run(few);
    ASSERT_EQ(small.status, 0) << small.err;
    const auto large = test::run(many);
    ASSERT_EQ(large.status, 0) << large.err; // a leak would fail the sanitizer build here
    EXPECT_EQ(test::listDir(dir.path()).size(), 20000u);
    EXPECT_EQ(test::readText(dir.file("f109999_sbe41.csv")),
              "[DESCENT]\r\n(AM)\r\n2020-05-15 08:00:10,500.20,12.3450,34.567\r\n");
#if !defined(__SANITIZE_ADDRESS__)
    // Nine thousand more files may cost their names (about 1.3 MiB), nothing per file decoded.
    std::printf("peak %ld KiB for 1000 files, %ld KiB for 10000\n", small.peakResidentKiB,
                large.peakResidentKiB);
    EXPECT_LT(large.peakResidentKiB - small.peakResidentKiB, 3072)
        << small.peakResidentKiB << " KiB for 1000 files, " << large.peakResidentKiB
        << " KiB for 10000";
#endif
}

} // namespace
} // namespace xelo
