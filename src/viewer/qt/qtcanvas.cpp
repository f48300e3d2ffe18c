#include "viewer/qt/qtcanvas.h"

#include "viewer/model/image.h"
#include "viewer/qt/qttextmeasurer.h"

#include <QFontMetrics>
#include <QImage>

namespace tessera::viewer {

namespace {

QColor qcolor(Color color) { return QColor(color.r, color.g, color.b); }
QRect qrect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

} // namespace

QtCanvas::QtCanvas(QPainter& painter) : m_painter(painter)
{
    QRect window = painter.window();
    m_clip = Rect{window.left(), window.top(), window.right() + 1, window.bottom() + 1};
}

void QtCanvas::fillRect(const Rect& rect, Color color)
{
    if (!rect.empty())
        m_painter.fillRect(qrect(rect), qcolor(color));
}

void QtCanvas::drawLine(int x1, int y1, int x2, int y2, Color color)
{
    m_painter.setPen(QPen(qcolor(color), 0));
    m_painter.drawLine(x1, y1, x2, y2);
}

void QtCanvas::drawEllipse(const Rect& rect, Color color, bool filled)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    if (filled) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(qcolor(color));
        m_painter.drawEllipse(QRectF(rect.left, rect.top, rect.width(), rect.height()));
    } else {
        m_painter.setPen(QPen(qcolor(color), 1));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawEllipse(QRectF(rect.left + 0.5, rect.top + 0.5, rect.width() - 1, rect.height() - 1));
    }
    m_painter.restore();
}

const QFont& QtCanvas::fontFor(const TMyFont& font)
{
    std::string key = font.name + '|' + std::to_string(font.size) + (font.bold ? 'b' : '-') + (font.italic ? 'i' : '-')
        + (font.underline ? 'u' : '-') + (font.fixed ? 'f' : '-');
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.emplace(std::move(key), qtFontFor(font)).first;
    return found->second;
}

void QtCanvas::drawText(int x, int baseline, std::string_view text, const TMyFont& font, Color color, const Color* background)
{
    if (text.empty())
        return;
    const QFont& qfont = fontFor(font);
    m_painter.setFont(qfont);
    QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (background) {
        QFontMetrics metrics(qfont);
        m_painter.fillRect(QRect(x, baseline - metrics.ascent(), metrics.horizontalAdvance(string), metrics.height()),
                           qcolor(*background));
    }
    m_painter.setPen(qcolor(color));
    m_painter.drawText(QPoint(x, baseline), string);
}

void QtCanvas::drawImage(const Rect& rect, const Bitmap& bitmap)
{
    if (rect.empty() || bitmap.width <= 0 || bitmap.height <= 0)
        return;
    QImage image(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height, bitmap.width * 4,
                 QImage::Format_ARGB32);
    m_painter.drawImage(qrect(rect), image);
}

void QtCanvas::setClip(const Rect& rect)
{
    m_clip = rect;
    m_painter.setClipRect(qrect(rect));
}

} // namespace tessera::viewer
