// The operating system's files and library loading behind an interface of
// the program's own (LibraryHost or a platform built on it).
#pragma once

#include "Decoder/platform_files.h"

#include <string>
#include <vector>

namespace xelo {

template <class Interface> class SystemServices : public Interface {
  public:
    std::vector<std::string> listFiles(const std::string& folder,
                                       const std::string& mask) override {
        // Masks are "*" and a suffix.
        return listFilesWithSuffix(folder,
                                   mask.size() > 1 && mask[0] == '*' ? mask.substr(1) : mask);
    }
    bool fileExists(const std::string& path) override { return xelo::fileExists(path); }
    void* loadLibrary(const std::string& path) override { return loadDynamicLibrary(path); }
    void* findName(void* library, const char* name) override {
        return findLibrarySymbol(library, name);
    }
};

} // namespace xelo
