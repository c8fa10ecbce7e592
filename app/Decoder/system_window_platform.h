// The parts of a WindowPlatform that every backend takes from the operating
// system alike: files, libraries, the program's own file.
#pragma once

#include "Decoder/platform_files.h"
#include "Decoder/system_services.h"
#include "Decoder/window_platform.h"

namespace xelo {

class SystemWindowPlatform : public SystemServices<WindowPlatform> {
  public:
    std::string programPath() override { return executablePath(); }
    std::optional<FileDate> programFileDate() override {
        return fileModificationDate(executablePath());
    }
};

} // namespace xelo
