#include "viewer/model/mapitem.h"

#include "viewer/model/attribute.h"
#include "viewer/model/textutil.h"

#include <cstdint>

namespace tessera::viewer {

namespace {

constexpr std::int64_t kCoordLimit = 1000000;

std::vector<int> parseCoords(std::string_view text)
{
    std::vector<int> coords;
    std::size_t i = 0;
    while (i < text.size() && coords.size() < static_cast<std::size_t>(TMapItem::kMaxCoords)) {
        while (i < text.size() && (text[i] == ',' || static_cast<unsigned char>(text[i]) <= ' '))
            ++i;
        if (i == text.size())
            break;
        bool negative = false;
        if (text[i] == '-' || text[i] == '+') {
            negative = text[i] == '-';
            ++i;
        }
        std::int64_t value = 0;
        bool digits = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (value <= kCoordLimit)
                value = value * 10 + (text[i] - '0');
            digits = true;
            ++i;
        }
        // Anything else up to the next separator is not part of a number.
        while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ')
            ++i;
        if (digits)
            coords.push_back(text::clampInt(negative ? -value : value, -kCoordLimit, kCoordLimit));
    }
    return coords;
}

} // namespace

bool TMapArea::contains(int x, int y) const
{
    switch (shape) {
    case AreaShape::Rect: {
        int x1 = std::min(coords[0], coords[2]);
        int x2 = std::max(coords[0], coords[2]);
        int y1 = std::min(coords[1], coords[3]);
        int y2 = std::max(coords[1], coords[3]);
        return x >= x1 && x <= x2 && y >= y1 && y <= y2;
    }
    case AreaShape::Circle: {
        // The ellipse inscribed in the box (cx-r, cy-r)-(cx+r+1, cy+r+1), tested at pixel centres.
        std::int64_t r = coords[2];
        if (r < 0)
            return false;
        std::int64_t dx = 2 * (std::int64_t(x) - coords[0]);
        std::int64_t dy = 2 * (std::int64_t(y) - coords[1]);
        return dx * dx + dy * dy <= (2 * r + 1) * (2 * r + 1);
    }
    case AreaShape::Poly: {
        // Even-odd rule at the pixel centre (x + 0.5, y + 0.5), in doubled coordinates.
        bool inside = false;
        std::size_t n = coords.size() / 2;
        std::int64_t px = 2 * std::int64_t(x) + 1;
        std::int64_t py = 2 * std::int64_t(y) + 1;
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            std::int64_t xi = 2 * std::int64_t(coords[2 * i]), yi = 2 * std::int64_t(coords[2 * i + 1]);
            std::int64_t xj = 2 * std::int64_t(coords[2 * j]), yj = 2 * std::int64_t(coords[2 * j + 1]);
            if ((yi > py) != (yj > py)) {
                // x of the edge at py, compared without division: px < xi + (py - yi)(xj - xi)/(yj - yi)
                std::int64_t lhs = (px - xi) * (yj - yi);
                std::int64_t rhs = (py - yi) * (xj - xi);
                if (yj - yi > 0 ? lhs < rhs : lhs > rhs)
                    inside = !inside;
            }
        }
        return inside;
    }
    }
    return false;
}

void TMapItem::AddArea(const TAttributeList& attributes)
{
    TMapArea area;
    std::string shape;
    for (const TAttribute& attribute : attributes.items()) {
        if (attribute.which == AttrSymbol::Href)
            area.href = attribute.name;
        else if (attribute.which == AttrSymbol::NoHref)
            area.href.clear();
        else if (attribute.which == AttrSymbol::Shape)
            shape = text::toLower(text::trim(attribute.name));
        else if (attribute.which == AttrSymbol::Coords)
            area.coords = parseCoords(attribute.name);
    }
    if (shape == "circle")
        area.shape = AreaShape::Circle;
    else if (shape == "poly")
        area.shape = AreaShape::Poly;
    std::size_t needed = area.shape == AreaShape::Rect ? 4 : area.shape == AreaShape::Circle ? 3 : 6;
    if (area.shape == AreaShape::Poly && area.coords.size() % 2 != 0)
        area.coords.pop_back(); // whole pairs only
    if (area.coords.size() < needed)
        return;
    if (area.shape != AreaShape::Poly)
        area.coords.resize(needed);
    m_areas.push_back(std::move(area));
}

bool TMapItem::GetURL(int x, int y, std::string& url) const
{
    for (const TMapArea& area : m_areas) {
        if (area.contains(x, y)) {
            url = area.href;
            return true;
        }
    }
    return false;
}

} // namespace tessera::viewer
