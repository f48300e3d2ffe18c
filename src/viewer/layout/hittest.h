#pragma once

#include <string>

namespace tessera::viewer {

class LayoutEngine;
struct LineRec;
class TFormControlObj;
class TSection;
class TSectionList;

// What lies under a point of a laid-out document (document coordinates).
class HitTester {
public:
    explicit HitTester(LayoutEngine& engine) : m_engine(engine) {}

    // The link under the point: a text link, an image inside a link (with "?x,y" for ISMAP),
    // or an image-map area. Empty when there is none.
    std::string GetURL(TSectionList& document, int x, int y);
    // The document character index nearest the point on the line under it, or -1 when the
    // point is on no text line. `section`, when given, receives the text section the index lies in.
    int FindCursor(TSectionList& document, int x, int y, TSection** section = nullptr);
    // The top-left point of a character, and the height of its line; false when the index is
    // not in the document.
    bool CursorToXY(TSectionList& document, int index, int& x, int& y, int* lineHeight = nullptr);
    // The same for a byte position of one laid-out text section. A position where a line wraps
    // belongs to the line it starts, not the one it ends.
    bool SectionCursorToXY(TSection& section, int position, int& x, int& y, int* lineHeight = nullptr);
    TFormControlObj* controlAt(TSectionList& document, int x, int y);

private:
    // Where a character of one of the section's lines starts, from the line's pieces.
    int xInLine(TSection& section, const LineRec& line, int position);

    LayoutEngine& m_engine;
};

} // namespace tessera::viewer
