#include "Decoder/main_window.h"

#include "Decoder/decode_driver.h"
#include "Decoder/window_layout.h"
#include "xelo_library.h"

#include <cstdio>
#include <utility>

namespace xelo {
namespace {

// Marks the program busy while a dialog or a decode runs: the window's
// events that arrive meanwhile start nothing.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
};

} // namespace

std::string buildLabelText(const std::optional<FileDate>& date) {
    if (!date) return std::string(window::kDesignBuildCaption);
    char text[48];
    std::snprintf(text, sizeof text, "(Build %04d-%02d-%02d)", date->year, date->month, date->day);
    return text;
}

std::string folderOf(const std::string& path) {
#if defined(_WIN32)
    const auto cut = path.find_last_of("\\/:");
#else
    const auto cut = path.find_last_of('/');
#endif
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

MainWindow::MainWindow(WindowPlatform& platform, ProgramState& state,
                       std::vector<std::string> parameters)
    : platform_(platform), state_(state), parameters_(std::move(parameters)),
      previousPresenter_(state.presenter) {
    state_.presenter = this;
}

MainWindow::~MainWindow() {
    state_.presenter = previousPresenter_;
}

void MainWindow::show(MessageKind kind, std::string_view text) {
    platform_.showMessage(kind, text);
}

std::string MainWindow::parameter(std::size_t index) const {
    return index < parameters_.size() ? parameters_[index] : std::string();
}

void MainWindow::FormCreate() {
    const auto chosen = chooseLibraryFile(platform_, "");
    if (!chosen) {
        state_.LibraryUnavailable = true;
        platform_.showMessage(MessageKind::Error, libraryNotFoundMessage());
        return;
    }
    // The file that was found, by its own name, from the current directory.
    void* handle = platform_.loadLibrary(*chosen);
    if (!handle) {
        state_.LibraryUnavailable = true;
        platform_.showMessage(MessageKind::Error, libraryLoadFailedMessage(*chosen));
        return;
    }
    state_.library.handle = handle;
    platform_.acceptDrops();
    platform_.enableControl(WindowControl::DecodeButton);
    platform_.enableControl(WindowControl::DropHint);
    bindEntries(platform_, state_.library);
}

void MainWindow::FormShow() {
    platform_.setBuildLabel(buildLabelText(platform_.programFileDate()));
    std::string caption(window::kTitle);
    const auto version = reinterpret_cast<VersionFunction>(state_.library.entries[kVersionEntry]);
    if (!state_.LibraryUnavailable && state_.library.loaded() && version) {
        char text[16] = {};
        version(text);
        text[sizeof text - 1] = '\0';
        caption += " (lib ";
        caption += text;
        caption += ")";
    }
    platform_.setCaption(caption);
}

void MainWindow::FormActivate() {
    // Activation comes again after every dialog; the command line is
    // handled at the first one only.
    if (state_.commandLineHandled || state_.busy) return;
    state_.commandLineHandled = true;
    const std::string fileName = parameter(1);
    const std::uint8_t interactive = parameter(2) == "0" ? 0 : 1;
    if (!fileName.empty()) decode(fileName, interactive);
    if (!interactive) state_.CloseCountdown = 3;
}

void MainWindow::cxButton1Click() {
    if (state_.busy) return;
    std::optional<std::string> chosen;
    {
        BusyScope busy(state_.busy);
        chosen = platform_.chooseFile(folderOf(platform_.programPath()), window::kOpenFilterText,
                                      window::kOpenFilterPattern);
    }
    if (chosen) decode(*chosen, 1);
}

void MainWindow::WMDropFiles(DroppedFiles& drop) {
    if (state_.busy) {
        // A drop while a dialog or a decode runs is given back unread.
        drop.release();
        return;
    }
    if (drop.count() != 1) {
        drop.release();
        BusyScope busy(state_.busy);
        platform_.showMessage(MessageKind::Error, "Please select only one file");
        return;
    }
    const std::string fileName = drop.name(0);
    drop.release();
    decode(fileName, 1);
}

void MainWindow::Timer1Timer() {
    // The countdown waits while a dialog or a decode runs.
    if (state_.busy || state_.CloseCountdown == 0) return;
    if (--state_.CloseCountdown == 0) platform_.close();
}

void MainWindow::decode(const std::string& fileName, std::uint8_t interactive) {
    if (state_.busy) return;
    BusyScope busy(state_.busy);
    DecodeDataFile(state_, fileName.c_str(), interactive);
}

} // namespace xelo
