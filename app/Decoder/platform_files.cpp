#include "Decoder/platform_files.h"

#include <algorithm>
#include <ctime>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace xelo {

#if defined(_WIN32)
static constexpr char kSeparator = '\\';
#else
static constexpr char kSeparator = '/';
#endif

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return std::string(".") + kSeparator + name;
    const char last = folder.back();
    if (last == '/' || last == kSeparator) return folder + name;
    return folder + kSeparator + name;
}

static bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

#if defined(_WIN32)

std::vector<std::string> listFilesWithSuffix(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(joinPath(folder, "*" + suffix).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            endsWith(entry.cFileName, suffix))
            names.emplace_back(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string executablePath() {
    char path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return {};
    return std::string(path, n);
}

std::string executableFolder() {
    const std::string path = executablePath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::optional<FileDate> fileModificationDate(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME time;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &time))
        return {};
    return FileDate{time.wYear, time.wMonth, time.wDay};
}

void* loadDynamicLibrary(const std::string& path) {
    // The full path, so that the system's search order never picks another
    // file of the same name; the library's own folder serves its imports.
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return nullptr;
    return reinterpret_cast<void*>(LoadLibraryExA(full, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

void* findLibrarySymbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

#else

std::vector<std::string> listFilesWithSuffix(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (endsWith(name, suffix) && fileExists(joinPath(folder, name))) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string executablePath() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof path) return {};
    return std::string(path, static_cast<size_t>(n));
}

std::string executableFolder() {
    const std::string path = executablePath();
    return path.substr(0, path.find_last_of('/') + 1);
}

std::optional<FileDate> fileModificationDate(const std::string& path) {
    struct stat info {};
    struct tm local {};
    if (stat(path.c_str(), &info) != 0 || !localtime_r(&info.st_mtime, &local)) return {};
    return FileDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void* loadDynamicLibrary(const std::string& path) {
    // A name with a slash is loaded from that path, never searched for.
    const std::string byPath = path.find('/') == std::string::npos ? "./" + path : path;
    return dlopen(byPath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* findLibrarySymbol(void* handle, const char* name) {
    return dlsym(handle, name);
}

#endif

} // namespace xelo
