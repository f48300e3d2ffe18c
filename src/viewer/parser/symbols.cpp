#include "viewer/parser/symbols.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tessera::viewer {

namespace {

struct TagEntry {
    std::string_view name;
    Tag tag;
};

constexpr TagEntry kTags[] = {
    {"HTML", Tag::Html}, {"TITLE", Tag::Title}, {"BODY", Tag::Body}, {"HEAD", Tag::Head}, {"B", Tag::B},
    {"I", Tag::I}, {"H", Tag::H}, {"EM", Tag::Em}, {"STRONG", Tag::Strong}, {"U", Tag::U}, {"CITE", Tag::Cite},
    {"VAR", Tag::Var}, {"TT", Tag::Tt}, {"CODE", Tag::Code}, {"KBD", Tag::Kbd}, {"SAMP", Tag::Samp},
    {"OL", Tag::Ol}, {"UL", Tag::Ul}, {"DIR", Tag::Dir}, {"MENU", Tag::Menu}, {"DL", Tag::Dl}, {"A", Tag::A},
    {"ADDRESS", Tag::Address}, {"BLOCKQUOTE", Tag::BlockQuote}, {"PRE", Tag::Pre}, {"CENTER", Tag::Center},
    {"TABLE", Tag::Table}, {"TD", Tag::Td}, {"TH", Tag::Th}, {"CAPTION", Tag::Caption}, {"FORM", Tag::Form},
    {"TEXTAREA", Tag::TextArea}, {"SELECT", Tag::Select}, {"OPTION", Tag::Option}, {"FONT", Tag::Font},
    {"SUB", Tag::Sub}, {"SUP", Tag::Sup}, {"BIG", Tag::Big}, {"SMALL", Tag::Small}, {"P", Tag::P},
    {"MAP", Tag::Map},
    {"LI", Tag::Li}, {"BR", Tag::Br}, {"HR", Tag::Hr}, {"DD", Tag::Dd}, {"DT", Tag::Dt}, {"IMG", Tag::Img},
    {"BASE", Tag::Base}, {"TR", Tag::Tr}, {"BUTTON", Tag::Button}, {"INPUT", Tag::Input},
    {"SELECTED", Tag::Selected}, {"BASEFONT", Tag::BaseFont}, {"AREA", Tag::Area},
};

struct AttrEntry {
    std::string_view name;
    AttrSymbol symbol;
};

constexpr AttrEntry kAttributes[] = {
    {"HREF", AttrSymbol::Href}, {"NAME", AttrSymbol::Name}, {"SRC", AttrSymbol::Src}, {"ALT", AttrSymbol::Alt},
    {"ALIGN", AttrSymbol::Align}, {"TEXT", AttrSymbol::Text}, {"BGCOLOR", AttrSymbol::BgColor},
    {"LINK", AttrSymbol::Link}, {"BACKGROUND", AttrSymbol::Background}, {"COLSPAN", AttrSymbol::ColSpan},
    {"ROWSPAN", AttrSymbol::RowSpan}, {"BORDER", AttrSymbol::Border}, {"CELLPADDING", AttrSymbol::CellPadding},
    {"CELLSPACING", AttrSymbol::CellSpacing}, {"VALIGN", AttrSymbol::VAlign}, {"WIDTH", AttrSymbol::Width},
    {"START", AttrSymbol::Start}, {"VALUE", AttrSymbol::Value}, {"TYPE", AttrSymbol::Type},
    {"CHECKBOX", AttrSymbol::Checkbox}, {"RADIO", AttrSymbol::Radio}, {"METHOD", AttrSymbol::Method},
    {"ACTION", AttrSymbol::Action}, {"CHECKED", AttrSymbol::Checked}, {"SIZE", AttrSymbol::Size},
    {"MAXLENGTH", AttrSymbol::MaxLength}, {"COLS", AttrSymbol::Cols}, {"ROWS", AttrSymbol::Rows},
    {"MULTIPLE", AttrSymbol::Multiple}, {"SELECTED", AttrSymbol::Selected}, {"FACE", AttrSymbol::Face},
    {"COLOR", AttrSymbol::Color}, {"TRANSP", AttrSymbol::Transp}, {"CLEAR", AttrSymbol::Clear},
    {"ISMAP", AttrSymbol::IsMap}, {"BORDERCOLOR", AttrSymbol::BorderColor}, {"USEMAP", AttrSymbol::UseMap},
    {"SHAPE", AttrSymbol::Shape}, {"COORDS", AttrSymbol::Coords}, {"NOHREF", AttrSymbol::NoHref},
    {"HEIGHT", AttrSymbol::Height}, {"PLAIN", AttrSymbol::Plain}, {"NOSHADE", AttrSymbol::NoShade},
};


} // namespace

bool tagHasEndForm(Tag tag) { return tag != Tag::Unknown && tag < Tag::Li; }

bool tagKeepsAttributes(Tag tag)
{
    switch (tag) {
    case Tag::Body: case Tag::P: case Tag::Br: case Tag::H: case Tag::Hr: case Tag::Base: case Tag::Ol:
    case Tag::Ul: case Tag::Img: case Tag::A: case Tag::Table: case Tag::Td: case Tag::Tr: case Tag::Th:
    case Tag::Caption: case Tag::Input: case Tag::Form: case Tag::TextArea: case Tag::Select: case Tag::Option:
    case Tag::Font: case Tag::BaseFont: case Tag::Map: case Tag::Area:
        return true;
    default:
        return false;
    }
}

namespace {

// Names in an open-addressing hash table: a lookup hashes the name once and mostly compares
// it with a single entry. Entries go in in table order, so of two equal names the first is
// the one found.
template <typename Entry, std::size_t N>
struct NameTable {
    static constexpr std::size_t kSlots = 256; // a few times the number of names
    static_assert(N * 2 < kSlots);
    std::array<const Entry*, kSlots> slots{};

    explicit NameTable(const Entry (&entries)[N])
    {
        for (const Entry& entry : entries) {
            std::size_t i = slotOf(entry.name);
            while (slots[i])
                i = (i + 1) % kSlots;
            slots[i] = &entry;
        }
    }

    // The length and the first, middle and last letters tell the table's names apart well
    // enough (at most two probes), without a pass over every letter.
    static std::size_t slotOf(std::string_view name)
    {
        std::uint64_t hash = name.size();
        if (!name.empty()) {
            auto at = [&](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])); };
            hash = (hash * 1000003) ^ (at(0) << 16 | at(name.size() - 1) << 8 | at(name.size() / 2));
        }
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ULL) >> 56);
    }

    const Entry* find(std::string_view name) const
    {
        // Names are a few letters long; comparing them here beats a call to memcmp.
        auto same = [](std::string_view a, std::string_view b) {
            if (a.size() != b.size())
                return false;
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (a[i] != b[i])
                    return false;
            }
            return true;
        };
        for (std::size_t i = slotOf(name); slots[i]; i = (i + 1) % kSlots) {
            if (same(name, slots[i]->name))
                return slots[i];
        }
        return nullptr;
    }
};

} // namespace

Tag lookupTag(std::string_view upperName)
{
    static const NameTable<TagEntry, std::size(kTags)> index(kTags);
    const TagEntry* entry = index.find(upperName);
    return entry ? entry->tag : Tag::Unknown;
}

AttrSymbol lookupAttribute(std::string_view upperName)
{
    static const NameTable<AttrEntry, std::size(kAttributes)> index(kAttributes);
    const AttrEntry* entry = index.find(upperName);
    return entry ? entry->symbol : AttrSymbol::Unknown;
}



int nearestSizeStep(int points, bool fixed)
{
    const auto& table = fixed ? kFixedFontSizes : kFontSizes;
    int best = 0;
    for (int i = 1; i < 7; ++i) {
        if (std::abs(table[static_cast<std::size_t>(i)] - points) < std::abs(table[static_cast<std::size_t>(best)] - points))
            best = i;
    }
    return best + 1;
}

int pointsForStep(int step, bool fixed)
{
    const auto& table = fixed ? kFixedFontSizes : kFontSizes;
    return table[static_cast<std::size_t>(std::clamp(step, 1, 7) - 1)];
}

} // namespace tessera::viewer
