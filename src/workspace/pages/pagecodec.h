#pragma once

#include <QByteArray>

// How a page's bytes were written, so that saving can write them back the same way.
enum class PageEncoding {
    Utf8,
    Utf8WithBom,
    // Anything that is not valid UTF-8 is a legacy page. The five byte values that Windows-1252
    // leaves undefined map to the C1 control characters of the same number, so every byte survives.
    Windows1252,
};

enum class LineEnds { None, CrLf, Lf, Cr, Mixed };

struct PageFormat {
    PageEncoding encoding = PageEncoding::Utf8;
    LineEnds lineEnds = LineEnds::None;
    // The style typed line breaks get: the only style in the file, or the commonest one when mixed.
    LineEnds newLineStyle = LineEnds::CrLf;
};

struct DecodedPage {
    QByteArray utf8; // the text as the editor holds it, line ends untouched
    PageFormat format;
};

// Turns page bytes into editor text and back without losing a byte. Line ends are never
// converted: the editor keeps each one as it was, so a page with mixed line ends saves mixed.
class PageCodec
{
public:
    static DecodedPage decode(const QByteArray& bytes);

    // The inverse of decode for the same encoding. A character that Windows-1252 cannot hold (typed
    // into a legacy page) is written as an HTML numeric character reference, which keeps its meaning.
    static QByteArray encode(const QByteArray& utf8, PageEncoding encoding);

    static bool isValidUtf8(const char* data, qsizetype size);
    static LineEnds detectLineEnds(const QByteArray& bytes, LineEnds* commonest = nullptr);
    // Every line end (CR LF, lone CR, lone LF) written as `style`; None and Mixed leave the text as it is.
    static QByteArray convertLineEnds(const QByteArray& text, LineEnds style);
    static QByteArray windows1252ToUtf8(const QByteArray& bytes);
    static QByteArray utf8ToWindows1252(const QByteArray& utf8);
};
