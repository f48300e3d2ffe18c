#include "viewer/paint/pageprinter.h"

namespace tessera::viewer {

bool printPages(Painter& painter, TSectionList& document, const std::vector<PageStrip>& pages, int leftOffset,
                int width, SheetTarget& target, PaintOptions options)
{
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !target.newSheet())
            return false;
        const PageStrip& page = pages[index];
        options.originX = leftOffset;
        options.originY = -page.top;
        options.clip = Rect{0, 0, leftOffset + width, page.bottom - page.top};
        painter.paintDocument(document, target.canvas(), options);
    }
    return true;
}

} // namespace tessera::viewer
