#include "workspace/tags/toolbookicons.h"

#include "artwork/iconpainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace ToolBookIcons {
namespace {

using namespace artwork;

// The tool book's sheets fold less than the main window's, to leave room for what they hold.
constexpr qreal pageFold = 4;

void letters(QPainter& p, const QRectF& r, const QString& text, qreal size, bool bold = true, bool italic = false,
             const QColor& colour = ink, const QString& family = QStringLiteral("Serif"))
{
    QFont font(family);
    font.setPixelSize(int(size));
    font.setBold(bold);
    font.setItalic(italic);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

void hline(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& colour = ink, qreal width = 1.6)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    p.restore();
}

void box(QPainter& p, const QRectF& r, const QColor& fill = paper, qreal radius = 1.5)
{
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void picture(QPainter& p, const QRectF& r)
{
    box(p, r, QColor(0xdd, 0xee, 0xfb), 1);
    QPainterPath hills;
    hills.moveTo(r.left() + 1, r.bottom() - 1);
    hills.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.45);
    hills.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.7);
    hills.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55);
    hills.lineTo(r.right() - 1, r.bottom() - 1);
    hills.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(leaf);
    p.drawPath(hills);
    p.setBrush(warm);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3), r.width() * 0.1, r.width() * 0.1);
    p.restore();
}

void chain(QPainter& p, const QPointF& centre)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(accent, 2.2));
    p.translate(centre);
    p.rotate(-35);
    p.drawRoundedRect(QRectF(-9, -3, 10, 6), 3, 3);
    p.setPen(QPen(ink, 2.2));
    p.drawRoundedRect(QRectF(-1, -3, 10, 6), 3, 3);
    p.restore();
}

void envelope(QPainter& p, const QRectF& r)
{
    box(p, r, paper, 1);
    QPainterPath flap;
    flap.moveTo(r.topLeft());
    flap.lineTo(r.center().x(), r.center().y() + 1);
    flap.lineTo(r.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void star(QPainter& p, const QPointF& c, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 ? radius * 0.45 : radius;
        const QPointF point(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    p.setBrush(warm);
    p.drawPath(path);
}

void textRows(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step, bool centred = false)
{
    for (int i = 0; i < count; ++i) {
        const qreal inset = centred ? (i % 2 ? 3 : 0) : 0;
        const qreal shorten = centred ? inset : (i % 2 ? 4 : 0);
        hline(p, left + inset, right - shorten, top + i * step);
    }
}

void draw(QPainter& p, Icon which)
{
    switch (which) {
    case Icon::Bold:
        letters(p, QRectF(0, 0, grid, grid), QStringLiteral("B"), 19);
        break;
    case Icon::Italic:
        letters(p, QRectF(0, 0, grid, grid), QStringLiteral("I"), 19, true, true);
        break;
    case Icon::Underline:
        letters(p, QRectF(0, -2, grid, grid), QStringLiteral("U"), 17);
        hline(p, 6, 18, 21, accent, 2);
        break;
    case Icon::Center:
        textRows(p, 4, 20, 6, 5, 3.2, true);
        break;
    case Icon::Subscript:
        letters(p, QRectF(0, 0, 15, 20), QStringLiteral("x"), 17, false, true);
        letters(p, QRectF(12, 11, 11, 12), QStringLiteral("2"), 10, true, false, accent, QStringLiteral("Sans"));
        break;
    case Icon::Superscript:
        letters(p, QRectF(0, 4, 15, 20), QStringLiteral("x"), 17, false, true);
        letters(p, QRectF(12, 1, 11, 12), QStringLiteral("2"), 10, true, false, accent, QStringLiteral("Sans"));
        break;
    case Icon::FontLarger:
        letters(p, QRectF(0, 2, 16, 22), QStringLiteral("A"), 18);
        letters(p, QRectF(13, 1, 11, 12), QStringLiteral("+"), 14, true, false, leaf, QStringLiteral("Sans"));
        break;
    case Icon::FontSmaller:
        letters(p, QRectF(0, 5, 16, 18), QStringLiteral("A"), 13);
        letters(p, QRectF(13, 1, 11, 12), QStringLiteral("\u2212"), 14, true, false, alert, QStringLiteral("Sans"));
        break;
    case Icon::FontColour: {
        letters(p, QRectF(0, -3, grid, grid), QStringLiteral("A"), 16);
        const QColor bands[] = {alert, warm, leaf, accent};
        p.save();
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(bands[i]);
            p.drawRect(QRectF(4 + i * 4, 18, 4, 3.5));
        }
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 18, 16, 3.5));
        break;
    }
    case Icon::FontDialog:
        sheet(p, QRectF(3, 2, 18, 20), pageFold);
        letters(p, QRectF(3, 3, 18, 19), QStringLiteral("Aa"), 11);
        hline(p, 6, 18, 18, accent, 1.4);
        break;
    case Icon::Comment:
        letters(p, QRectF(0, 0, grid, grid), QStringLiteral("<!>"), 11, true, false, ink, QStringLiteral("Monospace"));
        break;
    case Icon::NonBreakingSpace:
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        {
            QPainterPath cup;
            cup.moveTo(5, 9);
            cup.lineTo(5, 15);
            cup.lineTo(19, 15);
            cup.lineTo(19, 9);
            p.drawPath(cup);
        }
        p.setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 18.5), QPointF(15, 18.5));
        p.restore();
        break;
    case Icon::LineBreak: {
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath path;
        path.moveTo(18, 5);
        path.lineTo(18, 14);
        path.lineTo(6, 14);
        p.drawPath(path);
        QPainterPath head;
        head.moveTo(10, 10);
        head.lineTo(6, 14);
        head.lineTo(10, 18);
        p.drawPath(head);
        p.restore();
        break;
    }
    case Icon::HorizontalRule:
        hline(p, 5, 19, 6, ink, 1.2);
        p.save();
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(3, 10.5, 18, 3.5), 1, 1);
        p.restore();
        hline(p, 5, 15, 18, ink, 1.2);
        break;
    case Icon::Paragraph:
        letters(p, QRectF(0, 0, grid, grid), QStringLiteral("\u00b6"), 18);
        break;
    case Icon::Division:
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(accent, 1.4, Qt::DashLine));
        p.drawRect(QRectF(3.5, 4.5, 17, 15));
        p.restore();
        textRows(p, 7, 17, 9, 3, 3.2);
        break;
    case Icon::Heading:
        letters(p, QRectF(0, 0, grid, grid), QStringLiteral("H"), 18);
        break;
    case Icon::DownArrow: {
        QPainterPath path;
        path.moveTo(7, 10);
        path.lineTo(17, 10);
        path.lineTo(12, 15);
        path.closeSubpath();
        p.setBrush(ink);
        p.drawPath(path);
        break;
    }
    case Icon::ListItem:
        p.setBrush(accent);
        p.drawEllipse(QPointF(6, 12), 2.6, 2.6);
        hline(p, 11, 20, 12, ink, 2);
        break;
    case Icon::List:
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 0 ? accent : (i == 1 ? leaf : warm));
            p.drawEllipse(QPointF(5.5, 6 + i * 6), 2.2, 2.2);
            hline(p, 10, i == 1 ? 17 : 20, 6 + i * 6, ink, 1.8);
        }
        break;
    case Icon::Table:
    case Icon::TableWizard: {
        const QRectF r(2.5, 4.5, 19, 15);
        box(p, r, paper, 1);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(accent.lighter(150));
        p.drawRect(QRectF(r.left() + 0.6, r.top() + 0.6, r.width() - 1.2, 4.4));
        p.restore();
        for (int i = 1; i < 3; ++i)
            hline(p, r.left(), r.right(), r.top() + i * 5, ink, 1);
        for (int i = 1; i < 3; ++i) {
            const qreal x = r.left() + i * r.width() / 3;
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        }
        if (which == Icon::TableWizard)
            star(p, QPointF(18.5, 6), 5);
        break;
    }
    case Icon::Image:
        picture(p, QRectF(2.5, 4.5, 19, 15));
        break;
    case Icon::ImageGallery:
        picture(p, QRectF(1.5, 3.5, 13, 10));
        picture(p, QRectF(9.5, 10.5, 13, 10));
        break;
    case Icon::Link:
        chain(p, QPointF(12, 12));
        break;
    case Icon::CheckBox: {
        box(p, QRectF(4.5, 4.5, 15, 15));
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(leaf, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(8, 12);
        tick.lineTo(11, 15.5);
        tick.lineTo(16.5, 8.5);
        p.drawPath(tick);
        p.restore();
        break;
    }
    case Icon::RadioButton:
        p.setBrush(paper);
        p.drawEllipse(QPointF(12, 12), 7.5, 7.5);
        p.setBrush(accent);
        p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
        break;
    case Icon::TextField:
        box(p, QRectF(2.5, 7.5, 19, 9));
        p.drawLine(QPointF(6, 9.5), QPointF(6, 14.5));
        letters(p, QRectF(7, 7, 12, 10), QStringLiteral("ab"), 8, false, false, accent, QStringLiteral("Sans"));
        break;
    case Icon::TextArea:
        box(p, QRectF(2.5, 3.5, 19, 17));
        textRows(p, 5.5, 16, 7.5, 4, 3.2);
        p.drawLine(QPointF(18.5, 4), QPointF(18.5, 20));
        break;
    case Icon::HiddenField:
        p.save();
        p.setBrush(paper);
        p.setPen(QPen(ink, 1.2, Qt::DashLine));
        p.drawRoundedRect(QRectF(2.5, 7.5, 19, 9), 1.5, 1.5);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 4.5, 2.6);
        p.setBrush(ink);
        p.drawEllipse(QPointF(12, 12), 1.2, 1.2);
        break;
    case Icon::ListBox:
        box(p, QRectF(2.5, 3.5, 19, 17));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRect(QRectF(3.1, 9, 13.5, 4.5));
        p.restore();
        hline(p, 5, 14, 6.5, ink, 1.2);
        hline(p, 5, 14, 11.25, paper, 1.4);
        hline(p, 5, 14, 16.5, ink, 1.2);
        p.drawLine(QPointF(17, 4), QPointF(17, 20));
        break;
    case Icon::Option:
        box(p, QRectF(2.5, 6.5, 19, 11));
        letters(p, QRectF(2.5, 6.5, 19, 11), QStringLiteral("Op"), 9, true, false, accent, QStringLiteral("Sans"));
        break;
    case Icon::FormSkeleton:
    case Icon::FormWizard:
        sheet(p, QRectF(3, 2, 17, 20), pageFold);
        box(p, QRectF(5.5, 6, 11, 3), QColor(0xdd, 0xee, 0xfb), 0.5);
        box(p, QRectF(5.5, 11, 11, 3), QColor(0xdd, 0xee, 0xfb), 0.5);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(leaf);
        p.drawRoundedRect(QRectF(5.5, 16, 6, 3), 1, 1);
        p.restore();
        if (which == Icon::FormWizard)
            star(p, QPointF(18.5, 6), 5);
        break;
    case Icon::TemplateBody:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        textRows(p, 7, 17, 7, 5, 3);
        break;
    case Icon::TemplateLink:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        chain(p, QPointF(12, 13));
        break;
    case Icon::TemplateMailLink:
        envelope(p, QRectF(2.5, 6.5, 19, 12));
        break;
    case Icon::TemplateImage:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        picture(p, QRectF(6.5, 8, 11, 9));
        break;
    case Icon::TemplateText:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        letters(p, QRectF(4, 4, 16, 18), QStringLiteral("T"), 13);
        break;
    case Icon::TemplateHeading:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        letters(p, QRectF(4, 2, 16, 12), QStringLiteral("H"), 10);
        textRows(p, 7, 17, 15, 2, 3);
        break;
    case Icon::TemplateDefaults:
        sheet(p, QRectF(4, 2, 16, 20), pageFold);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRect(QRectF(6.5, 6, 4, 4));
        p.setBrush(warm);
        p.drawRect(QRectF(11.5, 6, 4, 4));
        p.setBrush(leaf);
        p.drawRect(QRectF(6.5, 11, 4, 4));
        p.setBrush(alert);
        p.drawRect(QRectF(11.5, 11, 4, 4));
        p.restore();
        hline(p, 7, 16, 18.5, ink, 1.2);
        break;
    case Icon::TemplateWizard:
        sheet(p, QRectF(3, 3, 15, 19), pageFold);
        textRows(p, 6, 14, 9, 3, 3);
        star(p, QPointF(17.5, 6.5), 5.5);
        break;
    }
}

} // namespace

QIcon icon(Icon which)
{
    return artwork::gridIcon([which](QPainter& p) { draw(p, which); }, {16, 20, 24, 32, 48});
}

} // namespace ToolBookIcons
