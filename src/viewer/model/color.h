#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessera::viewer {

// A colour as red, green and blue bytes. The engine never deals in platform colour values.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Color fromRgb(std::uint32_t rrggbb)
    {
        return Color{static_cast<std::uint8_t>((rrggbb >> 16) & 0xFF), static_cast<std::uint8_t>((rrggbb >> 8) & 0xFF),
                     static_cast<std::uint8_t>(rrggbb & 0xFF)};
    }
    constexpr std::uint32_t rgb() const { return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b; }
    friend constexpr bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color kBlack = Color::fromRgb(0x000000);
inline constexpr Color kWhite = Color::fromRgb(0xFFFFFF);
inline constexpr Color kSilver = Color::fromRgb(0xC0C0C0);
inline constexpr Color kBlue = Color::fromRgb(0x0000FF);
inline constexpr Color kRed = Color::fromRgb(0xFF0000);
inline constexpr Color kNavy = Color::fromRgb(0x000080);
inline constexpr Color kMaroon = Color::fromRgb(0x800000);
// What the desktop calls button face and button text on a classic palette; the viewer
// control replaces them with the real desktop colours.
inline constexpr Color kButtonFace = Color::fromRgb(0xC0C0C0);
inline constexpr Color kButtonText = Color::fromRgb(0x000000);
} // namespace colors

// An HTML colour value: one of the sixteen colour names (any case), or six hexadecimal digits
// with an optional "#". Anything else is no colour, and the attribute is then ignored.
std::optional<Color> parseHtmlColor(std::string_view text);

} // namespace tessera::viewer
