#include "xelo_library.h"

#include <cstdio>

namespace {
constexpr int kMajorVersion = 2;
constexpr int kMinorVersion = 0;
} // namespace

extern "C" void XELO_CDECL _vFDecoderVersion(char* text) {
    if (text == nullptr) return;
    // "v%d.%02d" for 2.0 is 6 bytes with its terminator.
    std::snprintf(text, 16, "v%d.%02d", kMajorVersion, kMinorVersion);
}
