#include "viewer/model/font.h"

#include <cstdint>
#include <cstdlib>

namespace tessera::viewer {

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t half = std::llabs(denominator) / 2;
    bool negative = (product < 0) != (denominator < 0);
    std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void TMyFont::setNormalSize(int points, int defaultFontSize)
{
    normalSize = points;
    size = mulDiv(points, defaultFontSize, 12);
}

} // namespace tessera::viewer
