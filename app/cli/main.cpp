// xelo-decode: the command-line front of the decoder. Decodes each data file
// given, writes its CSV report and prints what the window would show.
#include "Decoder/decode_driver.h"
#include "Decoder/platform_files.h"
#include "xelo_library.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kProgramVersion = "xelo-decode 2.0.0";

constexpr std::string_view kUsage =
    "Usage: xelo-decode [options] FILE...\r\n"
    "Decodes each XELO data file (*.hex) and writes its CSV report beside it.\r\n"
    "\r\n"
    "Options:\r\n"
    "  -o, --output-dir DIR  write the reports into DIR\r\n"
    "      --library FILE    use this decoding library instead of looking for one\r\n"
    "      --quiet           print nothing; the exit status tells the outcome\r\n"
    "      --version         print the program's and the library's version\r\n"
    "      --help            print this help\r\n"
    "\r\n"
    "Exit status: 0 when every file gave a report, 1 when any did not, 2 on a usage error.\r\n";

void printText(std::FILE* stream, std::string_view prefix, std::string_view text) {
    std::fwrite(prefix.data(), 1, prefix.size(), stream);
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputs("\r\n", stream);
}

class TerminalPresenter final : public xelo::MessagePresenter {
  public:
    std::string prefix;
    void show(xelo::MessageKind kind, std::string_view text) override {
        printText(kind == xelo::MessageKind::Error ? stderr : stdout, prefix, text);
    }
};

int usageError(std::string_view what) {
    printText(stderr, "xelo-decode: ", what);
    std::fputs("Try 'xelo-decode --help'.\r\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool quiet = false;
    bool showVersion = false;
    std::string libraryFile;
    std::string outputFolder;
    std::vector<std::string> files;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (arg == "--") {
            for (++i; i < argc; ++i)
                files.emplace_back(argv[i]);
        } else if (arg == "--help") {
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            return 0;
        } else if (arg == "--version") {
            showVersion = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (arg == "--library") {
            if (!value(libraryFile)) return usageError("--library needs a file");
        } else if (arg == "-o" || arg == "--output-dir") {
            if (!value(outputFolder) || outputFolder.empty())
                return usageError("-o needs a folder");
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty() && !showVersion) return usageError("no data file given");

    xelo::BindingResult binding;
    if (!libraryFile.empty()) {
        binding = xelo::bindLibraryFile(libraryFile);
    } else {
        binding = xelo::bindLibraryInFolder("");
        if (!binding.found) {
            const std::string ownFolder = xelo::executableFolder();
            if (!ownFolder.empty()) binding = xelo::bindLibraryInFolder(ownFolder);
        }
    }

    if (showVersion) {
        printText(stdout, "", kProgramVersion);
        if (binding.library.loaded() && binding.library.entries[xelo::kVersionEntry]) {
            char text[16] = {};
            reinterpret_cast<VersionFunction>(binding.library.entries[xelo::kVersionEntry])(text);
            text[15] = '\0';
            printText(stdout, "library ", text);
        }
    }
    if (!binding.library.loaded()) {
        if (!quiet) printText(stderr, "", binding.error);
        return 1;
    }
    if (files.empty()) return 0;

    xelo::ProgramState& state = xelo::programState();
    state.library = binding.library;
    state.outputFolder = outputFolder;
    TerminalPresenter presenter;
    state.presenter = &presenter;

    bool allWritten = true;
    for (const std::string& file : files) {
        presenter.prefix = files.size() > 1 ? file + ": " : std::string();
        const xelo::DecodeOutcome outcome =
            xelo::DecodeDataFile(state, file.c_str(), quiet ? 0 : 1);
        allWritten = allWritten && outcome.reportWritten;
    }
    return allWritten ? 0 : 1;
}
