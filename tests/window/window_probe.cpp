// Drives XELODecoder's window from another process, for the window tests:
//   window_probe drop TITLE FILE...   drops the files on the window
//   window_probe message TITLE        prints a message dialog's text, presses OK
//   window_probe close TITLE          asks the window to close
// A drop handle belongs to the process that made it, so the drop block is
// written into the window's own process and its address posted.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMessageTextId = 0xFFFF; // the text of a message dialog
constexpr int kAttempts = 1200;        // 120 s in steps of 100 ms

HWND waitForWindow(const char* windowClass, const char* title) {
    for (int i = 0; i < kAttempts; ++i) {
        if (HWND window = FindWindowA(windowClass, title)) return window;
        Sleep(100);
    }
    std::fprintf(stderr, "no window \"%s\"\n", title);
    return nullptr;
}

int drop(HWND window, const std::vector<std::string>& files) {
    std::vector<char> block(sizeof(DROPFILES), '\0');
    auto* header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    for (const std::string& file : files)
        block.insert(block.end(), file.c_str(), file.c_str() + file.size() + 1);
    block.push_back('\0');

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, processId);
    if (!process) return 2;
    void* remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    const bool ok = remote &&
                    WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
                    written == block.size() &&
                    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    CloseHandle(process);
    return ok ? 0 : 2;
}

int message(HWND dialog) {
    char text[4096] = {};
    GetDlgItemTextA(dialog, kMessageTextId, text, sizeof text);
    std::fwrite(text, 1, std::strlen(text), stdout);
    std::fflush(stdout);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_probe drop|message|close TITLE [FILE...]\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "message") {
        HWND dialog = waitForWindow("#32770", argv[2]);
        return dialog ? message(dialog) : 1;
    }
    HWND window = waitForWindow(nullptr, argv[2]);
    if (!window) return 1;
    if (command == "drop") return drop(window, std::vector<std::string>(argv + 3, argv + argc));
    if (command == "close") return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 2;
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
