#pragma once

#include "viewer/paint/canvas.h"

#include <QFont>
#include <QPainter>

#include <string>
#include <unordered_map>

namespace tessera::viewer {

// Paints with a QPainter: into a widget, an image or a printer.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void fillRect(const Rect& rect, Color color) override;
    void drawLine(int x1, int y1, int x2, int y2, Color color) override;
    void drawEllipse(const Rect& rect, Color color, bool filled) override;
    void drawText(int x, int baseline, std::string_view text, const TMyFont& font, Color color,
                  const Color* background = nullptr) override;
    void drawImage(const Rect& rect, const Bitmap& bitmap) override;
    void setClip(const Rect& rect) override;
    Rect clip() const override { return m_clip; }

private:
    const QFont& fontFor(const TMyFont& font);

    QPainter& m_painter;
    Rect m_clip;
    std::unordered_map<std::string, QFont> m_fonts;
};

} // namespace tessera::viewer
