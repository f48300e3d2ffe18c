#include "workspace/pagecodec.h"

#include <array>

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// Code points of the bytes 0x80-0x9F in Windows-1252; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

int encode1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (unsigned i = 0; i < windows1252High.size(); ++i) {
        if (windows1252High[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

bool PageCodec::isValidUtf8(const char* data, qsizetype size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t minimum = 0;
        char32_t value = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            minimum = 0x80;
            value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            minimum = 0x800;
            value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            minimum = 0x10000;
            value = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= size)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned next = p[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
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

QByteArray PageCodec::windows1252ToUtf8(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out.append(ch);
        else if (byte < 0xA0)
            appendUtf8(out, windows1252High[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

QByteArray PageCodec::utf8ToWindows1252(const QByteArray& utf8)
{
    QByteArray out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.constData());
    const qsizetype size = utf8.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned c = p[i];
        char32_t value = c;
        int extra = 0;
        if (c >= 0xF0)
            extra = 3, value = c & 0x07;
        else if (c >= 0xE0)
            extra = 2, value = c & 0x0F;
        else if (c >= 0xC0)
            extra = 1, value = c & 0x1F;
        if (i + extra >= size) {
            // A broken sequence cannot come from decode(); keep its bytes rather than drop them.
            out.append(utf8.mid(i));
            break;
        }
        for (int k = 1; k <= extra; ++k)
            value = (value << 6) | (p[i + k] & 0x3F);
        i += extra + 1;
        const int byte = encode1252(value);
        if (byte >= 0)
            out.append(char(byte));
        else
            out.append("&#" + QByteArray::number(quint32(value)) + ';');
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
