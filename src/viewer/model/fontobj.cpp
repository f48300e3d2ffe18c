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

namespace {

// The same font, with the cheap fields compared before the name.
bool sameFont(const TMyFont& a, const TMyFont& b)
{
    return a.size == b.size && a.normalSize == b.normalSize && a.bold == b.bold && a.italic == b.italic
        && a.underline == b.underline && a.fixed == b.fixed && a.color == b.color && a.name == b.name;
}

} // namespace

TFontFace* TFontFaces::intern(const TMyFont& font)
{
    for (std::size_t i = 0; i < m_recent.size() && m_recent[i]; ++i) {
        if (sameFont(m_recent[i]->font, font)) {
            std::rotate(m_recent.begin(), m_recent.begin() + static_cast<std::ptrdiff_t>(i),
                        m_recent.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return m_recent.front();
        }
    }
    auto [found, added] = m_faces.try_emplace(font);
    if (added)
        found->second = std::make_unique<TFontFace>(font);
    std::rotate(m_recent.begin(), m_recent.end() - 1, m_recent.end());
    m_recent.front() = found->second.get();
    return m_recent.front();
}

TLinkTarget TLinkTargets::add(std::string url)
{
    if (url.empty())
        return TLinkTarget();
    return TLinkTarget(&m_urls.emplace_back(std::move(url)));
}

void TFontFaces::clear()
{
    m_faces.clear();
    m_recent = {};
}

int TFontList::indexAt(int position) const
{
    std::span<const TFontObj> fonts = m_items.items();
    if (fonts.empty())
        return -1;
    auto after = std::upper_bound(fonts.begin(), fonts.end(), position,
                                  [](int pos, const TFontObj& font) { return pos < font.position; });
    if (after == fonts.begin())
        return 0;
    return static_cast<int>(after - fonts.begin()) - 1;
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
