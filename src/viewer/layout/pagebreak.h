#pragma once

#include <vector>

namespace tessera::viewer {

class TSectionList;

// Where a printed page ends: `bottom` is the first pixel row of the next page.
struct PageCut {
    int bottom = 0;
    bool documentEnded = false;
    friend bool operator==(const PageCut&, const PageCut&) = default;
};

// Finds where pages of a laid-out document may end without cutting through a line of text,
// in table cells too.
class PageBreaker {
public:
    PageBreaker(const TSectionList& document, int documentHeight);

    // The lowest cut at or above top + height that splits no line, always below `top`. A line
    // or picture taller than a page is cut where the page ends, so every page moves on.
    PageCut next(int top, int height) const;

private:
    struct Span {
        int top;
        int bottom;
    };
    std::vector<Span> m_lines; // sorted by top
    int m_documentHeight;
};

// A page of the document: the rows from `top` up to, not including, `bottom`.
struct PageStrip {
    int top = 0;
    int bottom = 0;
    friend bool operator==(const PageStrip&, const PageStrip&) = default;
};

// The whole document in pages of at most `pageHeight` rows, each starting where the last ended;
// at least one page, also for an empty document.
std::vector<PageStrip> paginate(const TSectionList& document, int documentHeight, int pageHeight);

} // namespace tessera::viewer
