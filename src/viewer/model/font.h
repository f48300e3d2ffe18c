#pragma once

#include "viewer/model/color.h"

#include <string>

namespace tessera::viewer {

// A font as the document describes it. `normalSize` is the HTML point size before scaling;
// `size` is the size to draw with: normalSize scaled by the document's default font size / 12,
// so that 12 points is the reference and the whole page scales with the viewer's setting.
struct TMyFont {
    std::string name;
    int size = 12;
    int normalSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixed = false; // fixed-pitch (TT, CODE, KBD, SAMP, PRE)
    Color color;

    void setNormalSize(int points, int defaultFontSize);
    friend bool operator==(const TMyFont&, const TMyFont&) = default;
};

// Integer multiply-divide rounded to the nearest value, halves away from zero, as the platform does it.
int mulDiv(int number, int numerator, int denominator);

// Metrics of a font, measured by layout through its text measurement interface and kept on the
// font object so that a section is measured once per font.
struct FontMetrics {
    bool valid = false;
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int overhang = 0; // extra width of italic glyphs
    // Which measurer the values came from and its number for the font.
    int fontId = -1;
    const void* measuredBy = nullptr;
};

} // namespace tessera::viewer
