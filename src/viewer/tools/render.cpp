// tessera-render [--width N] [--height H] [--time] [--dump] [--no-images] [--background RRGGBB]
//                [--font-size S] INPUT.htm OUTPUT.png
#include "viewer/layout/layout.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/viewererror.h"
#include "viewer/paint/painter.h"
#include "viewer/parser/htmlparser.h"
#include "viewer/qt/qtcanvas.h"
#include "viewer/qt/qtimagesource.h"
#include "viewer/qt/qttextmeasurer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

using namespace tessera::viewer;

namespace {

constexpr int kMargin = 10;        // blank border around the page, as in the preview
constexpr int kMaxHeight = 30000;  // taller documents are cut here
constexpr int kScreenHeight = 600; // what the preview paints on a refresh

const char* const kUsage =
    "usage: tessera-render [--width N] [--height H] [--time] [--dump] [--no-images]\n"
    "                      [--background RRGGBB] [--font-size S] INPUT.htm OUTPUT.png\n";

struct Options {
    int width = 800;
    int height = 0; // 0: the whole document
    bool time = false;
    bool dump = false;
    bool images = true;
    Color background = colors::kButtonFace;
    int fontSize = TSectionList::kDefaultFontSize;
    std::string input;
    std::string output;
};

bool readInt(const char* text, int low, int high, int& value)
{
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (!end || *end || end == text || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parseArguments(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--width") {
            const char* v = next();
            if (!v || !readInt(v, 20, 20000, options.width))
                return false;
        } else if (arg == "--height") {
            const char* v = next();
            if (!v || !readInt(v, 1, kMaxHeight, options.height))
                return false;
        } else if (arg == "--font-size") {
            const char* v = next();
            if (!v || !readInt(v, TSectionList::kMinFontSize, TSectionList::kMaxFontSize, options.fontSize))
                return false;
        } else if (arg == "--background") {
            const char* v = next();
            auto color = v ? parseHtmlColor(v) : std::nullopt;
            if (!color)
                return false;
            options.background = *color;
        } else if (arg == "--time") {
            options.time = true;
        } else if (arg == "--dump") {
            options.dump = true;
        } else if (arg == "--no-images") {
            options.images = false;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return false;
        } else if (options.input.empty()) {
            options.input = arg;
        } else if (options.output.empty()) {
            options.output = arg;
        } else {
            return false;
        }
    }
    return !options.input.empty() && !options.output.empty();
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int run(const Options& options)
{
    using Clock = std::chrono::steady_clock;
    TSectionList document;
    TNameList names;
    QtImageSource images(QFileInfo(QString::fromStdString(options.input)).absolutePath());
    document.setImageSource(&images);
    document.viewImages = options.images;
    document.ApplyDefaultFonts(TSectionList::kDefaultFontName, TSectionList::kDefaultPreFontName, options.fontSize,
                               colors::kButtonText, colors::kBlue, options.background);
    DiskFileReader files;
    // The preview keeps its measurer and the platform's font list from one refresh to the
    // next; load them before the clock starts so the times are what a refresh costs.
    QtTextMeasurer measurer;
    int warmFont = measurer.fontId(document.baseFont());
    measurer.textWidth(warmFont, "warm");

    auto start = Clock::now();
    ParseTextFile(document, names, options.input, files);
    double parseMs = millisecondsSince(start);

    LayoutEngine engine(measurer);
    const int layoutWidth = options.width - 2 * kMargin;
    start = Clock::now();
    LayoutResult layout = engine.layoutDocument(document, layoutWidth);
    double layoutMs = millisecondsSince(start);

    Painter painter(engine);
    PaintOptions paint;
    paint.originX = kMargin;
    paint.originY = kMargin;
    double paintMs = 0;
    if (options.time) {
        QImage screen(options.width, kScreenHeight, QImage::Format_RGB32);
        start = Clock::now();
        QPainter qpainter(&screen);
        QtCanvas canvas(qpainter);
        paint.clip = Rect{0, 0, options.width, kScreenHeight};
        painter.paintDocument(document, canvas, paint);
        qpainter.end();
        paintMs = millisecondsSince(start);
    }

    int fullHeight = std::min(kMaxHeight, std::max(1, layout.height + 2 * kMargin));
    int height = options.height > 0 ? options.height : fullHeight;
    QImage image(options.width, height, QImage::Format_RGB32);
    {
        QPainter qpainter(&image);
        QtCanvas canvas(qpainter);
        paint.clip = Rect{0, 0, options.width, height};
        painter.paintDocument(document, canvas, paint);
    }
    if (!image.save(QString::fromStdString(options.output), "PNG")) {
        std::cerr << "Can't write file: " << options.output << '\n';
        return 1;
    }
    if (options.dump)
        std::cout << dumpLayout(document);
    if (options.time)
        std::printf("parse %.2f layout %.2f paint %.2f total %.2f\n", parseMs, layoutMs, paintMs,
                    parseMs + layoutMs + paintMs);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    // Runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        return run(options);
    } catch (const ViewerError& error) {
        std::cerr << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << messages::kOutOfResources << '\n';
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
    }
    return 1;
}
