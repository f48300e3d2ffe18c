#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessera::viewer {

// The attribute names the viewer knows, in the order of its table.
enum class AttrSymbol : std::uint8_t {
    Unknown,
    Href, Name, Src, Alt, Align, Text, BgColor, Link, Background, ColSpan, RowSpan, Border,
    CellPadding, CellSpacing, VAlign, Width, Start, Value, Type, Checkbox, Radio, Method, Action,
    Checked, Size, MaxLength, Cols, Rows, Multiple, Selected, Face, Color, Transp, Clear, IsMap,
    BorderColor, UseMap, Shape, Coords, NoHref, Height, Plain, NoShade,
};

// One attribute of a tag: which one, its value read as a number, and its text. The number is
// read saturating into 32 bits; callers clamp it to the range that makes sense for them.
struct TAttribute {
    AttrSymbol which = AttrSymbol::Unknown;
    std::int32_t value = 0;
    std::string name; // the value text, with a trailing "%" when given as a percentage
    std::size_t sourceOffset = 0; // where the attribute's name starts in the source

    bool isPercent() const { return !name.empty() && name.back() == '%'; }
};

class TAttributeList {
public:
    void clear() { m_items.clear(); }
    void add(TAttribute attribute) { m_items.push_back(std::move(attribute)); }

    // The first attribute with that symbol, or nullptr.
    const TAttribute* find(AttrSymbol which) const;
    bool LookupAttribute(AttrSymbol which, TAttribute& out) const;
    bool has(AttrSymbol which) const { return find(which) != nullptr; }
    // The value text of the first such attribute, or an empty text.
    std::string text(AttrSymbol which) const;

    const std::vector<TAttribute>& items() const { return m_items; }
    bool empty() const { return m_items.empty(); }

private:
    std::vector<TAttribute> m_items;
};

} // namespace tessera::viewer
