#include "workspace/preview/previewlook.h"

#include "viewer/control/pageviewer.h"
#include "workspace/settings/settings.h"

namespace tessera::workspace {

void applyPreviewLook(const TesseraSettings& settings, viewer::TPageViewer& viewer)
{
    const auto& d = settings.defaults;
    if (!d.htmlFontName.isEmpty())
        viewer.setDefFontName(d.htmlFontName);
    if (const std::optional<int> size = fontSizeFromText(d.htmlFontSize))
        viewer.setDefFontSize(*size);
    if (const std::optional<QColor> colour = colourFromText(d.htmlFontColor))
        viewer.setDefFontColor(*colour);
    if (const std::optional<QColor> colour = colourFromText(d.htmlBackgroundColor))
        viewer.setDefBackground(*colour);
}

} // namespace tessera::workspace
