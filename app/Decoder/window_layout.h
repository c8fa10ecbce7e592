// The main window as every backend draws it: size, controls, texts, the
// flat look of the Decode button and its image. Positions are in pixels from
// the top left corner of the window's client area.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace xelo::window {

struct Box {
    int left, top, width, height;
};

// Outer size, fixed; the client area is what the frame leaves of it.
inline constexpr int kWidth = 300;
inline constexpr int kHeight = 200;
inline constexpr std::string_view kTitle = "XELO Decoder";
inline constexpr std::string_view kDesignCaption = "XELO Decoder (vx.xx)";
inline constexpr std::string_view kFontName = "Tahoma";
inline constexpr int kFontHeight = 11; // pixels: 8 point at 96 dots per inch

inline constexpr Box kDecodeButton{80, 32, 129, 65};
inline constexpr std::string_view kDecodeCaption = "Decode";
inline constexpr Box kDropHint{48, 104, 198, 13};
inline constexpr std::string_view kDropHintCaption = "Drag and drop the *.hex data file here...";
inline constexpr Box kBuildLabel{184, 144, 93, 13};
inline constexpr std::string_view kDesignBuildCaption = "(Build yyyy-mm-dd)";

inline constexpr std::string_view kOpenFilterText = "XELO data files";
inline constexpr std::string_view kOpenFilterPattern = "*.hex";

inline constexpr int kTimerMilliseconds = 150;

// Titles of the message dialogs.
inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kInformationTitle = "Information";

using Rgb = std::uint32_t; // 0xRRGGBB
inline constexpr std::uint8_t red(Rgb c) {
    return static_cast<std::uint8_t>(c >> 16);
}
inline constexpr std::uint8_t green(Rgb c) {
    return static_cast<std::uint8_t>(c >> 8);
}
inline constexpr std::uint8_t blue(Rgb c) {
    return static_cast<std::uint8_t>(c);
}

// The flat button: a vertical gradient face with a one-pixel border, warm
// while the pointer is over it or it is pressed, grey when disabled.
struct ButtonLook {
    Rgb top, bottom, border, text;
};
inline constexpr ButtonLook kButtonNormal{0xFDFEFF, 0xC4D8F3, 0x7F9DB9, 0x000000};
inline constexpr ButtonLook kButtonHot{0xFFF5CC, 0xFFDB75, 0x000080, 0x000000};
inline constexpr ButtonLook kButtonPressed{0xFEBD6A, 0xFFD99B, 0x000080, 0x000000};
inline constexpr ButtonLook kButtonDisabled{0xF4F4F4, 0xE2E2E2, 0xB0B0B0, 0x8D8D8D};
inline constexpr Rgb kWindowFace = 0xECE9D8;

// The gradient's colour on row `row` of `rows`.
inline constexpr Rgb gradient(const ButtonLook& look, int row, int rows) {
    auto mix = [&](int shift) {
        const int a = (look.top >> shift) & 0xFF;
        const int b = (look.bottom >> shift) & 0xFF;
        const int value = rows > 1 ? a + (b - a) * row / (rows - 1) : a;
        return static_cast<Rgb>(value) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

// The button's image, 24 x 24: a data sheet with a curve, and an arrow
// from it into a table. '.' is transparent.
inline constexpr int kImageSize = 24;
inline constexpr std::array<std::string_view, kImageSize> kImageRows = {
    "........................", //
    "..kkkkkkkkkkk...........", //
    "..kwwwwwwwwwkk..........", //
    "..kwwwwwwwwwkwk.........", //
    "..kwwwwwwwwwkkkk........", //
    "..kwwwwwwwwwwwwk........", //
    "..kwbbwwwwwwwwwk........", //
    "..kwwwbwwwwwbwwk........", //
    "..kwwwwbwwwbwbwk........", //
    "..kwwwwwbwbwwwbk........", //
    "..kwwwwwwbwwwwwk........", //
    "..kwwwwwwwwwwwwk........", //
    "..kwwwwwwwwwwwwk........", //
    "..kwwwwwwwwgwwwk........", //
    "..kwwwwwwwwggwwk........", //
    "..kkkkkkkkkgggkk.kkkkkkk", //
    "...........gggg..kwtwtwk", //
    "...ggggggggggggg.ktwtwtk", //
    "...gggggggggggggggwtwtwk", //
    "...ggggggggggggg.ktwtwtk", //
    "...........gggg..kwtwtwk", //
    "...........ggg...ktwtwtk", //
    "...........gg....kkkkkkk", //
    "........................", //
};
inline constexpr bool imageRowsComplete() {
    for (std::string_view row : kImageRows)
        if (row.size() != kImageSize) return false;
    return true;
}
static_assert(imageRowsComplete());

// Where the image and the caption sit in the button.
inline constexpr int kButtonImageTop = 9;
inline constexpr int kButtonCaptionTop = 38;
inline constexpr int kButtonCaptionHeight = 16;

inline constexpr Rgb imageColour(char code) {
    switch (code) {
    case 'k':
        return 0x3C4A5C; // outline
    case 'w':
        return 0xFFFFFF; // paper
    case 'b':
        return 0x1F5FBF; // curve
    case 'g':
        return 0x2E9E3E; // arrow
    case 't':
        return 0xBBD3EE; // table cells
    default:
        return 0;
    }
}
inline constexpr bool imageOpaque(char code) {
    return code != '.';
}

// The image over the button's face, row by row, for a button `height`
// pixels high; grey for a disabled button.
using ButtonImage = std::array<Rgb, kImageSize * kImageSize>;
inline constexpr ButtonImage buttonImage(const ButtonLook& look, int height, bool grey) {
    ButtonImage pixels{};
    for (int y = 0; y < kImageSize; ++y) {
        const Rgb face = gradient(look, kButtonImageTop + y, height);
        for (int x = 0; x < kImageSize; ++x) {
            const char code = kImageRows[y][x];
            Rgb colour = imageOpaque(code) ? imageColour(code) : face;
            if (grey && imageOpaque(code)) {
                // Luminance, pulled towards the face.
                const int l = (red(colour) * 30 + green(colour) * 59 + blue(colour) * 11) / 100;
                const int g = (l + 2 * red(face)) / 3;
                colour = static_cast<Rgb>(g << 16 | g << 8 | g);
            }
            pixels[y * kImageSize + x] = colour;
        }
    }
    return pixels;
}

} // namespace xelo::window
