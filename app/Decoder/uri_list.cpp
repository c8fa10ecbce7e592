#include "Decoder/uri_list.h"

namespace xelo {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%xx" becomes its byte; a '%' not followed by two hex digits stays.
std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The file name a line stands for.
std::string fileOfLine(std::string_view line) {
    constexpr std::string_view kScheme = "file:";
    if (line.substr(0, kScheme.size()) != kScheme) return std::string(line);
    std::string_view rest = line.substr(kScheme.size());
    if (rest.substr(0, 2) == "//") {
        // "file://host/path": only this machine's files are names here.
        const std::size_t slash = rest.find('/', 2);
        const std::string_view host =
            rest.substr(2, slash == std::string_view::npos ? rest.npos : slash - 2);
        if (slash == std::string_view::npos || (!host.empty() && host != "localhost"))
            return std::string(line);
        rest = rest.substr(slash);
    }
    return percentDecoded(rest);
}

} // namespace

std::vector<std::string> filesFromUriList(std::string_view text) {
    std::vector<std::string> files;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line[0] == '#') continue;
        files.push_back(fileOfLine(line));
    }
    return files;
}

} // namespace xelo
