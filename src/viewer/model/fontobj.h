#pragma once

#include "viewer/model/arenaarray.h"
#include "viewer/model/font.h"

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessera::viewer {

enum class VerticalOffset : int { Normal = 0, Subscript = 1, Superscript = 2 };

// A font as drawn, shared by every font change that uses it: a page has a handful of distinct
// fonts but a font change at every tag, so each change holds a pointer instead of a copy. The
// faces of a document live as long as its elements (until it is cleared), so the pointer is a
// plain one and copying or dropping a font change costs nothing.
struct TFontFace {
    explicit TFontFace(const TMyFont& drawn) : font(drawn) {}

    const TMyFont font;
    // Measured by layout; they depend on the font alone, so sharing them loses nothing.
    FontMetrics metrics;
};

// The distinct fonts of one document. A face stays where it is until clear().
class TFontFaces {
public:
    TFontFace* intern(const TMyFont& font);
    void clear();

private:
    struct Hash {
        std::size_t operator()(const TMyFont& font) const;
    };
    std::unordered_map<TMyFont, std::unique_ptr<TFontFace>, Hash> m_faces;
    // Font changes mostly go back and forth between a few fonts (bold on, bold off), so the
    // faces asked for last are tried before the table.
    std::array<TFontFace*, 4> m_recent{};
};

// The target of a link. The text belongs to the document's link targets (TLinkTargets), which
// keep it as long as the document's elements, so every font change and section inside the
// link holds the same plain pointer: copying or dropping one costs nothing.
class TLinkTarget {
public:
    TLinkTarget() = default;
    explicit TLinkTarget(const std::string* url) : m_url(url && !url->empty() ? url : nullptr) {}

    bool empty() const { return !m_url; }
    std::size_t size() const { return m_url ? m_url->size() : 0; }
    const std::string& str() const
    {
        static const std::string none;
        return m_url ? *m_url : none;
    }
    // Read where a link target text is wanted.
    operator const std::string&() const { return str(); }

private:
    const std::string* m_url = nullptr;
};

// The link targets of one document. A target stays where it is until clear().
class TLinkTargets {
public:
    TLinkTarget add(std::string url);
    void clear() { m_urls.clear(); }

private:
    std::deque<std::string> m_urls;
};

// A font change inside a section: from `position` (a byte index into the section's UTF-8 text)
// on, text is drawn with `font()` and links to `url` (empty: no link).
struct TFontObj {
    int position = 0;
    VerticalOffset verticalOffset = VerticalOffset::Normal;
    TFontFace* face = nullptr; // one of the faces of the section's document
    TLinkTarget url;

    const TMyFont& font() const { return face->font; }
    // Layout fills these through a const font object: they are a cache, not part of the model.
    FontMetrics& metrics() const { return face->metrics; }
};

// Font changes of one section, ordered by position; the first is at position 0. They live in
// the section's arena, which the section names for every change.
class TFontList {
public:
    TFontList() = default;

    void assign(DocumentArena* arena, const TFontList& other)
    {
        m_items.release(arena);
        m_items.append(arena, other.m_items.data(), other.m_items.size());
    }
    void release(DocumentArena* arena) { m_items.release(arena); }

    bool empty() const { return m_items.empty(); }
    int count() const { return static_cast<int>(m_items.size()); }
    const TFontObj& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
    TFontObj& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }
    const TFontObj& back() const { return m_items.back(); }
    TFontObj& back() { return m_items.back(); }
    void add(DocumentArena* arena, const TFontObj& font) { m_items.push_back(arena, font); }
    std::span<const TFontObj> items() const { return m_items.items(); }
    std::span<TFontObj> items() { return m_items.items(); }

    // Index of the font object in effect at a text position (-1 when the list is empty).
    int indexAt(int position) const;
    const TFontObj* fontAt(int position) const;
    // Number of bytes from `position` up to the next font change, or to `textLength`.
    int charsToNextChange(int position, int textLength) const;

private:
    ArenaArray<TFontObj> m_items;
};

} // namespace tessera::viewer
