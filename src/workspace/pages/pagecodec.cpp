#include "workspace/pages/pagecodec.h"

#include "text/charset.h"

#include <string_view>

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

bool PageCodec::isValidUtf8(const char* data, qsizetype size)
{
    return tessera::text::isValidUtf8(std::string_view(data, std::size_t(size)));
}

LineEnds PageCodec::detectLineEnds(const QByteArray& bytes, LineEnds* commonest)
{
    qsizetype crlf = 0, lf = 0, cr = 0;
    const qsizetype size = bytes.size();
    const char* p = bytes.constData();
    for (qsizetype i = 0; i < size; ++i) {
        if (p[i] == '\r') {
            if (i + 1 < size && p[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (p[i] == '\n') {
            ++lf;
        }
    }
    LineEnds most = LineEnds::CrLf;
    if (lf > crlf && lf >= cr)
        most = LineEnds::Lf;
    else if (cr > crlf && cr > lf)
        most = LineEnds::Cr;
    if (commonest)
        *commonest = most;
    const int kinds = (crlf > 0) + (lf > 0) + (cr > 0);
    if (kinds == 0)
        return LineEnds::None;
    if (kinds > 1)
        return LineEnds::Mixed;
    return most;
}

QByteArray PageCodec::convertLineEnds(const QByteArray& text, LineEnds style)
{
    QByteArray lineEnd;
    switch (style) {
    case LineEnds::CrLf:
        lineEnd = QByteArrayLiteral("\r\n");
        break;
    case LineEnds::Lf:
        lineEnd = QByteArrayLiteral("\n");
        break;
    case LineEnds::Cr:
        lineEnd = QByteArrayLiteral("\r");
        break;
    case LineEnds::None:
    case LineEnds::Mixed:
        return text;
    }
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    const qsizetype size = text.size();
    const char* p = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        if (p[i] == '\r') {
            if (i + 1 < size && p[i + 1] == '\n')
                ++i;
            out += lineEnd;
        } else if (p[i] == '\n') {
            out += lineEnd;
        } else {
            out += p[i];
        }
    }
    return out;
}

QByteArray PageCodec::windows1252ToUtf8(const QByteArray& bytes)
{
    return QByteArray::fromStdString(tessera::text::windows1252ToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

QByteArray PageCodec::utf8ToWindows1252(const QByteArray& utf8)
{
    QByteArray out;
    out.reserve(utf8.size());
    const std::string_view text(utf8.constData(), std::size_t(utf8.size()));
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 0;
        const char32_t value = tessera::text::decodeUtf8At(text, i, length);
        if (value == 0xFFFD && length == 1) {
            // A broken sequence cannot come from decode(); keep its byte rather than drop it.
            out.append(text[i]);
        } else if (const int byte = tessera::text::unicodeToWindows1252(value); byte >= 0) {
            out.append(char(byte));
        } else {
            out.append("&#" + QByteArray::number(quint32(value)) + ';');
        }
        i += length;
    }
    return out;
}

DecodedPage PageCodec::decode(const QByteArray& bytes)
{
    DecodedPage page;
    LineEnds commonest = LineEnds::CrLf;
    page.format.lineEnds = detectLineEnds(bytes, &commonest);
    page.format.newLineStyle = commonest;
    if (isValidUtf8(bytes.constData(), bytes.size())) {
        if (bytes.startsWith(byteOrderMark)) {
            page.format.encoding = PageEncoding::Utf8WithBom;
            page.utf8 = bytes.mid(3);
        } else {
            page.format.encoding = PageEncoding::Utf8;
            page.utf8 = bytes;
        }
    } else {
        page.format.encoding = PageEncoding::Windows1252;
        page.utf8 = windows1252ToUtf8(bytes);
    }
    return page;
}

QByteArray PageCodec::encode(const QByteArray& utf8, PageEncoding encoding)
{
    switch (encoding) {
    case PageEncoding::Utf8:
        return utf8;
    case PageEncoding::Utf8WithBom:
        return QByteArray(byteOrderMark) + utf8;
    case PageEncoding::Windows1252:
        return utf8ToWindows1252(utf8);
    }
    return utf8;
}
