#pragma once

#include "viewer/paint/canvas.h"

#include <cstdio>
#include <string>

namespace tessera::viewer::testing {

inline std::string hex(Color c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c.rgb()));
    return buffer;
}

// Writes every drawing call as a line of text.
class RecordingCanvas : public Canvas {
public:
    void fillRect(const Rect& r, Color c) override { add("fill " + rect(r) + " " + hex(c)); }
    void drawLine(int x1, int y1, int x2, int y2, Color c) override
    {
        add("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," + std::to_string(y2) + " " + hex(c));
    }
    void drawEllipse(const Rect& r, Color c, bool filled) override { add(std::string(filled ? "disc " : "ring ") + rect(r) + " " + hex(c)); }
    void drawText(int x, int baseline, std::string_view text, const TMyFont& font, Color color, const Color* background) override
    {
        std::string line = "text " + std::to_string(x) + "," + std::to_string(baseline) + " \"" + std::string(text) + "\" " + hex(color);
        if (font.underline)
            line += " underline";
        if (background)
            line += " on " + hex(*background);
        add(line);
    }
    void drawImage(const Rect& r, const Bitmap&) override { add("image " + rect(r)); }
    void setClip(const Rect& r) override { m_clip = r; }
    Rect clip() const override { return m_clip; }

    std::string log;
    int texts = 0;

private:
    static std::string rect(const Rect& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
    }
    void add(const std::string& line)
    {
        if (line.rfind("text", 0) == 0)
            ++texts;
        log += line + "\n";
    }
    Rect m_clip;
};

} // namespace tessera::viewer::testing
