// XELODecoder on Windows: the main window drawn with the Windows API only.
// It only draws and forwards events to MainWindow.
#include "Decoder/main_window.h"
#include "Decoder/system_window_platform.h"
#include "Decoder/window_layout.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

using namespace xelo;
namespace layout = xelo::window;

// Not IDOK: the dialog keys send IDOK on Enter, which must not press the button.
constexpr int kButtonId = 100;
constexpr UINT_PTR kTimerId = 1;
// Posted on activation, so that FormActivate runs outside the activation
// message itself.
constexpr UINT kActivated = WM_APP + 1;
constexpr char kClassName[] = "XELODecoderMainWindow";

COLORREF colourRef(layout::Rgb c) {
    return RGB(layout::red(c), layout::green(c), layout::blue(c));
}

class Win32Platform;
Win32Platform* gPlatform = nullptr;
MainWindow* gLogic = nullptr;

// The files of a drop, from the system's drop handle.
class HdropFiles final : public DroppedFiles {
  public:
    explicit HdropFiles(HDROP drop) : drop_(drop) {}
    ~HdropFiles() override { release(); }
    unsigned count() override { return drop_ ? DragQueryFileA(drop_, 0xFFFFFFFF, nullptr, 0) : 0; }
    std::string name(unsigned index) override {
        if (!drop_) return {};
        const UINT length = DragQueryFileA(drop_, index, nullptr, 0);
        std::string text(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop_, index, text.data(), length + 1);
        text.resize(copied);
        return text;
    }
    void release() override {
        if (drop_) DragFinish(drop_);
        drop_ = nullptr;
    }

  private:
    HDROP drop_;
};

class Win32Platform final : public SystemWindowPlatform {
  public:
    HWND window = nullptr;
    HWND button = nullptr;
    HWND hint = nullptr;
    HWND build = nullptr;
    HFONT font = nullptr;
    bool buttonHot = false;

    void showMessage(MessageKind kind, std::string_view text) override {
        const bool error = kind == MessageKind::Error;
        const std::string title(error ? layout::kErrorTitle : layout::kInformationTitle);
        MessageBoxA(window, std::string(text).c_str(), title.c_str(),
                    MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
    }

    std::optional<std::string> chooseFile(const std::string& initialFolder,
                                          std::string_view filterText,
                                          std::string_view pattern) override {
        std::string filter = std::string(filterText) + '\0' + std::string(pattern) + '\0';
        filter += '\0';
        std::vector<char> name(32768, '\0');
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = static_cast<DWORD>(name.size());
        dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
        if (!GetOpenFileNameA(&dialog)) return {};
        return std::string(name.data());
    }

    void enableControl(WindowControl control) override {
        EnableWindow(control == WindowControl::DecodeButton ? button : hint, TRUE);
    }
    void setCaption(std::string_view text) override {
        SetWindowTextA(window, std::string(text).c_str());
    }
    void setBuildLabel(std::string_view text) override {
        SetWindowTextA(build, std::string(text).c_str());
    }
    void acceptDrops() override { DragAcceptFiles(window, TRUE); }
    void close() override { DestroyWindow(window); }
};

HWND makeControl(HWND parent, const char* kind, const char* text, DWORD style, const layout::Box& b,
                 int id) {
    HWND control = CreateWindowExA(
        0, kind, text, WS_CHILD | WS_VISIBLE | style, b.left, b.top, b.width, b.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(gPlatform->font), FALSE);
    return control;
}

// The flat Decode button: gradient face, border, image above the caption.
void drawButton(const DRAWITEMSTRUCT& item) {
    const RECT r = item.rcItem;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const bool enabled = !(item.itemState & ODS_DISABLED);
    const layout::ButtonLook& look = !enabled                          ? layout::kButtonDisabled
                                     : (item.itemState & ODS_SELECTED) ? layout::kButtonPressed
                                     : gPlatform->buttonHot            ? layout::kButtonHot
                                                                       : layout::kButtonNormal;
    HDC dc = item.hDC;
    for (int row = 0; row < height; ++row) {
        HBRUSH brush = CreateSolidBrush(colourRef(layout::gradient(look, row, height)));
        const RECT line{r.left, r.top + row, r.right, r.top + row + 1};
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
    HBRUSH border = CreateSolidBrush(colourRef(look.border));
    FrameRect(dc, &r, border);
    DeleteObject(border);

    const layout::ButtonImage image = layout::buttonImage(look, height, !enabled);
    std::vector<DWORD> pixels(image.begin(), image.end()); // 0x00RRGGBB is BGRA in memory
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = layout::kImageSize;
    info.bmiHeader.biHeight = -layout::kImageSize; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, r.left + (width - layout::kImageSize) / 2,
                      r.top + layout::kButtonImageTop, layout::kImageSize, layout::kImageSize, 0, 0,
                      0, layout::kImageSize, pixels.data(), &info, DIB_RGB_COLORS);

    char caption[32] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    RECT text{r.left, r.top + layout::kButtonCaptionTop, r.right,
              r.top + layout::kButtonCaptionTop + layout::kButtonCaptionHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(look.text));
    HGDIOBJ oldFont = SelectObject(dc, gPlatform->font);
    DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS) {
        RECT focus{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
        DrawFocusRect(dc, &focus);
    }
}

WNDPROC gButtonProc = nullptr;

// Tracks the pointer over the button for its warm face.
LRESULT CALLBACK buttonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && !gPlatform->buttonHot) {
        gPlatform->buttonHot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
        InvalidateRect(button, nullptr, FALSE);
    } else if (message == WM_MOUSELEAVE) {
        gPlatform->buttonHot = false;
        InvalidateRect(button, nullptr, FALSE);
    }
    return CallWindowProcA(gButtonProc, button, message, wParam, lParam);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {layout::kWidth, layout::kHeight};
        limits->ptMaxTrackSize = {layout::kWidth, layout::kHeight};
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(window, kActivated, 0, 0);
        break;
    case kActivated:
        if (gLogic) gLogic->FormActivate();
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId && gLogic) gLogic->Timer1Timer();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED && gLogic)
            gLogic->cxButton1Click();
        return 0;
    case WM_DROPFILES: {
        HdropFiles drop(reinterpret_cast<HDROP>(wParam));
        if (gLogic) gLogic->WMDropFiles(drop);
        return 0;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == kButtonId) {
            drawButton(*item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(reinterpret_cast<HWND>(lParam)))
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<std::string> commandLine() {
    // The C runtime's arguments: the program's path, then the parameters.
    std::vector<std::string> parameters;
    for (int i = 0; i < __argc; ++i)
        parameters.emplace_back(__argv[i]);
    if (parameters.empty()) parameters.emplace_back();
    parameters[0] = executablePath();
    return parameters;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    Win32Platform platform;
    gPlatform = &platform;
    platform.font =
        CreateFontA(-layout::kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_SWISS, std::string(layout::kFontName).c_str());

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - layout::kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - layout::kHeight) / 2;
    platform.window =
        CreateWindowExA(0, kClassName, std::string(layout::kDesignCaption).c_str(), style, left,
                        top, layout::kWidth, layout::kHeight, nullptr, nullptr, instance, nullptr);
    if (!platform.window) return 1;
    platform.button =
        makeControl(platform.window, "BUTTON", "Decode", BS_OWNERDRAW | WS_TABSTOP | WS_DISABLED,
                    layout::kDecodeButton, kButtonId);
    gButtonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(platform.button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonProc)));
    platform.hint =
        makeControl(platform.window, "STATIC", "Drag and drop the *.hex data file here...",
                    SS_LEFT | SS_NOPREFIX | WS_DISABLED, layout::kDropHint, 0);
    platform.build = makeControl(platform.window, "STATIC", "(Build yyyy-mm-dd)",
                                 SS_LEFT | SS_NOPREFIX, layout::kBuildLabel, 0);
    SetTimer(platform.window, kTimerId, layout::kTimerMilliseconds, nullptr);

    MainWindow logic(platform, programState(), commandLine());
    logic.FormCreate();
    logic.FormShow();
    gLogic = &logic;
    ShowWindow(platform.window, showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
    UpdateWindow(platform.window);
    SetForegroundWindow(platform.window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(platform.window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    gLogic = nullptr;
    DeleteObject(platform.font);
    return 0;
}
