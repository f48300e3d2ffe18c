#pragma once

#include "viewer/layout/pagebreak.h"
#include "viewer/paint/painter.h"

#include <vector>

namespace tessera::viewer {

// A device of sheets: the canvas of the current sheet and the step to the next one.
class SheetTarget {
public:
    virtual ~SheetTarget() = default;
    virtual Canvas& canvas() = 0;
    // False when the device could not start a sheet; the job then stops.
    virtual bool newSheet() = 0;
};

// Paints each page's strip of a laid-out document on a sheet of its own, `leftOffset` pixels
// from the sheet's left edge and `width` wide. A new sheet is started only between two pages.
// Returns false when the target refused a sheet.
bool printPages(Painter& painter, TSectionList& document, const std::vector<PageStrip>& pages, int leftOffset,
                int width, SheetTarget& target, PaintOptions options = {});

} // namespace tessera::viewer
