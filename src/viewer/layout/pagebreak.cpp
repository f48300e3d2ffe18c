#include "viewer/layout/pagebreak.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"

#include <algorithm>

namespace tessera::viewer {

namespace {

template <typename Span>
void collectCell(const TCell& cell, std::vector<Span>& out);

template <typename Span>
void collectSection(const TSectionBase& section, std::vector<Span>& out)
{
    if (section.isTextSection()) {
        int y = section.yPosition;
        for (const LineRec& line : static_cast<const TSection&>(section).lines()) {
            // A picture in the line reaches up into the space before it.
            const int bottom = y + line.spaceBefore + line.lineHeight + line.spaceAfter;
            if (bottom > y)
                out.push_back(Span{y, bottom});
            y = bottom;
        }
        return;
    }
    if (section.kind() != SectionKind::Table)
        return;
    const auto& table = static_cast<const ThtmlTable&>(section);
    if (table.caption())
        collectCell(table.caption()->cell(), out);
    for (const TCellList& row : table.rows()) {
        for (const auto& cell : row) {
            if (cell)
                collectCell(cell->cell(), out);
        }
    }
}

template <typename Span>
void collectCell(const TCell& cell, std::vector<Span>& out)
{
    for (const auto& section : cell.sections())
        collectSection(*section, out);
}

} // namespace

PageBreaker::PageBreaker(const TSectionList& document, int documentHeight)
    : m_documentHeight(std::max(0, documentHeight))
{
    collectCell(document, m_lines);
    std::sort(m_lines.begin(), m_lines.end(), [](const Span& a, const Span& b) { return a.top < b.top; });
}

PageCut PageBreaker::next(int top, int height) const
{
    const int limit = top + std::max(1, height);
    if (limit >= m_documentHeight)
        return PageCut{m_documentHeight, true};
    // Lines of neighbouring table cells overlap, so moving the cut above one line may put it
    // inside another: move up to the highest top of the lines it splits until it splits none.
    // Lines that began on an earlier page or are taller than a page are cut wherever they
    // stand; keeping them whole would only give pages that never move on.
    const int pageHeight = limit - top;
    int cut = limit;
    for (;;) {
        const auto end = std::lower_bound(m_lines.begin(), m_lines.end(), cut,
                                          [](const Span& span, int y) { return span.top < y; });
        int highestTop = cut;
        for (auto line = m_lines.begin(); line != end; ++line) {
            if (line->bottom > cut && line->top > top && line->bottom - line->top <= pageHeight)
                highestTop = line->top;
        }
        if (highestTop == cut)
            break;
        cut = highestTop;
    }
    return PageCut{cut, false};
}

std::vector<PageStrip> paginate(const TSectionList& document, int documentHeight, int pageHeight)
{
    const PageBreaker breaker(document, documentHeight);
    std::vector<PageStrip> pages;
    int top = 0;
    for (;;) {
        const PageCut cut = breaker.next(top, pageHeight);
        pages.push_back(PageStrip{top, cut.bottom});
        if (cut.documentEnded)
            return pages;
        top = cut.bottom;
    }
}

} // namespace tessera::viewer
