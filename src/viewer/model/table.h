#pragma once

#include "viewer/model/cell.h"
#include "viewer/model/color.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionbase.h"

#include <memory>
#include <memory_resource>
#include <vector>

namespace tessera::viewer {

class TAttributeList;

enum class VAlign : int { Top = 0, Middle = 1, Bottom = 2 };

// One cell of a table (TD, TH) or its caption.
class TCellObj {
public:
    static constexpr int kMaxSpan = 100; // larger spans are clamped, so no row grows without bound

    TCellObj(TSectionList* master, const TAttributeList& attributes, VAlign defaultAlign = VAlign::Middle);
    std::unique_ptr<TCellObj> clone(TSectionList* master) const;

    int colSpan() const { return m_colSpan; }
    int rowSpan() const { return m_rowSpan; }
    void setRowSpan(int span) { m_rowSpan = span; } // layout cuts spans to the rows that exist
    VAlign vAlign() const { return m_vAlign; }
    int specifiedWidth() const { return m_specWidth; } // pixels or percent; 0 unspecified
    bool widthPercent() const { return m_widthPercent; }
    bool hasBackground() const { return m_hasBackground; }
    Color background() const { return m_background; }
    void setBackground(Color color) { m_background = color; m_hasBackground = true; }
    TCell& cell() { return m_cell; }
    const TCell& cell() const { return m_cell; }

    // Layout results.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int contentHeight = 0;
    int verticalOffset = 0; // where the content starts below the cell's top
    int minWidth = 0;
    int maxWidth = 0;

private:
    int m_colSpan = 1;
    int m_rowSpan = 1;
    VAlign m_vAlign = VAlign::Middle;
    int m_specWidth = 0;
    bool m_widthPercent = false;
    bool m_hasBackground = false;
    Color m_background;
    TCell m_cell;
};

// A row of a table. A null entry is an empty slot (where a span reaches, added by layout).
// Rows, like everything a table holds, take their memory from the table's document.
using TCellList = std::pmr::vector<ArenaPtr<TCellObj>>;
using TRowList = std::pmr::vector<TCellList>;

// A section holding a table.
class ThtmlTable : public TSectionBase {
public:
    static constexpr int kMaxColumns = 30;
    static constexpr int kMaxPadding = 50;
    static constexpr int kMaxSpacing = 40;

    ThtmlTable(TSectionList* master, const TAttributeList& attributes, Justify current);
    SectionKind kind() const override { return SectionKind::Table; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const override;
    int FindString(const std::string& text, int from) const override;
    void UpdateSpacing() override;

    TRowList& rows() { return m_rows; }
    const TRowList& rows() const { return m_rows; }
    // An empty row in the table's memory, to be filled and added.
    TCellList newRow() const { return TCellList(m_rows.get_allocator()); }
    void addRow(TCellList row) { m_rows.push_back(std::move(row)); }
    TCellObj* caption() { return m_caption.get(); }
    const TCellObj* caption() const { return m_caption.get(); }
    void setCaption(ArenaPtr<TCellObj> caption, bool onTop);
    bool captionOnTop() const { return m_captionOnTop; }

    bool border() const { return m_border; }
    Justify justify() const { return m_justify; }
    int specifiedWidth() const { return m_width; } // pixels, or percent 1-100; 0 not given
    bool widthPercent() const { return m_widthPercent; }
    int cellPadding() const { return m_cellPadding; }
    int cellSpacing() const { return m_cellSpacing; }
    bool hasBackground() const { return m_hasBackground; }
    Color background() const { return m_background; }
    bool hasBorderColor() const { return m_hasBorderColor; }
    Color borderColor() const { return m_borderColor; }
    // The nesting depth of the list the table sits in, which indents it as it indents text.
    int listLevel() const { return m_listLevel; }
    void setListLevel(int level) { m_listLevel = level; }

    // Layout results.
    bool prepared = false;
    int numberOfColumns = 0;
    std::pmr::vector<int> columnWidths;
    std::pmr::vector<int> rowHeights;
    int tableWidth = 0;
    int captionHeight = 0;
    int left = 0;
    bool absoluteMode = false;
    // Column minimum, maximum and percentage, worked out once per layout pass.
    long long widthsPass = -1;
    std::pmr::vector<int> columnMin;
    std::pmr::vector<int> columnMax;
    std::pmr::vector<int> columnPercent;
    // Tables sized in pixels: the width a cell's WIDTH gives its column, 0 where content sizes it.
    std::pmr::vector<int> columnFixed;

private:
    TRowList m_rows;
    ArenaPtr<TCellObj> m_caption;
    bool m_captionOnTop = true;
    bool m_border = false;
    Justify m_justify = Justify::Left;
    int m_width = 0;
    bool m_widthPercent = false;
    int m_cellPadding = 2;
    int m_cellSpacing = 3;
    bool m_hasBackground = false;
    Color m_background;
    bool m_hasBorderColor = false;
    Color m_borderColor;
    int m_listLevel = 0;
};

} // namespace tessera::viewer
