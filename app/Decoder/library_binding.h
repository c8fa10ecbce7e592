// Discovery and binding of the decoding library, shared by every front:
// the current directory's plain library file, else the versioned file with
// the highest major and minor numbers, loaded by the name it was found under.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace xelo {

#if defined(_WIN32)
inline constexpr std::string_view kLibrarySuffix = ".dll";
#else
inline constexpr std::string_view kLibrarySuffix = ".so";
#endif
inline constexpr std::string_view kLibraryStem = "XELOLibrary";

// The bound entries, in binding order.
enum BoundEntry : int {
    kVersionEntry,
    kSBE41Entry,
    kDOEntry,
    kOCREntry,
    kECOEntry,
    kECOv2Entry,
    kCROVEREntry,
    kSBEPHEntry,
    kSUNAEntry,
    kUVP6LpmEntry,
    kUVP6BlkEntry,
    kExtTrigEntry,
    kRAMSESEntry,
    kEntryCount,
};

inline constexpr std::array<const char*, kEntryCount> kEntryNames = {
    "_vFDecoderVersion",          "_iRERUDODDecodeDataSBE41",   "_iRERUDODDecodeDataDO",
    "_iRERUDODDecodeDataOCR",     "_iRERUDODDecodeDataECO",     "_iRERUDODDecodeDataECOv2",
    "_iRERUDODDecodeDataCROVER",  "_iRERUDODDecodeDataSBEPH",   "_iRERUDODDecodeDataSUNA",
    "_iRERUDODDecodeDataUVP6Lpm", "_iRERUDODDecodeDataUVP6Blk", "_iRERUDODDecodeDataExtTrig",
    "_iRERUDODDecodeDataRAMSES",
};

struct LibraryVersion {
    int major = 0;
    int minor = 0;
};

// "XELOLibrary_%d_%d" read from the first "XELOLibrary" in `name`. Empty when
// the name has no "XELOLibrary" or not even the first number can be read; a
// missing or unreadable minor number counts as 0.
std::optional<LibraryVersion> parseLibraryVersion(std::string_view name);

// The listed file (of `listed`, in list order) whose version wins: a higher
// major wins, an equal major only with a strictly higher minor, a tie keeps
// the earlier file. Empty when none beats 0.0.
std::optional<std::string> newestVersionedLibrary(std::span<const std::string> listed);

struct BoundLibrary {
    void* handle = nullptr;
    std::array<void*, kEntryCount> entries{};
    bool loaded() const { return handle != nullptr; }
};

// Outcome of discovery and loading in one folder.
struct BindingResult {
    BoundLibrary library;
    std::string error; // the message to show, empty on success
    bool found = false; // a library file was chosen (loaded or not)
};

// Chooses the library in `folder` ("" for the current directory) and binds it.
BindingResult bindLibraryInFolder(const std::string& folder);
// Loads exactly this file and binds it.
BindingResult bindLibraryFile(const std::string& path);

// "Library \"XELOLibrary.so\" not found" and "Fail to load library \"...\"".
std::string libraryNotFoundMessage();
std::string libraryLoadFailedMessage(std::string_view fileName);

} // namespace xelo
