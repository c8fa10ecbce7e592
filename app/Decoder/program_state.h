// The program-wide state of the decoder application, in one place: the
// result area handed to every decoder, the read buffer, the bound library and
// where messages go. The driver takes it by reference; the program has one.
#pragma once

#include "Decoder/file_system.h"
#include "Decoder/library_binding.h"
#include "layouts/result_layout.h"
#include "writers/text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xelo {

enum class MessageKind : std::uint8_t { None, Error, Information };

// Shows a message to the user: a modal dialog with one OK button in the
// window, a line on the terminal in the command-line front.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual void show(MessageKind kind, std::string_view text) = 0;
};

inline constexpr std::size_t kReadBufferSize = 262144;
inline constexpr std::size_t kFileNameBufferSize = 1024;

struct ProgramState {
    // Reused for every file and never cleared: each decoder resets its counts.
    alignas(16) std::uint8_t DecodeBuffer[kDecodeBufferSize] = {};
    std::uint8_t ReadBuffer[kReadBufferSize] = {};
    BoundLibrary library;
    bool LibraryUnavailable = false;
    // Window timer ticks left before the window closes itself; 0: never.
    std::int32_t CloseCountdown = 0;
    // The command line has been handled (it is handled once per run).
    bool commandLineHandled = false;
    // A dialog or a decode is running; nothing else starts meanwhile.
    bool busy = false;
    // Where reports go; empty: beside their data files.
    std::string outputFolder;
    MessagePresenter* presenter = nullptr;
    FileSystem* fileSystem = &realFileSystem();
    // Scratch for report lines and their buffered output.
    LineBuilder line;
    char output[65536] = {};
};

ProgramState& programState();

} // namespace xelo
