// What the main window's logic needs from a window system: the files and the
// library loading of LibraryHost, the program's own file, dialogs, the
// window's controls and its closing. Each backend only draws and forwards
// events; the logic (MainWindow) is the same everywhere.
#pragma once

#include "Decoder/library_binding.h"
#include "Decoder/platform_files.h"
#include "Decoder/program_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace xelo {

// The files of one drop, as the system hands them over.
class DroppedFiles {
  public:
    virtual ~DroppedFiles() = default;
    virtual unsigned count() = 0;
    // The whole name of file `index`, however long.
    virtual std::string name(unsigned index) = 0;
    // Gives the drop back to the system; nothing is read afterwards.
    virtual void release() = 0;
};

enum class WindowControl { DecodeButton, DropHint };

class WindowPlatform : public LibraryHost {
  public:
    // The program's own path and the local date of its file.
    virtual std::string programPath() = 0;
    virtual std::optional<FileDate> programFileDate() = 0;

    // A modal dialog with one OK button, of error or information type.
    virtual void showMessage(MessageKind kind, std::string_view text) = 0;
    // The modal open dialog with one filter entry; the chosen file's full
    // name, or empty when the user cancels.
    virtual std::optional<std::string> chooseFile(const std::string& initialFolder,
                                                  std::string_view filterText,
                                                  std::string_view pattern) = 0;

    virtual void enableControl(WindowControl control) = 0;
    virtual void setCaption(std::string_view text) = 0;
    virtual void setBuildLabel(std::string_view text) = 0;
    // Registers the window as a drop target for files.
    virtual void acceptDrops() = 0;
    // Closes the main window, which ends the program.
    virtual void close() = 0;
};

} // namespace xelo
