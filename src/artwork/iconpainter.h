#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>

#include <functional>
#include <initializer_list>

class QPainter;

// Every picture of the program is drawn in code on one 24-unit grid, with one outline colour and
// a small shared palette, so the main window's buttons and the tool book look of a piece.
namespace artwork {

inline constexpr QColor ink(0x2b, 0x33, 0x40);
inline constexpr QColor paper(0xfb, 0xfb, 0xf6);
inline constexpr QColor accent(0x2f, 0x7d, 0xd1);
inline constexpr QColor warm(0xe8, 0x9a, 0x2c);
inline constexpr QColor alert(0xc8, 0x3a, 0x32);
inline constexpr QColor leaf(0x3c, 0x9a, 0x55);

inline constexpr int grid = 24;

// A sheet of paper; a fold of 0 leaves its corner square.
void sheet(QPainter& p, const QRectF& r, qreal fold);

using GridDrawing = std::function<void(QPainter&)>;

// The drawing at each size, scaled from the grid, with a grey faded copy as the disabled state.
QIcon gridIcon(const GridDrawing& draw, std::initializer_list<int> sizes);

} // namespace artwork
