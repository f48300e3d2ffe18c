#include "projects/model/colourtext.h"

#include <algorithm>

std::optional<unsigned> hexToColour(const QString& text)
{
    const QString digits = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    if (digits.isEmpty())
        return 0u;
    const auto isHexDigit = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    };
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), isHexDigit))
        return std::nullopt;
    const unsigned rgb = digits.toUInt(nullptr, 16);
    const unsigned red = (rgb >> 16) & 0xFF;
    const unsigned green = (rgb >> 8) & 0xFF;
    const unsigned blue = rgb & 0xFF;
    return red + 256 * green + 65536 * blue;
}
