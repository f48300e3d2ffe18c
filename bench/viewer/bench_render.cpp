// Parse, lay out the whole document at 800 pixels and paint the first 800 x 600 screen, for
// generated pages of 100 KB and 1 MB. QTextDocument does the same work on the same bytes as
// the reference: setHtml, setTextWidth and a full layout, drawContents of the first screen.
#include "viewer/layout/layout.h"
#include "viewer/model/sectionlist.h"
#include "viewer/paint/painter.h"
#include "viewer/parser/htmlparser.h"
#include "viewer/qt/qtcanvas.h"
#include "viewer/qt/qttextmeasurer.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kMargin = 10;

// A page like the ones people write: headings, paragraphs with fonts and links, lists and
// a small table now and then.
std::string makePage(std::size_t bytes)
{
    static const char* const words[] = {"the", "quick", "brown", "fox", "jumps", "over", "a", "lazy", "dog", "while",
                                        "seven", "wizards", "quietly", "hex", "jolly", "bakers", "and", "their", "cakes"};
    std::string page = "<HTML><HEAD><TITLE>Benchmark page</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\">\n";
    unsigned seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    int block = 0;
    while (page.size() < bytes) {
        page += "<H2>Section " + std::to_string(++block) + "</H2>\n";
        for (int p = 0; p < 3; ++p) {
            page += "<P>";
            int count = 50 + static_cast<int>(next() % 40);
            for (int w = 0; w < count; ++w) {
                const char* word = words[next() % (sizeof words / sizeof *words)];
                switch (next() % 23) {
                case 0:
                    page += std::string("<B>") + word + "</B> ";
                    break;
                case 1:
                    page += std::string("<I>") + word + "</I> ";
                    break;
                case 2:
                    page += std::string("<A HREF=\"page") + std::to_string(w) + ".htm\">" + word + "</A> ";
                    break;
                default:
                    page += std::string(word) + " ";
                }
            }
            page += "</P>\n";
        }
        page += "<UL><LI>First point<LI>Second point with <TT>code</TT><LI>Third point</UL>\n";
        if (block % 4 == 0) {
            page += "<TABLE BORDER CELLPADDING=3><TR><TH>Item</TH><TH>Amount</TH><TH>Note</TH></TR>\n";
            for (int r = 0; r < 4; ++r)
                page += "<TR><TD>Row " + std::to_string(r) + "</TD><TD ALIGN=right>" + std::to_string(r * block) +
                        "</TD><TD>a short note in the cell</TD></TR>\n";
            page += "</TABLE>\n";
        }
    }
    page += "</BODY></HTML>\n";
    return page;
}

const std::string& page(std::size_t bytes)
{
    static std::string small = makePage(100 * 1024);
    static std::string large = makePage(1024 * 1024);
    return bytes <= 100 * 1024 ? small : large;
}

void BM_Tessera(benchmark::State& state)
{
    const std::string& html = page(static_cast<std::size_t>(state.range(0)));
    tessera::viewer::QtTextMeasurer measurer; // kept across runs, as the viewer keeps it
    QImage screen(kWidth, kScreenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        tessera::viewer::TSectionList document;
        tessera::viewer::TNameList names;
        tessera::viewer::ParseTextBlock(document, names, html);
        tessera::viewer::LayoutEngine engine(measurer);
        tessera::viewer::LayoutResult result = engine.layoutDocument(document, kWidth - 2 * kMargin);
        benchmark::DoNotOptimize(result);
        QPainter painter(&screen);
        tessera::viewer::QtCanvas canvas(painter);
        tessera::viewer::Painter paint(engine);
        tessera::viewer::PaintOptions options;
        options.originX = kMargin;
        options.originY = kMargin;
        options.clip = tessera::viewer::Rect{0, 0, kWidth, kScreenHeight};
        paint.paintDocument(document, canvas, options);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(html.size()));
}

void BM_QTextDocument(benchmark::State& state)
{
    const QString html = QString::fromStdString(page(static_cast<std::size_t>(state.range(0))));
    QImage screen(kWidth, kScreenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(html);
        document.setTextWidth(kWidth - 2 * kMargin);
        // size() lays the whole document out.
        benchmark::DoNotOptimize(document.size());
        QPainter painter(&screen);
        painter.fillRect(screen.rect(), Qt::white);
        painter.translate(kMargin, kMargin);
        document.drawContents(&painter, QRectF(0, 0, kWidth, kScreenHeight));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * html.size());
}

BENCHMARK(BM_Tessera)->Arg(100 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTextDocument)->Arg(100 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
