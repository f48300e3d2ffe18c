#include "viewer/model/color.h"

#include <array>
#include <cctype>
#include <string>

namespace tessera::viewer {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t rgb;
};

constexpr std::array<NamedColor, 16> kColorNames{{
    {"BLACK", 0x000000}, {"MAROON", 0x800000}, {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080}, {"PURPLE", 0x800080}, {"TEAL", 0x008080}, {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000}, {"LIME", 0x00FF00}, {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF}, {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF}, {"WHITE", 0xFFFFFF},
}};

bool equalsIgnoringCase(std::string_view a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i])
            return false;
    }
    return i == a.size() && b[i] == 0;
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
    std::string digits(text);
    if (std::size_t hash = digits.find('#'); hash != std::string::npos)
        digits.erase(hash, 1);
    // Up to eight digits make a 32-bit number; only its low three bytes are a colour.
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return Color::fromRgb(value & 0xFFFFFF);
}

} // namespace tessera::viewer
