#include "Decoder/library_binding.h"

#include "Decoder/platform_files.h"

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
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return {};
    pos = p;
    return static_cast<int>(value);
}

std::string plainLibraryName() { return std::string(kLibraryStem) + std::string(kLibrarySuffix); }

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

BindingResult bindLibraryFile(const std::string& path) {
    BindingResult result;
    result.found = true;
    result.library.handle = loadDynamicLibrary(path);
    if (!result.library.handle) {
        result.error = libraryLoadFailedMessage(path);
        return result;
    }
    for (int i = 0; i < kEntryCount; ++i)
        result.library.entries[i] = findLibrarySymbol(result.library.handle, kEntryNames[i]);
    return result;
}

BindingResult bindLibraryInFolder(const std::string& folder) {
    const std::string plain = plainLibraryName();
    std::string chosen;
    if (fileExists(joinPath(folder, plain))) {
        chosen = plain;
    } else {
        const auto listed = listFilesWithSuffix(folder, std::string(kLibrarySuffix));
        const auto newest = newestVersionedLibrary(listed);
        if (!newest) return BindingResult{{}, libraryNotFoundMessage(), false};
        chosen = *newest;
    }
    BindingResult result = bindLibraryFile(joinPath(folder, chosen));
    if (!result.library.loaded()) result.error = libraryLoadFailedMessage(folder.empty() ? chosen : joinPath(folder, chosen));
    return result;
}

} // namespace xelo
