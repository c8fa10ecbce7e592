// Discovery and binding of the decoding library, shared by every front:
// the current directory's plain library file, else the versioned file with
// the highest major and minor numbers, loaded by the name it was found under.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The system services that discovery and binding use. The window's platform
// provides them, and systemLibraryHost() for the command-line front.
class LibraryHost {
  public:
    virtual ~LibraryHost() = default;
    // Names (not paths) of the files in `folder` ("" = current directory)
    // that match `mask` ("*.so"), in list order.
    virtual std::vector<std::string> listFiles(const std::string& folder,
                                               const std::string& mask) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Null when the library cannot be loaded.
    virtual void* loadLibrary(const std::string& path) = 0;
    // Null when the library has no such name.
    virtual void* findName(void* library, const char* name) = 0;
};

LibraryHost& systemLibraryHost();

// "XELOLibrary.so" and "*.so" (".dll" on Windows).
std::string plainLibraryName();
std::string libraryMask();
// A name in `folder`; "" keeps the bare name (current directory).
std::string pathInFolder(const std::string& folder, const std::string& name);

// The name of the library file to load from `folder`: the plain library
// whenever it exists, else the listed file with the newest version. Empty
// when there is neither.
std::optional<std::string> chooseLibraryFile(LibraryHost& host, const std::string& folder);

// Looks up every entry name in the loaded library; a missing name leaves its
// entry empty.
void bindEntries(LibraryHost& host, BoundLibrary& library);

// Outcome of discovery and loading in one folder.
struct BindingResult {
    BoundLibrary library;
    std::string error;  // the message to show, empty on success
    bool found = false; // a library file was chosen (loaded or not)
};

// Chooses the library in `folder` ("" for the current directory) and binds it.
BindingResult bindLibraryInFolder(LibraryHost& host, const std::string& folder);
BindingResult bindLibraryInFolder(const std::string& folder);
// Loads exactly this file and binds it.
BindingResult bindLibraryFile(LibraryHost& host, const std::string& path);
BindingResult bindLibraryFile(const std::string& path);

// "Library \"XELOLibrary.so\" not found" and "Fail to load library \"...\"".
std::string libraryNotFoundMessage();
std::string libraryLoadFailedMessage(std::string_view fileName);

} // namespace xelo
