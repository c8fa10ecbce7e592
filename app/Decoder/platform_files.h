// The few operating-system services the fronts need besides reading data and
// writing reports: listing a folder, testing for a file, loading a library.
#pragma once

#include <string>
#include <vector>

namespace xelo {

// Names (not paths) of the regular files in `folder` ("" = current directory)
// that end in `suffix`, sorted by name.
std::vector<std::string> listFilesWithSuffix(const std::string& folder, const std::string& suffix);
bool fileExists(const std::string& path);
// The folder of the running program, with its trailing separator.
std::string executableFolder();
std::string joinPath(const std::string& folder, const std::string& name);

void* loadDynamicLibrary(const std::string& path);
void* findLibrarySymbol(void* handle, const char* name);

} // namespace xelo
