#include "workspace/pages/pagecodec.h"

#include <QString>

#include <gtest/gtest.h>

#include <random>

namespace {

struct DetectCase {
    const char* name;
    QByteArray bytes;
    PageEncoding encoding;
    LineEnds lineEnds;
    LineEnds newLineStyle;
};

TEST(PageCodec, detectsEncodingAndLineEnds)
{
    const DetectCase cases[] = {
        {"empty", "", PageEncoding::Utf8, LineEnds::None, LineEnds::CrLf},
        {"ascii crlf", "<P>\r\n</P>\r\n", PageEncoding::Utf8, LineEnds::CrLf, LineEnds::CrLf},
        {"utf8 lf", "caf\xC3\xA9\n", PageEncoding::Utf8, LineEnds::Lf, LineEnds::Lf},
        {"bom cr", "\xEF\xBB\xBFx\ry\r", PageEncoding::Utf8WithBom, LineEnds::Cr, LineEnds::Cr},
        {"latin1 e-acute", "caf\xE9\r\n", PageEncoding::Windows1252, LineEnds::CrLf, LineEnds::CrLf},
        {"truncated sequence", "abc\xE2\x82", PageEncoding::Windows1252, LineEnds::None, LineEnds::CrLf},
        {"overlong slash", "\xC0\xAF", PageEncoding::Windows1252, LineEnds::None, LineEnds::CrLf},
        {"surrogate", "\xED\xA0\x80", PageEncoding::Windows1252, LineEnds::None, LineEnds::CrLf},
        {"bom then invalid", "\xEF\xBB\xBF\xFF", PageEncoding::Windows1252, LineEnds::None, LineEnds::CrLf},
        {"mixed mostly lf", "a\nb\nc\r\n", PageEncoding::Utf8, LineEnds::Mixed, LineEnds::Lf},
        {"mixed mostly crlf", "a\r\nb\r\nc\n", PageEncoding::Utf8, LineEnds::Mixed, LineEnds::CrLf},
        {"cr lf split by text", "a\rb\n", PageEncoding::Utf8, LineEnds::Mixed, LineEnds::Lf},
    };
    for (const DetectCase& c : cases) {
        const DecodedPage page = PageCodec::decode(c.bytes);
        EXPECT_EQ(page.format.encoding, c.encoding) << c.name;
        EXPECT_EQ(page.format.lineEnds, c.lineEnds) << c.name;
        EXPECT_EQ(page.format.newLineStyle, c.newLineStyle) << c.name;
    }
}

TEST(PageCodec, convertingLineEndsRewritesEveryKind)
{
    const struct {
        QByteArray text;
        LineEnds style;
        QByteArray expected;
    } cases[] = {
        {"a\r\nb\nc\rd", LineEnds::Lf, "a\nb\nc\nd"},
        {"a\r\nb\nc\rd", LineEnds::Cr, "a\rb\rc\rd"},
        {"a\r\nb\nc\rd", LineEnds::CrLf, "a\r\nb\r\nc\r\nd"},
        {"a\r\nb\nc\rd", LineEnds::None, "a\r\nb\nc\rd"},
        {"\n\r", LineEnds::Lf, "\n\n"},
        {"\r\r\n\n", LineEnds::Cr, "\r\r\r"},
        {"end\r", LineEnds::Lf, "end\n"},
        {"", LineEnds::Cr, ""},
        {"caf\xC3\xA9\r\n", LineEnds::Lf, "caf\xC3\xA9\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageCodec::convertLineEnds(c.text, c.style), c.expected) << c.text.toHex().constData();
}

TEST(PageCodec, windows1252MapsTheHighBlockAndKeepsUndefinedBytes)
{
    const DecodedPage page = PageCodec::decode(QByteArray("\x80\x93q\x94\x81\x9D", 6));
    EXPECT_EQ(QString::fromUtf8(page.utf8), QString::fromUtf16(u"\u20AC\u201Cq\u201D\u0081\u009D"));
}

TEST(PageCodec, characterThatLegacyPageCannotHoldBecomesAReference)
{
    const QByteArray typed = QString::fromUtf16(u"\u00E9 \u4E2D \U0001F600").toUtf8();
    EXPECT_EQ(PageCodec::encode(typed, PageEncoding::Windows1252), QByteArray("\xE9 &#20013; &#128512;"));
}

// Pages built from random pieces: ASCII, multi-byte UTF-8, stray high bytes, NULs, and every kind
// of line end; each must come back byte for byte through the editor's text form.
TEST(PageCodec, everyGeneratedPageRoundTripsByteForByte)
{
    std::mt19937 random(20261207);
    const QByteArray pieces[] = {"<HTML>", "text ", "\r\n", "\n", "\r", "\xC3\xA9", "\xE2\x82\xAC",
                                 "\xF0\x9F\x98\x80", QByteArray("\0", 1), "\t", "&amp;"};
    const QByteArray legacyPieces[] = {"\xE9", "\x80", "\x81", "\x9D", "\xFF", "\xC3", "\xA0"};
    int seen[3] = {0, 0, 0};
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        if (round % 3 == 1)
            bytes = "\xEF\xBB\xBF";
        const int length = int(random() % 40);
        for (int i = 0; i < length; ++i) {
            if (round % 3 == 2 && random() % 4 == 0)
                bytes += legacyPieces[random() % std::size(legacyPieces)];
            else
                bytes += pieces[random() % std::size(pieces)];
        }
        const DecodedPage page = PageCodec::decode(bytes);
        ++seen[int(page.format.encoding)];
        ASSERT_TRUE(PageCodec::isValidUtf8(page.utf8.constData(), page.utf8.size())) << bytes.toHex().constData();
        ASSERT_EQ(PageCodec::encode(page.utf8, page.format.encoding), bytes) << bytes.toHex().constData();
    }
    EXPECT_GT(seen[int(PageEncoding::Utf8)], 0);
    EXPECT_GT(seen[int(PageEncoding::Utf8WithBom)], 0);
    EXPECT_GT(seen[int(PageEncoding::Windows1252)], 0);
}

} // namespace
