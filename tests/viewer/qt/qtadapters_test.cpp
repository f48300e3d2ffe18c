#include "viewer/qt/qtcanvas.h"
#include "viewer/qt/qtimagesource.h"
#include "viewer/qt/qttextmeasurer.h"

#include "viewer/model/image.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tessera::viewer {
namespace {

TMyFont font(int points = 12)
{
    TMyFont f;
    f.name = "Times New Roman";
    f.size = points;
    f.normalSize = points;
    return f;
}

TMyFont styled(bool bold, bool italic, bool underline, bool fixed = false)
{
    TMyFont f = font();
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.fixed = fixed;
    if (fixed)
        f.name = "Courier New";
    return f;
}

TEST(QtTextMeasurer, WidthsGrowWithTheTextAndMatchQt)
{
    QtTextMeasurer measurer;
    int id = measurer.fontId(font());
    const std::string text = "The quick brown fox jumps over the lazy dog";
    int previous = 0;
    for (std::size_t n = 1; n <= text.size(); ++n) {
        int w = measurer.textWidth(id, std::string_view(text).substr(0, n));
        EXPECT_GE(w, previous) << n;
        previous = w;
    }
    EXPECT_EQ(measurer.textWidth(id, ""), 0);
    QFontMetricsF qt(qtFontFor(font()));
    EXPECT_NEAR(measurer.textWidth(id, text), qt.horizontalAdvance(QString::fromStdString(text)), 1.0);
    // Characters beyond ASCII are measured as the characters they are, not byte by byte.
    EXPECT_NEAR(measurer.textWidth(id, "caf\xC3\xA9"), qt.horizontalAdvance(QString::fromUtf8("caf\xC3\xA9")), 1.0);
    FontMetrics m = measurer.metrics(id);
    EXPECT_EQ(m.ascent, qRound(qt.ascent()));
    EXPECT_EQ(m.descent, qRound(qt.descent()));
    EXPECT_EQ(m.height, m.ascent + m.descent);
    // A larger size is wider and taller.
    int big = measurer.fontId(font(24));
    EXPECT_GT(measurer.textWidth(big, text), measurer.textWidth(id, text));
    EXPECT_GT(measurer.metrics(big).height, m.height);
}

TEST(QtTextMeasurer, FitStopsAtTheLastWholeCharacter)
{
    QtTextMeasurer measurer;
    int id = measurer.fontId(font());
    const std::string text = "fitting words into a line";
    int total = measurer.textWidth(id, text);
    for (int maxWidth : {0, 1, total / 3, total / 2, total - 1, total, total + 50}) {
        int width = -1;
        int count = measurer.fitText(id, text, maxWidth, width);
        ASSERT_GE(count, 0);
        ASSERT_LE(count, static_cast<int>(text.size()));
        EXPECT_LE(width, maxWidth) << maxWidth;
        EXPECT_EQ(width, measurer.textWidth(id, std::string_view(text).substr(0, static_cast<std::size_t>(count))));
        if (count < static_cast<int>(text.size())) {
            EXPECT_GT(measurer.textWidth(id, std::string_view(text).substr(0, static_cast<std::size_t>(count) + 1)), maxWidth);
        }
    }
}

TEST(QtTextMeasurer, StylesChangeTheFontAsExpected)
{
    QtTextMeasurer measurer;
    const std::string text = "Weighty words";
    int plain = measurer.fontId(styled(false, false, false));
    int bold = measurer.fontId(styled(true, false, false));
    int italic = measurer.fontId(styled(false, true, false));
    int underline = measurer.fontId(styled(false, false, true));
    EXPECT_NE(bold, plain);
    EXPECT_NE(italic, plain);
    EXPECT_GT(measurer.textWidth(bold, text), measurer.textWidth(plain, text));
    // Underlining does not change a glyph, so it is measured as the plain font.
    EXPECT_EQ(underline, plain);
    EXPECT_TRUE(qtFontFor(styled(true, true, true)).bold());
    EXPECT_TRUE(qtFontFor(styled(true, true, true)).italic());
    EXPECT_TRUE(qtFontFor(styled(true, true, true)).underline());
    EXPECT_FALSE(qtFontFor(styled(false, false, false)).kerning());
    // Fixed pitch: every character is as wide as any other.
    int fixed = measurer.fontId(styled(false, false, false, true));
    EXPECT_EQ(measurer.textWidth(fixed, "iiiiiiii"), measurer.textWidth(fixed, "MMMMMMMM"));
    EXPECT_LT(measurer.textWidth(plain, "iiiiiiii"), measurer.textWidth(plain, "MMMMMMMM"));
}

QString samples()
{
    const char* source = std::getenv("TESSERA_SOURCE_DIR");
    return source ? QString::fromLocal8Bit(source) + QStringLiteral("/data/samples") : QString();
}

TEST(QtImageSource, SamplePicturesDecodeAtTheirSizes)
{
    ASSERT_FALSE(samples().isEmpty());
    QtImageSource images(samples());
    struct Case {
        std::string src;
        int width;
        int height;
    };
    const Case cases[] = {
        {"tile.bmp", 48, 48}, {"badge.gif", 64, 64}, {"landscape.png", 120, 80}, {"banner.jpg", 600, 60},
        // Names as pages write them: file URLs, backslashes.
        {"file:tile.bmp", 48, 48}, {".\\badge.gif", 64, 64},
        {"file://" + samples().toStdString() + "/landscape.png", 120, 80},
    };
    for (const Case& c : cases) {
        std::optional<DecodedImage> image = images.loadImage(c.src);
        ASSERT_TRUE(image) << c.src;
        EXPECT_EQ(image->bitmap.width, c.width) << c.src;
        EXPECT_EQ(image->bitmap.height, c.height) << c.src;
        EXPECT_EQ(image->bitmap.pixels.size(), static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height)) << c.src;
    }
    // A JPEG has no transparency; the BMP's corner is opaque.
    EXPECT_FALSE(images.loadImage("banner.jpg")->bitmap.hasMask);
    EXPECT_EQ(images.loadImage("tile.bmp")->bitmap.pixel(0, 0) >> 24, 0xFFu);
}

TEST(QtImageSource, UnreadableFilesGiveNoPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    QFile png(samples() + QStringLiteral("/landscape.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    write(QStringLiteral("garbage.png"), QByteArray(500, 'x'));
    write(QStringLiteral("empty.gif"), QByteArray());
    write(QStringLiteral("header.png"), png.read(20));
    write(QStringLiteral("png-named.jpg"), QByteArray("not a jpeg"));
    write(QStringLiteral("picture.txt"), QByteArray("plain text"));
    // A BMP header that claims 50000 by 50000 pixels, with no pixels after it.
    QByteArray huge(54, '\0');
    huge[0] = 'B';
    huge[1] = 'M';
    huge[10] = 54;
    huge[14] = 40;
    huge[18] = char(0x50), huge[19] = char(0xC3);
    huge[22] = char(0x50), huge[23] = char(0xC3);
    huge[26] = 1;
    huge[28] = 24;
    write(QStringLiteral("huge.bmp"), huge);
    QtImageSource images(dir.path());
    for (const char* src : {"missing.gif", "garbage.png", "empty.gif", "header.png", "png-named.jpg", "picture.txt",
                            "huge.bmp", "", "nowhere/deeper/x.bmp"})
        EXPECT_FALSE(images.loadImage(src)) << src;
}

// Paints into a white image and reads the pixels back.
struct Drawn {
    QImage image{120, 60, QImage::Format_RGB32};
    Drawn() { image.fill(Qt::white); }
    template <typename Paint>
    void paint(Paint&& paint)
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        paint(canvas);
    }
    QRgb at(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
    // The box around every pixel that is not white; empty when there is none.
    QRect inked() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(x, y) != 0xFFFFFF)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

TEST(QtCanvas, FillsLinesAndClipCoverExactlyTheirPixels)
{
    Drawn drawn;
    drawn.paint([](QtCanvas& canvas) {
        canvas.fillRect(Rect{10, 10, 30, 20}, colors::kRed);
        canvas.drawLine(40, 5, 49, 5, colors::kBlue);
        canvas.fillRect(Rect{5, 5, 5, 40}, colors::kBlack); // empty: nothing
        canvas.setClip(Rect{60, 0, 70, 60});
        EXPECT_EQ(canvas.clip(), (Rect{60, 0, 70, 60}));
        canvas.fillRect(Rect{50, 30, 100, 40}, colors::kNavy);
    });
    EXPECT_EQ(drawn.at(10, 10), 0xFF0000u);
    EXPECT_EQ(drawn.at(29, 19), 0xFF0000u);
    EXPECT_EQ(drawn.at(30, 19), 0xFFFFFFu); // right and bottom are exclusive
    EXPECT_EQ(drawn.at(29, 20), 0xFFFFFFu);
    EXPECT_EQ(drawn.at(40, 5), 0x0000FFu);
    EXPECT_EQ(drawn.at(49, 5), 0x0000FFu);
    EXPECT_EQ(drawn.at(50, 5), 0xFFFFFFu);
    EXPECT_EQ(drawn.at(5, 20), 0xFFFFFFu);
    EXPECT_EQ(drawn.at(60, 35), 0x000080u);
    EXPECT_EQ(drawn.at(59, 35), 0xFFFFFFu);
    EXPECT_EQ(drawn.at(70, 35), 0xFFFFFFu);
}

TEST(QtCanvas, TextIsDrawnOnItsBaselineWithinItsMeasuredWidth)
{
    QtTextMeasurer measurer;
    const TMyFont plain = font();
    int id = measurer.fontId(plain);
    int width = measurer.textWidth(id, "Hello");
    FontMetrics m = measurer.metrics(id);
    Drawn drawn;
    drawn.paint([&](QtCanvas& canvas) { canvas.drawText(10, 30, "Hello", plain, colors::kBlack); });
    QRect ink = drawn.inked();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 10 + width + 1);
    EXPECT_GE(ink.top(), 30 - m.ascent);
    EXPECT_LE(ink.bottom(), 30); // no descenders in "Hello"

    // Underlined, the same word also inks below the baseline; on a background, the box is filled.
    Drawn underlined;
    underlined.paint([&](QtCanvas& canvas) { canvas.drawText(10, 30, "Hello", styled(false, false, true), colors::kBlack); });
    EXPECT_GT(underlined.inked().bottom(), 30);
    Drawn selected;
    const Color background = colors::kNavy;
    selected.paint([&](QtCanvas& canvas) { canvas.drawText(10, 30, "Hello", plain, colors::kWhite, &background); });
    EXPECT_EQ(selected.at(10, 30 - m.ascent), 0x000080u);
    EXPECT_EQ(selected.at(9, 30 - m.ascent), 0xFFFFFFu);
    EXPECT_NE(selected.inked().width(), 0);
    // Nothing to draw, nothing drawn.
    Drawn empty;
    empty.paint([&](QtCanvas& canvas) { canvas.drawText(10, 30, "", plain, colors::kBlack, &background); });
    EXPECT_TRUE(empty.inked().isEmpty());
}

TEST(QtCanvas, PicturesAreScaledAndTransparentPixelsShowThrough)
{
    Bitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 1;
    bitmap.pixels = {0xFFFF0000u, 0x00000000u}; // red, then transparent
    bitmap.hasMask = true;
    Drawn drawn;
    drawn.paint([&](QtCanvas& canvas) {
        canvas.drawImage(Rect{20, 20, 40, 30}, bitmap);
        canvas.drawImage(Rect{60, 20, 60, 30}, bitmap); // empty rectangle
    });
    EXPECT_EQ(drawn.at(22, 25), 0xFF0000u);
    EXPECT_EQ(drawn.at(37, 25), 0xFFFFFFu);
    EXPECT_EQ(drawn.inked(), QRect(20, 20, 10, 10));
}

} // namespace
} // namespace tessera::viewer
