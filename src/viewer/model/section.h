#pragma once

#include "viewer/model/fontobj.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/linerec.h"
#include "viewer/model/sectionbase.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::viewer {

class TFormControlObj;

// A long page has hundreds of thousands of sections, so their small fields are kept small.
enum class Justify : std::uint8_t { NotGiven = 0, Left = 1, Center = 2, Right = 3 };
enum class ClearKind : std::uint8_t { None = 0, Left = 1, Right = 2, All = 3 };
enum class ListType : std::uint8_t { Plain = 0, Numbered = 1, Bulleted = 2, Definition = 3 };

// Placeholder bytes in a section's text. Page text can never contain them (the reader drops
// control characters), so each one always stands for an object of the section.
inline constexpr char kImagePlaceholder = '\x04';
inline constexpr char kControlPlaceholder = '\x02';
inline bool isPlaceholder(char c) { return c == kImagePlaceholder || c == kControlPlaceholder; }

// A piece of section text and the source bytes it was read from.
struct TextRun {
    int textPos = 0;    // byte position in the section text
    int length = 0;     // bytes in the section text
    SourceRange source; // bytes of the page source
};

using TFormControlList = std::vector<std::shared_ptr<TFormControlObj>>;

// A run of flowing text with its fonts, images, form controls and links. Text is UTF-8; every
// position (fonts, images, controls, lines) is a byte index into it.
class TSection : public TSectionBase {
public:
    static constexpr int kIndentPerLevel = 35;

    TSection(TSectionList* master, int listLevel, Justify justify, const TLinkTarget& url, const TMyFont& font,
             VerticalOffset offset = VerticalOffset::Normal);
    // The same with the font as a face of this document's font faces, for builders that keep
    // the face in effect and so need not look it up again for every section.
    TSection(TSectionList* master, int listLevel, Justify justify, const TLinkTarget& url,
             TFontFace* face, VerticalOffset offset = VerticalOffset::Normal);

    ~TSection() override;
    TSection(const TSection&) = delete;
    TSection& operator=(const TSection&) = delete;

    SectionKind kind() const override { return SectionKind::Section; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const override;
    int FindString(const std::string& text, int from) const override;
    void AddText(std::string_view text, SourceRange source) override;

    // Text from now on uses `font` (subscript and superscript are drawn at 3/4 size).
    void ChangeFont(const TMyFont& font, VerticalOffset offset);
    void ChangeFont(TFontFace* face, VerticalOffset offset);
    // Starts (url non-empty) or ends (url empty) a link, with its font.
    void HRef(const TMyFont& font, VerticalOffset offset, const TLinkTarget& url);
    void HRef(TFontFace* face, VerticalOffset offset, const TLinkTarget& url);
    TImageObj& AddImage(const TAttributeList& attributes, SourceRange source);
    // Adds a control; visible ones get a placeholder in the text.
    void AddFormControl(const std::shared_ptr<TFormControlObj>& control);
    // A line break: a section still empty gets a single space, so the line keeps its height.
    void prepareForBreak();

    // The text lives in the document's arena, like the section itself.
    std::string_view text() const { return std::string_view(m_text.data(), m_text.size()); }
    bool empty() const { return m_text.empty(); }
    const TFontList& fonts() const { return m_fonts; }
    TFontList& fonts() { return m_fonts; }
    // A section without images or controls shares one empty list of each; nothing is ever
    // added to those.
    const TImageList& images() const { return m_objects ? m_objects->images : noObjects().images; }
    TImageList& images() { return m_objects ? m_objects->images : noObjects().images; }
    const TFormControlList& formControls() const { return m_objects ? m_objects->controls : noObjects().controls; }
    std::span<const TextRun> runs() const { return m_runs.items(); }
    const TMyFont& currentFont() const { return m_currentFont->font; }

    int listLevel() const { return m_listLevel; }
    int indent() const { return m_listLevel * kIndentPerLevel; }
    ListType listType() const { return m_listType; }
    Justify justify() const { return m_justify; }
    ClearKind clear() const { return m_clear; }
    void setClear(ClearKind clear) { m_clear = clear; }
    int itemNumber() const { return m_itemNumber; }
    bool plain() const { return m_plain; }

    // Set by layout. A new layout reuses the memory of the last one's lines.
    std::span<const LineRec> lines() const { return m_lines.items(); }
    void clearLines() { m_lines.clear(); }
    void addLine(const LineRec& line) { m_lines.push_back(m_arena, line); }

protected:
    TSection(const TSection& other, TSectionList* master);
    void setListType(ListType type) { m_listType = type; }
    void setItemNumber(int number) { m_itemNumber = number; }
    void setPlain(bool plain) { m_plain = plain; }
    void appendRaw(std::string_view text, SourceRange source);

private:
    // Images and controls, which few sections have. In an arena they are made with it and go
    // with it; on the heap the section deletes them.
    struct Objects {
        TImageList images;
        TFormControlList controls;
    };
    static Objects& noObjects();
    Objects& objects();

    void releaseParts();

    DocumentArena* m_arena; // where text, fonts, runs and lines live; null: the heap
    ArenaArray<char> m_text;
    TFontList m_fonts;
    Objects* m_objects = nullptr;
    ArenaArray<TextRun> m_runs;
    ArenaArray<LineRec> m_lines;
    TFontFace* m_currentFont = nullptr;
    int m_listLevel = 0;
    int m_itemNumber = 0;
    ListType m_listType = ListType::Plain;
    Justify m_justify = Justify::Left;
    ClearKind m_clear = ClearKind::None;
    bool m_plain = false;
    bool m_fontPending = false; // no text since the last font object
};

// One source line of preformatted text, kept exactly as read and drawn in the fixed font.
class TPreFormated : public TSection {
public:
    TPreFormated(TSectionList* master, int listLevel, const TMyFont& font);
    SectionKind kind() const override { return SectionKind::PreFormated; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void AddText(std::string_view text, SourceRange source) override;

protected:
    TPreFormated(const TPreFormated& other, TSectionList* master) : TSection(other, master) {}
};

// A bulleted list item (no bullet when plain).
class TUListItem : public TSection {
public:
    TUListItem(TSectionList* master, int listLevel, bool plain, const TLinkTarget& url, const TMyFont& font,
               VerticalOffset offset = VerticalOffset::Normal);
    TUListItem(TSectionList* master, int listLevel, bool plain, const TLinkTarget& url, TFontFace* face,
               VerticalOffset offset = VerticalOffset::Normal);
    SectionKind kind() const override { return SectionKind::UListItem; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;

protected:
    TUListItem(const TUListItem& other, TSectionList* master) : TSection(other, master) {}
};

// A numbered list item.
class TOListItem : public TSection {
public:
    TOListItem(TSectionList* master, int listLevel, int number, const TLinkTarget& url, const TMyFont& font,
               VerticalOffset offset = VerticalOffset::Normal);
    TOListItem(TSectionList* master, int listLevel, int number, const TLinkTarget& url, TFontFace* face,
               VerticalOffset offset = VerticalOffset::Normal);
    SectionKind kind() const override { return SectionKind::OListItem; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;

protected:
    TOListItem(const TOListItem& other, TSectionList* master) : TSection(other, master) {}
};

// A term (DT) or definition (DD) of a definition list.
class TDListItem : public TSection {
public:
    TDListItem(TSectionList* master, int listLevel, bool definition, const TLinkTarget& url, const TMyFont& font,
               VerticalOffset offset = VerticalOffset::Normal);
    TDListItem(TSectionList* master, int listLevel, bool definition, const TLinkTarget& url, TFontFace* face,
               VerticalOffset offset = VerticalOffset::Normal);
    SectionKind kind() const override { return SectionKind::DListItem; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    bool isDefinition() const { return m_definition; }

protected:
    TDListItem(const TDListItem& other, TSectionList* master) : TSection(other, master), m_definition(other.m_definition) {}

private:
    bool m_definition = false;
};

// The list level a section is laid out at: a definition (DD) sits one step further in than
// its term.
inline int indentLevel(const TSection& section)
{
    bool definition = section.kind() == SectionKind::DListItem && static_cast<const TDListItem&>(section).isDefinition();
    return section.listLevel() + (definition ? 1 : 0);
}

} // namespace tessera::viewer
