#pragma once

#include <Qsci/qsciprinter.h>

#include <QColor>
#include <QFont>
#include <QString>

// How the preview draws a page: its default fonts and colours and whether pictures are shown.
struct ViewerLook {
    QString fontName = QStringLiteral("Times New Roman");
    QString preFontName = QStringLiteral("Courier New");
    int fontSize = 12;
    QColor fontColor = Qt::black;
    QColor linkColor = Qt::blue;
    bool viewImages = true;
};

// What is printed of a page: its text as the editor holds it, where its relative names
// resolve, and how each view shows it.
struct PrintSource {
    QString text;
    QString fileName;
    QString baseDirectory;
    ViewerLook look;
    QFont sourceFont;
    int tabSize = 8;
};

enum class PrintViews { Graphic, Text, Both };

// The printer of the whole run. It prints a page as the preview draws it, as source text, or
// both in one job; printing source text puts the file name and page number above each page.
class PagePrinter : public QsciPrinter {
public:
    PagePrinter();

    // Prints to the printer as it is set up, or to its output file. Returns false and sets
    // errorString() when the job could not start or a page could not be added.
    bool print(const PrintSource& source, PrintViews views);
    QString errorString() const { return m_error; }

    void formatPage(QPainter& painter, bool drawing, QRect& area, int pageNumber) override;

private:
    bool printGraphic(QPainter& painter, const PrintSource& source);
    bool printText(QPainter& painter, const PrintSource& source);

    QString m_header;
    QString m_error;
};
