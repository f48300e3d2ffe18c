#include "viewer/layout/textmeasurer.h"

#include "viewer/model/textutil.h"

#include <algorithm>

namespace tessera::viewer {

int nextCharBoundary(std::string_view text, int index)
{
    int size = static_cast<int>(text.size());
    if (index >= size)
        return size;
    ++index;
    while (index < size && (static_cast<unsigned char>(text[static_cast<std::size_t>(index)]) & 0xC0) == 0x80)
        ++index;
    return index;
}

int TextMeasurer::fitText(int fontId, std::string_view text, int maxWidth, int& width)
{
    width = 0;
    if (text.empty() || maxWidth < 0)
        return 0;
    int whole = textWidth(fontId, text);
    if (whole <= maxWidth) {
        width = whole;
        return static_cast<int>(text.size());
    }
    // Binary search over byte counts, then settle on a character boundary.
    int low = 0;
    int high = static_cast<int>(text.size());
    while (low < high) {
        int mid = (low + high + 1) / 2;
        int boundary = mid;
        while (boundary > low && boundary < static_cast<int>(text.size())
               && (static_cast<unsigned char>(text[static_cast<std::size_t>(boundary)]) & 0xC0) == 0x80)
            --boundary;
        if (boundary == low) {
            // No whole character between low and mid: try the next character after low.
            int next = nextCharBoundary(text, low);
            if (next <= high && textWidth(fontId, text.substr(0, static_cast<std::size_t>(next))) <= maxWidth)
                low = next;
            else
                high = low;
            continue;
        }
        if (textWidth(fontId, text.substr(0, static_cast<std::size_t>(boundary))) <= maxWidth)
            low = boundary;
        else
            high = boundary - 1;
    }
    width = low > 0 ? textWidth(fontId, text.substr(0, static_cast<std::size_t>(low))) : 0;
    return low;
}

int FixedMeasurer::fontId(const TMyFont& font)
{
    Entry entry{std::max(1, font.size), font.bold, font.italic, font.fixed};
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const Entry& e = m_fonts[i];
        if (e.size == entry.size && e.bold == entry.bold && e.italic == entry.italic && e.fixed == entry.fixed)
            return static_cast<int>(i);
    }
    m_fonts.push_back(entry);
    return static_cast<int>(m_fonts.size()) - 1;
}

int FixedMeasurer::charWidth(const TMyFont& font)
{
    int size = std::max(1, font.size);
    return (font.fixed ? size * 3 / 5 : size / 2) + (font.bold ? 1 : 0);
}

FontMetrics FixedMeasurer::metrics(int fontId)
{
    const Entry& e = m_fonts.at(static_cast<std::size_t>(fontId));
    FontMetrics m;
    m.valid = true;
    m.height = e.size + e.size / 3;
    m.descent = e.size / 4;
    m.ascent = m.height - m.descent;
    m.overhang = e.italic ? e.size / 6 : 0;
    return m;
}

int FixedMeasurer::textWidth(int fontId, std::string_view text)
{
    ++measureCalls;
    const Entry& e = m_fonts.at(static_cast<std::size_t>(fontId));
    TMyFont font;
    font.size = e.size;
    font.bold = e.bold;
    font.fixed = e.fixed;
    int width = static_cast<int>(text::countChars(text)) * charWidth(font);
    return width + (e.italic && !text.empty() ? e.size / 6 : 0);
}

int FixedMeasurer::fitText(int fontId, std::string_view text, int maxWidth, int& width)
{
    ++measureCalls;
    const Entry& e = m_fonts.at(static_cast<std::size_t>(fontId));
    TMyFont font;
    font.size = e.size;
    font.bold = e.bold;
    font.fixed = e.fixed;
    int per = charWidth(font);
    int extra = e.italic ? e.size / 6 : 0;
    width = 0;
    int index = 0;
    int size = static_cast<int>(text.size());
    while (index < size) {
        int next = nextCharBoundary(text, index);
        if (width + per + extra > maxWidth)
            break;
        width += per;
        index = next;
    }
    if (index > 0)
        width += extra;
    return index;
}

} // namespace tessera::viewer
