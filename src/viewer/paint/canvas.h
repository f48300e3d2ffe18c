#pragma once

#include "viewer/model/color.h"
#include "viewer/model/font.h"

#include <algorithm>
#include <string_view>

namespace tessera::viewer {

struct Bitmap;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool intersects(const Rect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect translated(int dx, int dy) const { return Rect{left + dx, top + dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect& other) const
    {
        return Rect{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                    std::min(bottom, other.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Where painting goes. Coordinates are device pixels; the painter has already applied the
// scroll offset. Text is UTF-8 and placed by its baseline.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void fillRect(const Rect& rect, Color color) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, Color color) = 0;
    // An ellipse inside the rectangle, filled or only outlined.
    virtual void drawEllipse(const Rect& rect, Color color, bool filled) = 0;
    // Text with a transparent background, or on an opaque `background` when one is given.
    virtual void drawText(int x, int baseline, std::string_view text, const TMyFont& font, Color color,
                          const Color* background = nullptr) = 0;
    // The picture scaled to the rectangle; transparent pixels let the background show.
    virtual void drawImage(const Rect& rect, const Bitmap& bitmap) = 0;
    virtual void setClip(const Rect& rect) = 0;
    virtual Rect clip() const = 0;
};

} // namespace tessera::viewer
