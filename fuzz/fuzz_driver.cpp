// Fuzz target for the whole driver: the input's first byte picks a sensor
// tag, the rest is the data file, written to a private folder and decoded by
// DecodeDataFile. Nothing may crash; a report appears exactly when the
// decoder's code is one the branch writes, and no temporary file remains.
#include "Decoder/decode_driver.h"
#include "decoder_catalog.h"
#include "framing/module_state.h"
#include "writers/branches.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

struct Setup {
    std::string folder;
    std::unique_ptr<xelo::ProgramState> state = std::make_unique<xelo::ProgramState>();
    Setup() {
        char pattern[] = "/tmp/xelo-fuzz-driver-XXXXXX";
        require(mkdtemp(pattern) != nullptr, "cannot make a folder");
        folder = pattern;
        static int handle;
        state->library.handle = &handle;
        for (const auto& info : xelo::fuzz::decoderCatalog())
            state->library.entries[info.entry] = reinterpret_cast<void*>(info.decode);
    }
};

int filesIn(const std::string& folder) {
    int n = 0;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir))
            n += e->d_name[0] != '.';
        closedir(dir);
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static Setup setup;
    if (size == 0 || size > 262145 + 1) return 0;
    const auto branches = xelo::sensorBranches();
    const xelo::SensorBranch& branch = branches[bytes[0] % branches.size()];
    const std::string data = setup.folder + "/F_" + std::string(branch.tag) + "hex";
    const std::string report = setup.folder + "/F_" + std::string(branch.tag) + "csv";
    std::ofstream(data, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes + 1), static_cast<std::streamsize>(size - 1));
    std::remove(report.c_str());

    // The code the decoder gives from the module state the driver will meet.
    const xelo::ModuleState start = xelo::processState();
    std::int32_t code = 0;
    bool decodable = false;
    if (auto decode =
            reinterpret_cast<DecodeFunction>(setup.state->library.entries[branch.entry])) {
        code = decode(setup.state->DecodeBuffer, bytes + 1,
                      static_cast<std::int32_t>(std::min<std::size_t>(size - 1, 262144)));
        decodable = true;
    }
    xelo::processState() = start;
    const auto outcome = xelo::DecodeDataFile(*setup.state, data.c_str(), 0);

    bool accepted = false;
    if (decodable && branch.report)
        for (const auto& a : branch.report->accepted)
            accepted = accepted || a.code == code;
    require(outcome.reportWritten == accepted,
            "a report without an accepted code, or none with one");
    require(access(report.c_str(), F_OK) == (accepted ? 0 : -1),
            "the report file disagrees with the outcome");
    require(outcome.kind == (accepted ? xelo::MessageKind::Information : xelo::MessageKind::Error),
            "the message kind disagrees with the outcome");
    std::remove(data.c_str());
    std::remove(report.c_str());
    require(filesIn(setup.folder) == 0, "a temporary file was left behind");
    return 0;
}
