#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>

namespace tessera::viewer {

class TSectionList;
class ClipBuffer;
class DocumentArena;

// Byte range of the page source a model element came from ([begin, end) in the UTF-8 text the
// parser read). The preview uses it to map between the rendered page and the source.
struct SourceRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Where a document's elements keep their many small parts (font changes, text runs, the
// section lists of cells): the document's arena, or the general heap for elements that belong
// to no document.
std::pmr::memory_resource* documentMemory(TSectionList* master);
// The same for arrays that name their arena (ArenaArray): null stands for the heap.
DocumentArena* documentArena(TSectionList* master);

enum class SectionKind {
    Section,        // TSection: flowing text
    PreFormated,    // TPreFormated
    UListItem,      // TUListItem
    OListItem,      // TOListItem
    DListItem,      // TDListItem
    ParagraphSpace, // TParagraphSpace
    BlankLine,      // TBlankLine
    HeadingSpace,   // THeadingSpace
    HorzLine,       // THorzLine
    Table,          // ThtmlTable
};

// An element of a cell's section list. The model keeps structure, text and the fixed heights;
// layout and painting (which measure text) are separate modules that dispatch on kind(), so
// the model builds and tests without any text measurement.
class TSectionBase {
public:
    explicit TSectionBase(TSectionList* master) : m_master(master) {}
    virtual ~TSectionBase() = default;

    virtual SectionKind kind() const = 0;
    // A deep copy belonging to another document.
    virtual std::unique_ptr<TSectionBase> clone(TSectionList* master) const = 0;
    // Appends the part of this element's text that lies in [selStart, selEnd) (document character
    // indexes, as laid out in `startCursor`) to the buffer.
    virtual void CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const;
    // The document index of the first match of `text` (ASCII case-insensitive) at or after
    // `from`, or -1.
    virtual int FindString(const std::string& text, int from) const;
    // Recomputes fixed heights from the document's default font size.
    virtual void UpdateSpacing() {}
    // Text sections only; ignored by the others.
    virtual void AddText(std::string_view text, SourceRange source);

    bool isTextSection() const
    {
        SectionKind k = kind();
        return k == SectionKind::Section || k == SectionKind::PreFormated || k == SectionKind::UListItem
            || k == SectionKind::OListItem || k == SectionKind::DListItem;
    }

    TSectionList* master() const { return m_master; }
    void setMaster(TSectionList* master) { m_master = master; }
    const SourceRange& source() const { return m_source; }
    void setSourceBegin(std::size_t offset) { m_source.begin = offset; }
    void setSourceEnd(std::size_t offset) { m_source.end = offset; }

    // Layout results, set by layout.
    int sectionHeight = 0; // its own height in pixels (fixed elements: set by UpdateSpacing)
    int drawHeight = 0;    // also covering floating images that reach below
    int yPosition = 0;
    int startCursor = 0;   // document character index of its first character
    int length = 0;        // characters it contributes to the document

protected:
    TSectionBase(const TSectionBase&) = default;
    TSectionBase& operator=(const TSectionBase&) = default;

private:
    TSectionList* m_master = nullptr;
    SourceRange m_source;
};

} // namespace tessera::viewer
