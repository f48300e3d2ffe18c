#pragma once

#include "viewer/layout/layout.h"

#include <functional>

namespace tessera::viewer {

struct LineRec;
class TFormControlObj;
class TImageObj;
class TSection;
struct TFontObj;

// One piece of a laid-out line, from left to right: a text run in one font, an image or a
// control. Floating images are reported with their own place, not the pen's.
struct LinePiece {
    enum class Kind { Text, Image, FloatingImage, Control };
    Kind kind = Kind::Text;
    int start = 0; // byte positions in the section text
    int end = 0;
    int x = 0;     // pen position where the piece starts
    int width = 0;
    const TFontObj* font = nullptr; // the font in effect (also for images and controls)
    TImageObj* image = nullptr;
    TFormControlObj* control = nullptr;
};

// Calls `visit` for each piece of the line; stops early when it returns false.
void walkLine(LayoutEngine& engine, TSection& section, const LineRec& line, const std::function<bool(const LinePiece&)>& visit);

// The image or visible control whose placeholder is at a text position, or nullptr.
TImageObj* imageAt(TSection& section, int position);
TFormControlObj* controlAt(TSection& section, int position);

} // namespace tessera::viewer
