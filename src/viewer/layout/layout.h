#pragma once

#include "viewer/layout/textmeasurer.h"
#include "viewer/model/formcontrol.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::viewer {

class IndentManager;
class TCell;
class TFormControlObj;
class THorzLine;
class TImageObj;
class TSection;
class TSectionBase;
class TSectionList;
class ThtmlTable;
struct TFontFace;
struct TFontObj;

struct LayoutResult {
    int height = 0;   // of the whole document
    int maxWidth = 0; // the widest line or table, from the left edge
};

// Lays a document out at a width: lines of text, floating images, list indents, tables. The
// results stay on the model (section positions, lines, cell and image places) for painting and
// hit testing. One engine may lay out many documents; it keeps nothing between them.
class LayoutEngine {
public:
    static constexpr int kPreformattedWidth = 32000;

    explicit LayoutEngine(TextMeasurer& measurer);
    ~LayoutEngine();

    // Sizes the form controls, then lays out every section from Y = 0 between X = 0 and
    // `width`. A layout error (a table with too many columns) empties the document before it
    // is passed on, so the document is never left half laid out.
    LayoutResult layoutDocument(TSectionList& document, int width);

    // The pieces, for tables and for tests.
    int layoutCell(TCell& cell, int x, int y, int width, int& cursor, int& maxWidth);
    void cellMinMax(TCell& cell, int& minWidth, int& maxWidth);
    void sectionMinMax(TSectionBase& section, int& minWidth, int& maxWidth);

    // Measuring helpers shared with painting and hit testing.
    const FontMetrics& metricsOf(const TFontObj& font);
    const FontMetrics& metricsOf(TFontFace& face);
    int runWidth(const TFontObj& font, std::string_view text);
    // The font a run is drawn with: links take the document's link colour and an underline.
    static TMyFont drawFont(const TSectionList* document, const TFontObj& font);
    void sizeControl(TFormControlObj& control, const TSectionList& document);
    void sizeImage(TImageObj& image, TSectionList* document, const TFontObj* font);

    TextMeasurer& measurer() { return m_measurer; }

private:
    int layoutSection(TSectionBase& section, IndentManager& indents, int y, int& cursor, int& width);
    int layoutText(TSection& section, IndentManager& indents, int y, int& cursor, int& width);
    int layoutTable(ThtmlTable& table, IndentManager& indents, int y, int& cursor, int& width);
    int layoutRule(THorzLine& rule, IndentManager& indents, int y, int& width);
    void prepareTable(ThtmlTable& table);
    void tableColumnWidths(ThtmlTable& table);
    void distributeColumns(ThtmlTable& table, int available);

    TextMeasurer& m_measurer;
    long long m_pass = 0;
    // The indents of each cell being laid out, outermost first: a cell needs them only while
    // its sections are placed, so they are kept here for reuse rather than in every cell.
    std::vector<std::unique_ptr<IndentManager>> m_cellIndents;
    std::size_t m_cellDepth = 0;
};

// The face a form control's text takes, at the controls' own size: what the user types (edit
// fields and text areas) in the fixed-pitch face, labels and options in the normal one.
TMyFont controlFont(ControlKind kind, const TSectionList& document);

// Moves everything laid out in a cell down by dy (a table row placing its content).
void shiftCell(TCell& cell, int dy);
void shiftSection(TSectionBase& section, int dy);

// Position values for the preview: the section at the top of the window in the high 16 bits,
// the pixel offset into it in the low 16 bits. Both saturate at their 16-bit limits.
std::uint32_t positionValue(const TSectionList& document, int scrollY);
// The scroll position a value stands for; -1 when its section is beyond the document.
int scrollForPosition(const TSectionList& document, std::uint32_t value);

// A compact text picture of the laid-out boxes, one element per line, cells indented.
std::string dumpLayout(const TSectionList& document);

} // namespace tessera::viewer
