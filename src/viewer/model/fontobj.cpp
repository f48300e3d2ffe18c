#include "viewer/model/fontobj.h"

#include <algorithm>

namespace tessera::viewer {

int TFontList::indexAt(int position) const
{
    if (m_items.empty())
        return -1;
    auto after = std::upper_bound(m_items.begin(), m_items.end(), position,
                                  [](int pos, const TFontObj& font) { return pos < font.position; });
    if (after == m_items.begin())
        return 0;
    return static_cast<int>(after - m_items.begin()) - 1;
}

const TFontObj* TFontList::fontAt(int position) const
{
    int index = indexAt(position);
    return index < 0 ? nullptr : &m_items[static_cast<std::size_t>(index)];
}

int TFontList::charsToNextChange(int position, int textLength) const
{
    int index = indexAt(position);
    if (index >= 0 && static_cast<std::size_t>(index) + 1 < m_items.size())
        return std::max(0, m_items[static_cast<std::size_t>(index) + 1].position - position);
    return std::max(0, textLength - position);
}

} // namespace tessera::viewer
