// Fuzz target for finding the library by file name: the input is a list of
// names, one per line. The winner must be a listed name whose version beats
// 0.0 and every other listed version, and the earliest of its equals.
#include "Decoder/library_binding.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

bool beats(const xelo::LibraryVersion& a, const xelo::LibraryVersion& b) {
    return a.major > b.major || (a.major == b.major && a.minor > b.minor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string> names(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\n')
            names.emplace_back();
        else
            names.back() += static_cast<char>(bytes[i]);
    }
    for (const std::string& name : names) {
        const auto version = xelo::parseLibraryVersion(name);
        if (version)
            require(name.find("XELOLibrary_") != std::string::npos, "a version without the stem");
    }
    const auto winner = xelo::newestVersionedLibrary(names);
    if (!winner) {
        for (const std::string& name : names)
            if (const auto v = xelo::parseLibraryVersion(name))
                require(!beats(*v, {}), "a candidate was missed");
        return 0;
    }
    const auto best = xelo::parseLibraryVersion(*winner);
    require(best.has_value() && beats(*best, {}), "the winner does not beat 0.0");
    bool seenWinner = false;
    for (const std::string& name : names) {
        const auto v = xelo::parseLibraryVersion(name);
        if (name == *winner && !seenWinner) {
            seenWinner = true;
            continue;
        }
        if (!v) continue;
        require(!beats(*v, *best), "a listed version beats the winner");
        if (!seenWinner) require(beats(*best, *v), "an earlier equal lost to a later one");
    }
    require(seenWinner, "the winner is not a listed name");
    return 0;
}
