// XELODecoder on Linux: the main window drawn with FLTK. It only draws and
// forwards events to MainWindow.
#include "Decoder/main_window.h"
#include "Decoder/system_window_platform.h"
#include "Decoder/uri_list.h"
#include "Decoder/window_layout.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace xelo;
namespace layout = xelo::window;

constexpr Fl_Font kFont = FL_FREE_FONT;

void setColour(layout::Rgb c) {
    fl_color(layout::red(c), layout::green(c), layout::blue(c));
}

Fl_Color flColour(layout::Rgb c) {
    return fl_rgb_color(layout::red(c), layout::green(c), layout::blue(c));
}

// The Decode button: flat gradient face, image above the caption.
class DecodeButton final : public Fl_Button {
  public:
    DecodeButton(const layout::Box& b, const char* caption)
        : Fl_Button(b.left, b.top, b.width, b.height, caption) {
        box(FL_NO_BOX);
        visible_focus(1);
    }

    int handle(int event) override {
        if (event == FL_ENTER || event == FL_LEAVE) {
            hot_ = event == FL_ENTER;
            redraw();
            if (event == FL_ENTER) Fl_Button::handle(event);
            return 1;
        }
        return Fl_Button::handle(event);
    }

  private:
    void draw() override {
        const bool enabled = active_r();
        const layout::ButtonLook& look = !enabled  ? layout::kButtonDisabled
                                         : value() ? layout::kButtonPressed
                                         : hot_    ? layout::kButtonHot
                                                   : layout::kButtonNormal;
        for (int row = 0; row < h(); ++row) {
            setColour(layout::gradient(look, row, h()));
            fl_xyline(x(), y() + row, x() + w() - 1);
        }
        setColour(look.border);
        fl_rect(x(), y(), w(), h());

        const layout::ButtonImage image = layout::buttonImage(look, h(), !enabled);
        std::vector<unsigned char> rgb;
        rgb.reserve(image.size() * 3);
        for (layout::Rgb p : image) {
            rgb.push_back(layout::red(p));
            rgb.push_back(layout::green(p));
            rgb.push_back(layout::blue(p));
        }
        fl_draw_image(rgb.data(), x() + (w() - layout::kImageSize) / 2,
                      y() + layout::kButtonImageTop, layout::kImageSize, layout::kImageSize, 3);

        setColour(look.text);
        fl_font(kFont, layout::kFontHeight);
        fl_draw(label(), x(), y() + layout::kButtonCaptionTop, w(), layout::kButtonCaptionHeight,
                FL_ALIGN_CENTER);
        if (Fl::focus() == this) draw_focus(FL_FLAT_BOX, x() + 2, y() + 2, w() - 4, h() - 4);
    }

    bool hot_ = false;
};

Fl_Box* makeLabel(const layout::Box& b, const char* caption) {
    auto* label = new Fl_Box(b.left, b.top, b.width, b.height, caption);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    label->labelfont(kFont);
    label->labelsize(layout::kFontHeight);
    return label;
}

// The files of a drop, from the URI list the file manager sent.
class UriDrop final : public DroppedFiles {
  public:
    explicit UriDrop(std::vector<std::string> files) : files_(std::move(files)) {}
    unsigned count() override { return static_cast<unsigned>(files_.size()); }
    std::string name(unsigned index) override {
        return index < files_.size() ? files_[index] : std::string();
    }
    void release() override { files_.clear(); }

  private:
    std::vector<std::string> files_;
};

class Frame;

class FltkPlatform final : public SystemWindowPlatform {
  public:
    Frame* frame = nullptr;
    void showMessage(MessageKind kind, std::string_view text) override;
    std::optional<std::string> chooseFile(const std::string& initialFolder,
                                          std::string_view filterText,
                                          std::string_view pattern) override;
    void enableControl(WindowControl control) override;
    void setCaption(std::string_view text) override;
    void setBuildLabel(std::string_view text) override;
    void acceptDrops() override;
    void close() override;
};

// The main window: forwards drops and activation.
class Frame final : public Fl_Double_Window {
  public:
    Frame() : Fl_Double_Window(layout::kWidth, layout::kHeight) {
        copy_label(std::string(layout::kDesignCaption).c_str());
        xclass("XELODecoder");
        color(flColour(layout::kWindowFace));
        button = new DecodeButton(layout::kDecodeButton, "Decode");
        button->deactivate();
        button->callback(
            [](Fl_Widget*, void* data) { static_cast<Frame*>(data)->logic->cxButton1Click(); },
            this);
        hint = makeLabel(layout::kDropHint, "Drag and drop the *.hex data file here...");
        hint->deactivate();
        build = makeLabel(layout::kBuildLabel, "(Build yyyy-mm-dd)");
        end();
        size_range(layout::kWidth, layout::kHeight, layout::kWidth, layout::kHeight);
        position((Fl::w() - layout::kWidth) / 2, (Fl::h() - layout::kHeight) / 2);
    }

    int handle(int event) override {
        switch (event) {
        case FL_FOCUS:
            logic->FormActivate();
            break;
        case FL_DND_ENTER:
        case FL_DND_DRAG:
        case FL_DND_LEAVE:
            return dropsAccepted ? 1 : Fl_Double_Window::handle(event);
        case FL_DND_RELEASE:
            if (!dropsAccepted) break;
            receivingDrop_ = true;
            return 1;
        case FL_PASTE:
            if (!receivingDrop_) break;
            receivingDrop_ = false;
            {
                std::string_view text(Fl::event_text(),
                                      static_cast<std::size_t>(Fl::event_length()));
                while (!text.empty() && text.back() == '\0')
                    text.remove_suffix(1);
                UriDrop drop(filesFromUriList(text));
                logic->WMDropFiles(drop);
            }
            return 1;
        default:
            break;
        }
        return Fl_Double_Window::handle(event);
    }

    MainWindow* logic = nullptr;
    DecodeButton* button = nullptr;
    Fl_Box* hint = nullptr;
    Fl_Box* build = nullptr;
    bool dropsAccepted = false;

  private:
    bool receivingDrop_ = false;
};

// A modal message with one OK button. Its text is also put on the dialog's
// window as the property _XELO_MESSAGE_TEXT, for tools that read dialogs
// without seeing them.
void FltkPlatform::showMessage(MessageKind kind, std::string_view text) {
    std::string shown;
    for (char c : text)
        if (c != '\r') shown += c;
    fl_font(kFont, layout::kFontHeight);
    int textWidth = 0;
    int textHeight = 0;
    fl_measure(shown.c_str(), textWidth, textHeight, 0);
    const int width = std::max(textWidth + 84, 220);
    const int height = std::max(textHeight, 32) + 70;
    const bool error = kind == MessageKind::Error;
    Fl_Window dialog(width, height);
    dialog.color(flColour(layout::kWindowFace));
    dialog.copy_label(std::string(error ? layout::kErrorTitle : layout::kInformationTitle).c_str());
    Fl_Box icon(14, 14, 32, 32, error ? "X" : "i");
    icon.box(FL_OVAL_BOX);
    icon.color(error ? fl_rgb_color(0xC8, 0x20, 0x20) : fl_rgb_color(0x20, 0x50, 0xC0));
    icon.labelcolor(FL_WHITE);
    icon.labelfont(FL_HELVETICA_BOLD);
    icon.labelsize(18);
    Fl_Box message(58, 14, textWidth + 10, std::max(textHeight, 32));
    message.copy_label(shown.c_str());
    message.labelfont(kFont);
    message.labelsize(layout::kFontHeight);
    message.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | (textHeight > 32 ? FL_ALIGN_TOP : 0));
    Fl_Return_Button ok(width / 2 - 40, height - 38, 80, 26, "OK");
    ok.labelfont(kFont);
    ok.labelsize(layout::kFontHeight);
    ok.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    dialog.end();
    dialog.set_modal();
    dialog.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
    dialog.show();
    Fl::flush();
    if (Window xid = fl_xid(&dialog)) {
        const Atom property = XInternAtom(fl_display, "_XELO_MESSAGE_TEXT", False);
        const Atom utf8 = XInternAtom(fl_display, "UTF8_STRING", False);
        XChangeProperty(fl_display, xid, property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size()));
        XFlush(fl_display);
    }
    while (dialog.shown())
        Fl::wait();
}

std::optional<std::string> FltkPlatform::chooseFile(const std::string& initialFolder,
                                                    std::string_view filterText,
                                                    std::string_view pattern) {
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
    const std::string filter = std::string(filterText) + "\t" + std::string(pattern);
    chooser.filter(filter.c_str());
    chooser.directory(initialFolder.c_str());
    if (chooser.show() != 0 || !chooser.filename()) return {};
    return std::string(chooser.filename());
}

void FltkPlatform::enableControl(WindowControl control) {
    if (control == WindowControl::DecodeButton) frame->button->activate();
    if (control == WindowControl::DropHint) frame->hint->activate();
}

void FltkPlatform::setCaption(std::string_view text) {
    frame->copy_label(std::string(text).c_str());
}

void FltkPlatform::setBuildLabel(std::string_view text) {
    frame->build->copy_label(std::string(text).c_str());
    frame->redraw();
}

void FltkPlatform::acceptDrops() {
    frame->dropsAccepted = true;
}

void FltkPlatform::close() {
    frame->hide();
}

void onTimer(void* data) {
    static_cast<MainWindow*>(data)->Timer1Timer();
    Fl::repeat_timeout(layout::kTimerMilliseconds / 1000.0, onTimer, data);
}

} // namespace

int main(int argc, char** argv) {
    Fl::set_font(kFont, std::string(layout::kFontName).c_str());
    Fl::visual(FL_RGB);
    FltkPlatform platform;
    Frame frame;
    platform.frame = &frame;
    MainWindow logic(platform, programState(), std::vector<std::string>(argv, argv + argc));
    frame.logic = &logic;

    logic.FormCreate();
    logic.FormShow();
    frame.show();
    Fl::add_timeout(
        0.0, [](void* data) { static_cast<MainWindow*>(data)->FormActivate(); }, &logic);
    Fl::add_timeout(layout::kTimerMilliseconds / 1000.0, onTimer, &logic);
    return Fl::run();
}
