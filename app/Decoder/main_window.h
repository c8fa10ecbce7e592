// The main window's logic: library discovery and binding, caption and build
// label, the Decode button, dropped files, the command line and the
// automatic close. A backend creates the window, forwards its events to
// these handlers and does what they ask through the WindowPlatform.
#pragma once

#include "Decoder/program_state.h"
#include "Decoder/window_platform.h"

#include <string>
#include <vector>

namespace xelo {

class MainWindow final : public MessagePresenter {
  public:
    // `parameters` are the command line, the program itself first. The
    // driver's messages go to the platform's dialogs.
    MainWindow(WindowPlatform& platform, ProgramState& state, std::vector<std::string> parameters);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // While the window is created, before it is shown.
    void FormCreate();
    // Each time the window is shown.
    void FormShow();
    // Each time the window is activated.
    void FormActivate();
    // The Decode button.
    void cxButton1Click();
    // Files dropped on the window.
    void WMDropFiles(DroppedFiles& drop);
    // Every 150 ms.
    void Timer1Timer();

    void show(MessageKind kind, std::string_view text) override;

  private:
    void decode(const std::string& fileName, std::uint8_t interactive);
    std::string parameter(std::size_t index) const;

    WindowPlatform& platform_;
    ProgramState& state_;
    std::vector<std::string> parameters_;
    MessagePresenter* previousPresenter_;
};

// "(Build yyyy-mm-dd)"; the design-time text when the date is unknown.
std::string buildLabelText(const std::optional<FileDate>& date);
// The folder of a path, up to and including its last separator.
std::string folderOf(const std::string& path);

} // namespace xelo
