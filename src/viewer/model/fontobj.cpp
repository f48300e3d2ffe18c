#include "viewer/model/fontobj.h"

#include <algorithm>
#include <functional>

namespace tessera::viewer {

std::size_t TFontFaces::Hash::operator()(const TMyFont& font) const
{
    std::size_t hash = std::hash<std::string>()(font.name);
    auto mix = [&hash](std::size_t value) { hash ^= value + 0x9E3779B97F4A7C15ULL + (hash << 6) + (hash >> 2); };
    mix(static_cast<std::size_t>(font.size));
    mix(static_cast<std::size_t>(font.normalSize));
    mix((font.bold ? 1u : 0u) | (font.italic ? 2u : 0u) | (font.underline ? 4u : 0u) | (font.fixed ? 8u : 0u));
    mix(font.color.rgb());
    return hash;
}

std::shared_ptr<TFontFace> TFontFaces::intern(const TMyFont& font)
{
    if (m_last && m_last->font == font)
        return m_last;
    auto [found, added] = m_faces.try_emplace(font);
    if (added)
        found->second = std::make_shared<TFontFace>(font);
    m_last = found->second;
    return m_last;
}

void TFontFaces::clear()
{
    m_faces.clear();
    m_last.reset();
}

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
