// Speed and memory of decoding: the largest SBE41 file the read buffer holds,
// decoded alone and decoded with its report written, and every bundled sample
// through the built library. Heap allocations are counted per iteration.
#include "Decoder/decode_driver.h"
#include "Decoder/library_binding.h"
#include "writers/branches.h"
#include "xelo_library.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <dlfcn.h>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

long heapAllocations(); // count_allocations.cpp

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void tag(Bytes& b, const char* text) {
    b.insert(b.end(), text, text + std::char_traits<char>::length(text));
}

// Every section one record short of full: profile sections in the longest
// mode, with FormatCode 1's extra resolution.
Bytes largestSbe41File() {
    Bytes b{1};
    std::uint32_t time = 1589522400;
    auto profile = [&](const char* phase, int records) {
        tag(b, phase);
        tag(b, "(AM)(SD)(MD)");
        put32(b, time);
        for (int i = 0; i < records; ++i) {
            put16(b, 10);
            put16(b, 1000 + static_cast<unsigned>(i % 20000));
            put16(b, 15000 + static_cast<unsigned>(i % 5000));
            put16(b, 34567);
            b.push_back(0x56);
            b.push_back(0xFE);
            b.push_back(0x03);
            put16(b, 1001 + static_cast<unsigned>(i % 20000));
            put16(b, 15001);
            put16(b, 34568);
            b.push_back(0x21);
        }
    };
    auto parkLike = [&](const char* phase, int records) {
        tag(b, phase);
        for (int i = 0; i < records; ++i) {
            put32(b, time + static_cast<std::uint32_t>(i) * 3600);
            put16(b, 11000);
            put16(b, 9000);
            put16(b, 34600);
            b.push_back(0x37);
        }
    };
    profile("[DESCENT]", 4499);
    parkLike("[PARK]", 499);
    profile("[DEEP_PROFILE]", 1499);
    parkLike("[SHORT_PARK]", 99);
    profile("[ASCENT]", 4499);
    parkLike("[SURFACE]", 299);
    return b;
}

std::string tempFolder() {
    char pattern[] = "/tmp/xelo-bench-XXXXXX";
    return mkdtemp(pattern) ? pattern : "/tmp";
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_DecodeLargestSbe41(benchmark::State& state) {
    const Bytes file = largestSbe41File();
    auto area = std::make_unique<std::uint8_t[]>(xelo::kDecodeBufferSize);
    for (auto _ : state) {
        const std::int32_t code = _iRERUDODDecodeDataSBE41(area.get(), file.data(),
                                                           static_cast<std::int32_t>(file.size()));
        if (code != 3) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(area.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_DecodeLargestSbe41)->Unit(benchmark::kMicrosecond);

void BM_DecodeAndWriteLargestSbe41(benchmark::State& state) {
    const std::string folder = tempFolder();
    const std::string path = folder + "/largest_sbe41.hex";
    const Bytes file = largestSbe41File();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    auto program = std::make_unique<xelo::ProgramState>();
    static int handle;
    program->library.handle = &handle;
    program->library.entries[xelo::kSBE41Entry] =
        reinterpret_cast<void*>(&_iRERUDODDecodeDataSBE41);
    long allocationsPerRun = 0;
    for (auto _ : state) {
        const long before = heapAllocations();
        const auto outcome = xelo::DecodeDataFile(*program, path.c_str(), 0);
        allocationsPerRun = heapAllocations() - before;
        if (!outcome.reportWritten) state.SkipWithError("report not written");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["allocations_per_file"] = static_cast<double>(allocationsPerRun);
    state.counters["records"] = 4499 * 2 + 1499 + 499 + 99 + 299;
    state.counters["peak_rss_KiB"] = static_cast<double>(peakResidentKiB());
    std::remove((folder + "/largest_sbe41.csv").c_str());
    std::remove(path.c_str());
    rmdir(folder.c_str());
}
BENCHMARK(BM_DecodeAndWriteLargestSbe41)->Unit(benchmark::kMillisecond);

// One benchmark per bundled sample whose sensor the built library decodes.
void registerSamples() {
    void* library = dlopen(XELO_BIN_DIR "/XELOLibrary_2_0.so", RTLD_NOW | RTLD_LOCAL);
    if (!library) return;
    const std::string folder = XELO_SOURCE_DIR "/samples";
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir))
        names.emplace_back(entry->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".hex") != 0) continue;
        for (const xelo::SensorBranch& branch : xelo::sensorBranches()) {
            if (name.find(branch.tag) == std::string::npos) continue;
            auto decode =
                reinterpret_cast<DecodeFunction>(dlsym(library, xelo::kEntryNames[branch.entry]));
            if (!decode) break;
            std::ifstream in(folder + "/" + name, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            const std::string bytes = text.str();
            benchmark::RegisterBenchmark(
                ("BM_DecodeSample/" + name).c_str(),
                [decode, bytes](benchmark::State& state) {
                    auto area = std::make_unique<std::uint8_t[]>(xelo::kDecodeBufferSize);
                    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
                    for (auto _ : state) {
                        benchmark::DoNotOptimize(
                            decode(area.get(), data, static_cast<std::int32_t>(bytes.size())));
                    }
                    state.SetBytesProcessed(
                        static_cast<std::int64_t>(state.iterations() * bytes.size()));
                })
                ->Unit(benchmark::kMicrosecond);
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    registerSamples();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
