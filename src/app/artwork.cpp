#include "app/artwork.h"

#include "artwork/iconpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

// The main window's sheets have a larger fold than the tool book's.
constexpr qreal pageFold = 5;

void textLines(QPainter& p, QRectF r, int count)
{
    QPen pen(accent, 1.4);
    p.save();
    p.setPen(pen);
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 3 + i * 3.2;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - (i % 2 ? 5 : 3), y));
    }
    p.restore();
}

void arrow(QPainter& p, bool pointsRight)
{
    QPainterPath path;
    if (pointsRight) {
        path.moveTo(4, 9); path.lineTo(12, 9); path.lineTo(12, 4); path.lineTo(20, 12);
        path.lineTo(12, 20); path.lineTo(12, 15); path.lineTo(4, 15);
    } else {
        path.moveTo(20, 9); path.lineTo(12, 9); path.lineTo(12, 4); path.lineTo(4, 12);
        path.lineTo(12, 20); path.lineTo(12, 15); path.lineTo(20, 15);
    }
    path.closeSubpath();
    p.setBrush(leaf);
    p.drawPath(path);
}

void drawGlyph(QPainter& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Open: {
        QPainterPath back;
        back.moveTo(2, 6); back.lineTo(8, 6); back.lineTo(10, 8); back.lineTo(19, 8); back.lineTo(19, 19);
        back.lineTo(2, 19); back.closeSubpath();
        p.setBrush(warm.darker(115));
        p.drawPath(back);
        QPainterPath front;
        front.moveTo(5, 11); front.lineTo(22, 11); front.lineTo(19, 19); front.lineTo(2, 19); front.closeSubpath();
        p.setBrush(warm);
        p.drawPath(front);
        break;
    }
    case Glyph::ClosePage:
        sheet(p, QRectF(4, 2, 14, 19), pageFold);
        textLines(p, QRectF(4, 4, 14, 19), 3);
        p.setPen(QPen(alert, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 13), QPointF(20, 21));
        p.drawLine(QPointF(20, 13), QPointF(12, 21));
        break;
    case Glyph::Save:
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(6, 3, 12, 7));
        p.setBrush(ink);
        p.drawRect(QRectF(14, 4.5, 2.5, 4));
        p.setBrush(paper);
        p.drawRect(QRectF(6, 13, 12, 8));
        break;
    case Glyph::FullScreen:
        p.setBrush(paper);
        p.drawRect(QRectF(2, 4, 20, 14));
        p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(5, 10), QPointF(5, 7), QPointF(8, 7)}));
        p.drawPolyline(QPolygonF({QPointF(16, 7), QPointF(19, 7), QPointF(19, 10)}));
        p.drawPolyline(QPolygonF({QPointF(5, 12), QPointF(5, 15), QPointF(8, 15)}));
        p.drawPolyline(QPolygonF({QPointF(16, 15), QPointF(19, 15), QPointF(19, 12)}));
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(8, 21), QPointF(16, 21));
        p.drawLine(QPointF(12, 18), QPointF(12, 21));
        break;
    case Glyph::Print:
        sheet(p, QRectF(7, 2, 10, 8), 0);
        p.setBrush(ink.lighter(190));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        sheet(p, QRectF(6, 14, 12, 8), 0);
        textLines(p, QRectF(6, 14, 12, 8), 2);
        p.setBrush(leaf);
        p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
        break;
    case Glyph::Refresh: {
        p.setPen(QPen(leaf, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 150 * 16);
        p.drawArc(QRectF(4, 4, 16, 16), 210 * 16, 150 * 16);
        p.setPen(QPen(ink, 1));
        p.setBrush(leaf);
        p.drawPolygon(QPolygonF({QPointF(21, 3), QPointF(21, 10), QPointF(14, 8)}));
        p.drawPolygon(QPolygonF({QPointF(3, 21), QPointF(3, 14), QPointF(10, 16)}));
        break;
    }
    case Glyph::ToggleSplit:
        p.setBrush(paper);
        p.drawRect(QRectF(2, 3, 20, 18));
        p.setBrush(accent.lighter(160));
        p.drawRect(QRectF(2, 3, 10, 18));
        p.setPen(QPen(warm, 2));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.setPen(QPen(ink, 1.2));
        p.drawLine(QPointF(14.5, 12), QPointF(19.5, 12));
        p.drawLine(QPointF(17, 9.5), QPointF(17, 14.5));
        break;
    case Glyph::NewPage:
        sheet(p, QRectF(4, 2, 15, 20), pageFold);
        p.setPen(QPen(warm, 1.2));
        p.setBrush(warm.lighter(130));
        p.drawPolygon(QPolygonF({QPointF(12, 9), QPointF(13.4, 12.4), QPointF(17, 12.6), QPointF(14.2, 14.8),
                                 QPointF(15.2, 18.4), QPointF(12, 16.4), QPointF(8.8, 18.4), QPointF(9.8, 14.8),
                                 QPointF(7, 12.6), QPointF(10.6, 12.4)}));
        break;
    case Glyph::Back:
        arrow(p, false);
        break;
    case Glyph::Forward:
        arrow(p, true);
        break;
    case Glyph::Browser:
        p.setBrush(accent.lighter(150));
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(7.5, 2.5, 9, 19));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(4.5, 7), QPointF(19.5, 7));
        p.drawLine(QPointF(4.5, 17), QPointF(19.5, 17));
        break;
    case Glyph::Projects:
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(6, 8), QPointF(6, 19));
        p.drawLine(QPointF(6, 13), QPointF(11, 13));
        p.drawLine(QPointF(6, 19), QPointF(11, 19));
        p.setPen(QPen(ink, 1));
        p.setBrush(warm);
        p.drawRect(QRectF(2, 2, 9, 6));
        p.setBrush(paper);
        p.drawRect(QRectF(11, 10, 10, 6));
        p.drawRect(QRectF(11, 16, 10, 6));
        break;
    case Glyph::Cut:
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 15), QPointF(17, 2));
        p.drawLine(QPointF(16, 15), QPointF(7, 2));
        p.setPen(QPen(ink, 1));
        p.setBrush(alert);
        p.drawEllipse(QRectF(3, 14, 7, 7));
        p.drawEllipse(QRectF(14, 14, 7, 7));
        p.setBrush(paper);
        p.drawEllipse(QRectF(5, 16, 3, 3));
        p.drawEllipse(QRectF(16, 16, 3, 3));
        break;
    case Glyph::Paste:
        p.setBrush(warm);
        p.drawRoundedRect(QRectF(3, 4, 14, 18), 1.5, 1.5);
        p.setBrush(ink.lighter(190));
        p.drawRect(QRectF(7, 2, 6, 4));
        sheet(p, QRectF(10, 9, 11, 13), pageFold);
        textLines(p, QRectF(10, 10, 11, 13), 3);
        break;
    case Glyph::Copy:
        sheet(p, QRectF(3, 2, 12, 15), pageFold);
        textLines(p, QRectF(3, 3, 12, 15), 3);
        sheet(p, QRectF(9, 7, 12, 15), pageFold);
        textLines(p, QRectF(9, 8, 12, 15), 3);
        break;
    case Glyph::Spell: {
        QFont font(QStringLiteral("Sans Serif"));
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(0, 1, 24, 12), Qt::AlignCenter, QStringLiteral("ABC"));
        p.setPen(QPen(leaf, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(10, 21), QPointF(19, 13)}));
        break;
    }
    }
}

void drawTiles(QPainter& p, QRectF area, int columns, int rows)
{
    const QColor colours[] = {accent, warm, leaf, alert, accent.lighter(140), warm.lighter(130)};
    const qreal w = area.width() / columns;
    const qreal h = area.height() / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QColor colour = colours[(r * 7 + c * 3 + (r * c) % 5) % 6];
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(area.left() + c * w + 1.5, area.top() + r * h + 1.5, w - 3, h - 3), 2, 2);
        }
    }
}

} // namespace

QIcon toolIcon(Glyph glyph)
{
    return gridIcon([glyph](QPainter& p) { drawGlyph(p, glyph); }, {20, 24, 40, 48});
}

QPixmap bulb()
{
    QPixmap pixmap(56, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(28, 24), 28);
    glow.setColorAt(0, QColor(255, 240, 150, 200));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(QRectF(0, 0, 56, 52));
    p.setPen(QPen(ink, 1.6));
    QRadialGradient glass(QPointF(23, 18), 20);
    glass.setColorAt(0, QColor(255, 255, 235));
    glass.setColorAt(1, QColor(255, 214, 80));
    p.setBrush(glass);
    QPainterPath bulbPath;
    bulbPath.moveTo(20, 46);
    bulbPath.cubicTo(20, 36, 10, 32, 10, 22);
    bulbPath.cubicTo(10, 11, 18, 5, 28, 5);
    bulbPath.cubicTo(38, 5, 46, 11, 46, 22);
    bulbPath.cubicTo(46, 32, 36, 36, 36, 46);
    bulbPath.closeSubpath();
    p.drawPath(bulbPath);
    p.setPen(QPen(warm.darker(120), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(23, 45), QPointF(23, 30), QPointF(26, 27), QPointF(28, 30), QPointF(30, 27),
                              QPointF(33, 30), QPointF(33, 45)}));
    p.setPen(QPen(ink, 1.4));
    p.setBrush(QColor(0xa8, 0xae, 0xb8));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(19, 46 + i * 5, 18, 5), 2, 2);
    p.setBrush(ink);
    p.drawEllipse(QRectF(25, 66, 6, 4));
    return pixmap;
}

QPixmap splashPicture()
{
    QPixmap pixmap(420, 240);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 240);
    background.setColorAt(0, QColor(0x1d, 0x2b, 0x45));
    background.setColorAt(1, QColor(0x33, 0x4d, 0x78));
    p.fillRect(pixmap.rect(), background);
    p.setPen(QPen(QColor(0x1d, 0x2b, 0x45), 1));
    drawTiles(p, QRectF(24, 28, 120, 120), 5, 5);
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(160, 40, 250, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tessera!"));
    QFont sub = title;
    sub.setPixelSize(18);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0xd5, 0xe1, 0xf5));
    p.drawText(QRectF(162, 96, 250, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HTML source editor"));
    p.drawText(QRectF(162, 122, 250, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("32"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.drawText(QRectF(24, 196, 372, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Marrowdale Software \u2014 starting up\u2026"));
    return pixmap;
}

QPixmap aboutPicture()
{
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1));
    drawTiles(p, QRectF(4, 4, 88, 88), 4, 4);
    return pixmap;
}

} // namespace artwork
