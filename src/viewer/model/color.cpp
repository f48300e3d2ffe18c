#include "viewer/model/color.h"

#include <array>
#include <string_view>

namespace tessera::viewer {

namespace {

struct NamedColor {
    std::string_view name;
    std::uint32_t rgb;
};

constexpr std::array<NamedColor, 16> kColorNames{{
    {"BLACK", 0x000000}, {"MAROON", 0x800000}, {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080}, {"PURPLE", 0x800080}, {"TEAL", 0x008080}, {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000}, {"LIME", 0x00FF00}, {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF}, {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF}, {"WHITE", 0xFFFFFF},
}};

// Colour names are ASCII, so the comparison is too, whatever the locale.
bool equalsIgnoringCase(std::string_view a, std::string_view upper)
{
    if (a.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i])
            return false;
    }
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<Color> parseHtmlColor(std::string_view text)
{
    for (const NamedColor& named : kColorNames) {
        if (equalsIgnoringCase(text, named.name))
            return Color::fromRgb(named.rgb);
    }
    // One "#", wherever it stands, is left out.
    std::size_t hash = text.find('#');
    std::size_t count = text.size() - (hash != std::string_view::npos ? 1 : 0);
    // Up to eight digits make a 32-bit number; only its low three bytes are a colour.
    if (count == 0 || count > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == hash)
            continue;
        int digit = hexDigit(text[i]);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return Color::fromRgb(value & 0xFFFFFF);
}

} // namespace tessera::viewer
