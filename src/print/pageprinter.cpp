#include "print/pageprinter.h"

#include "print/sourcelines.h"

#include "viewer/layout/layout.h"
#include "viewer/layout/pagebreak.h"
#include "viewer/model/sectionlist.h"
#include "viewer/paint/pageprinter.h"
#include "viewer/parser/htmlparser.h"
#include "viewer/qt/qtcanvas.h"
#include "viewer/qt/qtimagesource.h"
#include "viewer/qt/qttextmeasurer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <exception>

using namespace tessera::viewer;

namespace {

// The preview's left margin; the layout leaves room for it on both sides.
constexpr int kLeftOffset = 10;

Color toColor(const QColor& colour) { return Color::fromRgb(colour.rgb() & 0xFFFFFFu); }

// Pixels per inch of the screen pages are laid out for (96 without a display).
double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

class PrinterSheets : public SheetTarget {
public:
    PrinterSheets(QPrinter& printer, QPainter& painter) : m_printer(printer), m_canvas(painter) {}
    Canvas& canvas() override { return m_canvas; }
    bool newSheet() override { return m_printer.newPage(); }

private:
    QPrinter& m_printer;
    QtCanvas m_canvas;
};

} // namespace

PagePrinter::PagePrinter()
    : QsciPrinter(QPrinter::HighResolution)
{
    setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

bool PagePrinter::print(const PrintSource& source, PrintViews views)
{
    m_error.clear();
    QPainter painter;
    if (!painter.begin(this)) {
        m_error = outputFormat() == QPrinter::PdfFormat
            ? QStringLiteral("Could not write ") + outputFileName()
            : QStringLiteral("Could not start printing on ") + printerName();
        return false;
    }
    bool ok = true;
    if (views != PrintViews::Text)
        ok = printGraphic(painter, source);
    if (ok && views == PrintViews::Both && !newPage()) {
        m_error = QStringLiteral("Could not start a new page.");
        ok = false;
    }
    if (ok && views != PrintViews::Graphic)
        ok = printText(painter, source);
    if (!painter.end() && ok) {
        m_error = QStringLiteral("The printer did not finish the job.");
        ok = false;
    }
    return ok;
}

bool PagePrinter::printGraphic(QPainter& painter, const PrintSource& source)
{
    // Laid out in screen pixels and drawn scaled to the printer, so text measures on paper as
    // it was laid out. Fonts are sized in pixels and scale with the painter.
    const double scale = resolution() / screenDpi();
    const QRect paper = pageLayout().paintRectPixels(resolution());
    const int pageWidth = static_cast<int>(paper.width() / scale);
    const int pageHeight = static_cast<int>(paper.height() / scale);
    const int layoutWidth = std::max(20, pageWidth - 2 * kLeftOffset);

    TSectionList document;
    TNameList names;
    QtImageSource pictures(source.baseDirectory);
    document.setImageSource(&pictures);
    document.viewImages = source.look.viewImages;
    document.ApplyDefaultFonts(source.look.fontName.toStdString(), source.look.preFontName.toStdString(),
                               source.look.fontSize, toColor(source.look.fontColor), toColor(source.look.linkColor),
                               colors::kWhite);
    document.selectionStart = document.selectionEnd = -1;
    QtTextMeasurer measurer(this);
    LayoutEngine engine(measurer);
    LayoutResult layout;
    try {
        const QByteArray text = source.text.toUtf8();
        ParseTextBlock(document, names, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        layout = engine.layoutDocument(document, layoutWidth);
    } catch (const std::exception& error) {
        m_error = QString::fromUtf8(error.what());
        return false;
    }

    painter.save();
    painter.scale(scale, scale);
    PrinterSheets sheets(*this, painter);
    Painter pagePainter(engine);
    const bool ok = printPages(pagePainter, document, paginate(document, layout.height, pageHeight), kLeftOffset,
                               layoutWidth + kLeftOffset, sheets);
    painter.restore();
    if (!ok)
        m_error = QStringLiteral("Could not start a new page.");
    return ok;
}

bool PagePrinter::printText(QPainter& painter, const PrintSource& source)
{
    // Laid out from a copy of the text, so the page editor and the internal clipboard are
    // never touched; measured on the printer, so every wrapped line fits the paper.
    m_header = QFileInfo(source.fileName).fileName();
    painter.save();
    painter.setFont(source.sourceFont);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(source.sourceFont, this);
    const QRect printable(QPoint(0, 0), pageLayout().paintRectPixels(resolution()).size());
    int pageNumber = 1;
    QRect area = printable;
    formatPage(painter, true, area, pageNumber);
    const QStringList lines = wrapSourceLines(source.text, source.tabSize, area.width(),
                                              [&metrics](QChar c) { return metrics.horizontalAdvance(c); });
    qreal y = area.top();
    bool ok = true;
    for (const QString& line : lines) {
        if (y + metrics.height() > area.bottom() && y > area.top()) {
            if (!newPage()) {
                m_error = QStringLiteral("Could not start a new page.");
                ok = false;
                break;
            }
            area = printable;
            formatPage(painter, true, area, ++pageNumber);
            y = area.top();
        }
        painter.drawText(QPointF(area.left(), y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    painter.restore();
    return ok;
}

void PagePrinter::formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber)
{
    QFont font = painter.font();
    font.setPointSize(9);
    const int height = QFontMetrics(font, painter.device()).height();
    if (drawing) {
        painter.save();
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QRect line(area.left(), area.top(), area.width(), height);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_header);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1").arg(pageNumber));
        painter.restore();
    }
    area.setTop(area.top() + height * 2);
}
