// Parsing speed and memory of the viewer's HTML parser on generated pages of 100 KB, 1 MB and
// 10 MB (text, tables, lists, fonts, links). A plain copy of the same bytes runs beside it as
// the reference. "PeakBytesPerSourceByte" is the most heap the parse held at once, divided by
// the page size; the document is counted too, since it is what a parse leaves behind.
// Hostile pages (one long paragraph, a run of empty paragraphs, one unbroken word) are parsed
// and laid out, to show that time grows linearly and memory stays bounded on any input.
#include "viewer/layout/layout.h"
#include "viewer/model/arena.h"
#include "viewer/model/sectionlist.h"
#include "viewer/parser/htmlparser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>
#include <string_view>

namespace {

// The benchmark runs on one thread, so plain counters do.
std::size_t g_current = 0;
std::size_t g_peak = 0;

void noteAllocation(std::size_t size)
{
    g_current += size;
    if (g_current > g_peak)
        g_peak = g_current;
}

} // namespace

// Allocations are counted by the size the allocator really hands out.
void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    noteAllocation(malloc_usable_size(block));
    return block;
}

// GCC cannot see that this free pairs with the malloc in operator new above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    g_current -= malloc_usable_size(pointer);
    std::free(pointer);
}
#pragma GCC diagnostic pop

void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

// Memory resources ask for memory with an alignment; it counts the same.
void* operator new(std::size_t size, std::align_val_t alignment)
{
    auto align = static_cast<std::size_t>(alignment);
    std::size_t rounded = (std::max<std::size_t>(size, 1) + align - 1) / align * align;
    void* block = std::aligned_alloc(align, rounded);
    if (!block)
        throw std::bad_alloc();
    noteAllocation(malloc_usable_size(block));
    return block;
}

void operator delete(void* pointer, std::align_val_t) noexcept { operator delete(pointer); }
void operator delete(void* pointer, std::size_t, std::align_val_t) noexcept { operator delete(pointer); }

namespace {
std::string generatePage(std::size_t targetSize)
{
    std::string page = "<HTML><HEAD><TITLE>Generated</TITLE></HEAD><BODY BGCOLOR=white TEXT=black LINK=navy>\n";
    page.reserve(targetSize + 4096);
    int block = 0;
    while (page.size() < targetSize) {
        std::string n = std::to_string(block++);
        page += "<H2>Section " + n + "</H2>\n<P>Plain text with <B>bold</B>, <I>italic</I> and "
                "<FONT SIZE=+1 COLOR=\"#800000\">coloured</FONT> words &amp; an entity &copy; 1998. "
                "A <A HREF=\"page" + n + ".htm#part\">link to page " + n + "</A> and some more words to "
                "fill the line so that it wraps in a real window.\n";
        page += "<UL><LI>First item of list " + n + "<LI>Second item<OL START=3><LI>nested one<LI>nested two</OL>"
                "<LI>Third item</UL>\n";
        page += "<TABLE BORDER=1 CELLPADDING=2 WIDTH=90%><TR ALIGN=center><TH>Name<TH>Value<TH COLSPAN=2>Notes\n";
        for (int row = 0; row < 4; ++row)
            page += "<TR><TD>row " + std::to_string(row) + "<TD BGCOLOR=silver>" + std::to_string(row * 17)
                + "<TD><SMALL>small</SMALL><TD><A HREF=\"#r" + std::to_string(row) + "\">go</A>\n";
        page += "</TABLE>\n<PRE>  preformatted   text\n  keeps its   spaces</PRE><HR>\n";
    }
    page += "</BODY></HTML>\n";
    return page;
}

enum class Stage { Parse, ParseAndLayOut };

// Parses the page (and lays it out at 800 pixels with fixed metrics) as often as the benchmark
// asks, counting its speed and the most memory one run held.
void measure(benchmark::State& state, const std::string& page, Stage stage)
{
    std::size_t peak = 0;
    // Blocks pooled by earlier documents would hide the first parse's memory.
    tessera::viewer::DocumentArena::freePooledBlocks();
    for (auto _ : state) {
        std::size_t before = g_current;
        g_peak = before;
        {
            tessera::viewer::TSectionList document;
            tessera::viewer::TNameList names;
            tessera::viewer::ParseTextBlock(document, names, page);
            benchmark::DoNotOptimize(document.count());
            if (stage == Stage::ParseAndLayOut) {
                tessera::viewer::FixedMeasurer measurer;
                tessera::viewer::LayoutEngine engine(measurer);
                benchmark::DoNotOptimize(engine.layoutDocument(document, 800).height);
            }
        }
        peak = std::max(peak, g_peak - before);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["PeakBytesPerSourceByte"] = static_cast<double>(peak) / static_cast<double>(page.size());
}

void parsePage(benchmark::State& state)
{
    measure(state, generatePage(static_cast<std::size_t>(state.range(0)) * 1024), Stage::Parse);
}

// The reference: touching every byte once by copying the page.
void copyPage(benchmark::State& state)
{
    std::string page = generatePage(static_cast<std::size_t>(state.range(0)) * 1024);
    for (auto _ : state) {
        std::string copy = page;
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

// `piece` repeated to at least `size` bytes.
std::string repeated(std::string_view piece, std::size_t size)
{
    std::string page;
    page.reserve(size + piece.size());
    while (page.size() < size)
        page += piece;
    return page;
}

std::string oneParagraph(std::size_t size) { return "<P>" + repeated("some words of a long paragraph ", size); }
// Paragraphs with no text, and paragraphs holding a no-break space only, as editors write an
// empty paragraph.
std::string emptyParagraphs(std::size_t size) { return repeated("<P><B></B></P>\n", size); }
std::string blankParagraphs(std::size_t size) { return repeated("<P>&nbsp;</P>\n", size); }
std::string lineBreaks(std::size_t size) { return repeated("<BR>", size); }
std::string unbrokenWord(std::size_t size) { return std::string(size, 'x'); }

void layOutPage(benchmark::State& state, std::string (*generate)(std::size_t))
{
    measure(state, generate(static_cast<std::size_t>(state.range(0)) * 1024), Stage::ParseAndLayOut);
}

} // namespace

BENCHMARK_CAPTURE(layOutPage, oneParagraph, oneParagraph)
    ->Arg(256)->Arg(1024)->Arg(4 * 1024)->Arg(16 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(layOutPage, emptyParagraphs, emptyParagraphs)->Arg(16 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(layOutPage, blankParagraphs, blankParagraphs)->Arg(16 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(layOutPage, lineBreaks, lineBreaks)->Arg(16 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(layOutPage, unbrokenWord, unbrokenWord)->Arg(50 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(parsePage)->Arg(100)->Arg(1024)->Arg(10 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(copyPage)->Arg(100)->Arg(1024)->Arg(10 * 1024)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
