#pragma once

// The table wizard's working lines: the table's HTML, one tag group per line, which is at once
// the preview's document, the saved table definition and (without the cell anchors) the text
// inserted into the page. Edit form carries on every cell an anchor, a star linking to
// "Cell:N." that the preview makes clickable; insert form is the clean HTML.

#include "generators/builders/generatorhelpers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

inline constexpr int maxTableColumns = 30;
inline constexpr int maxTableRows = 1000;
inline constexpr int maxCellSpan = 1000;

// The table as a whole and its caption. Colours are hexadecimal digits without "#"; an empty
// one is left out of the table tag.
struct TableAttributes {
    int border = 1;
    int widthPercent = 0;
    std::string alignment = "None";
    int padding = 1;
    int spacing = 2;
    std::string tableColour;
    std::string borderColour;
    std::string caption;
    int captionSize = 1;
    std::string captionPosition = "Top";
    bool operator==(const TableAttributes&) const = default;
};

// One cell as the cell controls show it. The colour is digits without "#".
struct TableCell {
    int rowSpan = 1;
    int columnSpan = 1;
    std::string vertical = "None";
    std::string horizontal = "None";
    std::string colour;
    bool header = false;
    std::string text;
    bool operator==(const TableCell&) const = default;
};

std::string tableTag(const TableAttributes& attributes);
std::string captionLine(const TableAttributes& attributes);
// A cell as Build, Add Cell and Add Row make it; `colour` goes into BGCOLOR as it stands.
std::string newCellLine(int anchorNumber, std::string_view colour);

enum class LinesForm { Edit, Insert };
enum class WhereToAdd { Before, After };

class TableLines {
public:
    const std::vector<std::string>& lines() const { return m_lines; }
    LinesForm form() const { return m_form; }
    int currentLine() const { return m_currentLine; }
    int cellCounter() const { return m_cellCounter; }
    bool isBuilt() const { return m_built; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool hasCurrentCell() const;

    // A new table of empty cells in edit form.
    void build(int rows, int columns, const TableAttributes& attributes);
    // Rewrites the table tag and the caption line. False (and nothing changes) before a table exists.
    bool updateTable(const TableAttributes& attributes);

    // The cell whose anchor names `target` ("Cell:" digits "."), which becomes the current cell.
    // Only in edit form; a target that names no cell leaves everything as it was and gives no
    // value and no error.
    ReadBack<TableCell> selectCell(std::string_view target);
    // Rewrites the current cell, keeping its anchor. False when no cell is current.
    bool updateCell(const TableCell& cell);
    bool deleteCell();
    // A new cell (or a row holding one) before or after the current cell, coloured like the
    // table; the current cell stays the same cell.
    bool addCell(WhereToAdd where, std::string_view tableColour);
    bool addRow(WhereToAdd where, std::string_view tableColour);

    void toInsertForm();
    // Numbers the anchors 0, 1, 2... in line order again.
    void toEditForm();
    std::vector<std::string> insertFormLines() const;

    // Takes the lines of a table definition: edit form, anchors renumbered, not modified.
    void load(std::vector<std::string> lines);
    // The table and caption settings lines 0 and 1 hold.
    ReadBack<TableAttributes> readTableAttributes() const;

private:
    std::vector<std::string> m_lines;
    LinesForm m_form = LinesForm::Edit;
    int m_currentLine = -1;
    int m_cellCounter = 0;
    bool m_built = false;
    bool m_modified = false;
};

// The "Cell Attributes" dialog's choice for a single cell tag.
struct CellAttributeChoice {
    int rowSpan = 1;
    int columnSpan = 1;
    std::string vertical = "none";
    std::string horizontal = "none";
    std::string colour;
    int height = 0;
    bool heightInPercent = false;
    int width = 0;
    bool widthInPercent = false;
};

// The attributes to type into a cell tag, each with a leading blank; empty for the defaults.
std::string cellAttributeString(const CellAttributeChoice& choice);

} // namespace tessera::generators
