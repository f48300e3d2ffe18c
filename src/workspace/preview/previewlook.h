#pragma once

struct TesseraSettings;
namespace tessera::viewer {
class TPageViewer;
}

namespace tessera::workspace {

// The stored preview font name, size, colour and background as the viewer's defaults; empty or
// unusable values leave the viewer's own.
void applyPreviewLook(const TesseraSettings& settings, viewer::TPageViewer& viewer);

} // namespace tessera::workspace
