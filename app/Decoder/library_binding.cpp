#include "Decoder/library_binding.h"

#include "Decoder/platform_files.h"
#include "Decoder/system_services.h"

#include <cstdint>
#include <limits>

namespace xelo {
namespace {

// A "%d" conversion: optional sign and decimal digits, in int range.
std::optional<int> readDecimal(std::string_view text, std::size_t& pos) {
    std::size_t p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    const std::size_t digitsStart = p;
    std::int64_t value = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        value = value * 10 + (text[p++] - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1) return {};
    }
    if (p == digitsStart) return {};
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return {};
    pos = p;
    return static_cast<int>(value);
}

} // namespace

std::optional<LibraryVersion> parseLibraryVersion(std::string_view name) {
    const auto at = name.find(kLibraryStem);
    if (at == std::string_view::npos) return {};
    std::size_t pos = at + kLibraryStem.size();
    if (pos >= name.size() || name[pos] != '_') return {};
    ++pos;
    const auto major = readDecimal(name, pos);
    if (!major) return {};
    LibraryVersion version{*major, 0};
    if (pos < name.size() && name[pos] == '_') {
        ++pos;
        if (const auto minor = readDecimal(name, pos)) version.minor = *minor;
    }
    return version;
}

std::optional<std::string> newestVersionedLibrary(std::span<const std::string> listed) {
    LibraryVersion best;
    std::optional<std::string> winner;
    for (const std::string& name : listed) {
        const auto version = parseLibraryVersion(name);
        if (!version) continue;
        if (version->major > best.major ||
            (version->major == best.major && version->minor > best.minor)) {
            best = *version;
            winner = name;
        }
    }
    return winner;
}

std::string libraryNotFoundMessage() {
    return "Library \"" + plainLibraryName() + "\" not found";
}

std::string libraryLoadFailedMessage(std::string_view fileName) {
    return "Fail to load library \"" + std::string(fileName) + "\"";
}

std::string plainLibraryName() {
    return std::string(kLibraryStem) + std::string(kLibrarySuffix);
}
std::string libraryMask() {
    return "*" + std::string(kLibrarySuffix);
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : joinPath(folder, name);
}

std::optional<std::string> chooseLibraryFile(LibraryHost& host, const std::string& folder) {
    const auto newest = newestVersionedLibrary(host.listFiles(folder, libraryMask()));
    const std::string plain = plainLibraryName();
    if (host.fileExists(pathInFolder(folder, plain))) return plain;
    return newest;
}

void bindEntries(LibraryHost& host, BoundLibrary& library) {
    for (int i = 0; i < kEntryCount; ++i)
        library.entries[i] = host.findName(library.handle, kEntryNames[i]);
}

BindingResult bindLibraryFile(LibraryHost& host, const std::string& path) {
    BindingResult result;
    result.found = true;
    result.library.handle = host.loadLibrary(path);
    if (!result.library.handle) {
        result.error = libraryLoadFailedMessage(path);
        return result;
    }
    bindEntries(host, result.library);
    return result;
}

BindingResult bindLibraryInFolder(LibraryHost& host, const std::string& folder) {
    const auto chosen = chooseLibraryFile(host, folder);
    if (!chosen) return BindingResult{{}, libraryNotFoundMessage(), false};
    return bindLibraryFile(host, pathInFolder(folder, *chosen));
}

BindingResult bindLibraryFile(const std::string& path) {
    return bindLibraryFile(systemLibraryHost(), path);
}

BindingResult bindLibraryInFolder(const std::string& folder) {
    return bindLibraryInFolder(systemLibraryHost(), folder);
}

LibraryHost& systemLibraryHost() {
    static SystemServices<LibraryHost> host;
    return host;
}

} // namespace xelo
