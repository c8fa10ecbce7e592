// The few operating-system services the fronts need besides reading data and
// writing reports: listing a folder, testing for a file, loading a library.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace xelo {

// Names (not paths) of the regular files in `folder` ("" = current directory)
// that end in `suffix`, sorted by name.
std::vector<std::string> listFilesWithSuffix(const std::string& folder, const std::string& suffix);
bool fileExists(const std::string& path);
// The running program's own file, and its folder with the trailing separator.
std::string executablePath();
std::string executableFolder();

struct FileDate {
    int year;
    int month; // 1 to 12
    int day;   // 1 to 31
};
// The local date of the file's last modification.
std::optional<FileDate> fileModificationDate(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

// A bare name is loaded from the current directory, never searched for.
void* loadDynamicLibrary(const std::string& path);
void* findLibrarySymbol(void* handle, const char* name);

} // namespace xelo
