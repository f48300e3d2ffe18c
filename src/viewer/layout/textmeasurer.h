#pragma once

#include "viewer/model/font.h"

#include <string_view>
#include <vector>

namespace tessera::viewer {

// How layout learns the size of text. Fonts are registered once and then named by a small
// number, so that measuring a run does not look the font up again. Text is UTF-8; every count
// is in bytes and always ends on a whole character.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // A number for the font, stable for the measurer's lifetime.
    virtual int fontId(const TMyFont& font) = 0;
    virtual FontMetrics metrics(int fontId) = 0;
    virtual int textWidth(int fontId, std::string_view text) = 0;
    // The number of leading bytes of `text` whose width stays within `maxWidth`, and that width.
    // The default searches with textWidth; measurers with per-character widths do better.
    virtual int fitText(int fontId, std::string_view text, int maxWidth, int& width);
};

// The next character boundary after `index` in UTF-8 text.
int nextCharBoundary(std::string_view text, int index);

// Fixed metrics for tests, so that geometry is the same on every machine. A character is
// size / 2 pixels wide (fixed-pitch fonts: size * 3 / 5), bold adds one pixel; the font is
// size + size / 3 high with a descent of size / 4; italic fonts overhang by size / 6.
class FixedMeasurer : public TextMeasurer {
public:
    int fontId(const TMyFont& font) override;
    FontMetrics metrics(int fontId) override;
    int textWidth(int fontId, std::string_view text) override;
    int fitText(int fontId, std::string_view text, int maxWidth, int& width) override;

    static int charWidth(const TMyFont& font);
    // How many times text was measured; tests use it to see that layout stays linear.
    long long measureCalls = 0;

private:
    struct Entry {
        int size = 12;
        bool bold = false;
        bool italic = false;
        bool fixed = false;
    };
    std::vector<Entry> m_fonts;
};

} // namespace tessera::viewer
