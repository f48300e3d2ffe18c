#pragma once

#include "viewer/model/font.h"

#include <string>
#include <vector>

namespace tessera::viewer {

enum class VerticalOffset : int { Normal = 0, Subscript = 1, Superscript = 2 };

// A font change inside a section: from `position` (a byte index into the section's UTF-8 text)
// on, text is drawn with `font` and links to `url` (empty: no link).
struct TFontObj {
    int position = 0;
    TMyFont font;
    VerticalOffset verticalOffset = VerticalOffset::Normal;
    std::string url;
    FontMetrics metrics; // filled by layout
};

// Font changes of one section, ordered by position; the first is at position 0.
class TFontList {
public:
    bool empty() const { return m_items.empty(); }
    int count() const { return static_cast<int>(m_items.size()); }
    const TFontObj& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
    TFontObj& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }
    const TFontObj& back() const { return m_items.back(); }
    TFontObj& back() { return m_items.back(); }
    void add(TFontObj font) { m_items.push_back(std::move(font)); }
    const std::vector<TFontObj>& items() const { return m_items; }
    std::vector<TFontObj>& items() { return m_items; }

    // Index of the font object in effect at a text position (-1 when the list is empty).
    int indexAt(int position) const;
    const TFontObj* fontAt(int position) const;
    // Number of bytes from `position` up to the next font change, or to `textLength`.
    int charsToNextChange(int position, int textLength) const;

private:
    std::vector<TFontObj> m_items;
};

} // namespace tessera::viewer
