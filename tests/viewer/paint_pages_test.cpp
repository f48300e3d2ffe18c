#include "layout_test_support.h"
#include "recordingcanvas.h"

#include "viewer/paint/pageprinter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessera::viewer::testing {
namespace {

// Records each sheet with what was drawn on it: texts and pictures only, enough to see where
// every line went.
class RecordingSheets : public SheetTarget {
public:
    Canvas& canvas() override
    {
        if (m_sheets.empty())
            m_sheets.emplace_back();
        return m_sheets.back();
    }
    bool newSheet() override
    {
        m_sheets.emplace_back();
        return true;
    }
    std::string dump() const
    {
        std::ostringstream out;
        for (std::size_t i = 0; i < m_sheets.size(); ++i) {
            out << "sheet " << i + 1 << '\n';
            std::istringstream lines(m_sheets[i].log);
            for (std::string line; std::getline(lines, line);) {
                if (line.rfind("text", 0) == 0)
                    out << "  " << line.substr(0, line.rfind(' ')) << '\n'; // without its colour
                else if (line.rfind("image", 0) == 0)
                    out << "  " << line << '\n';
            }
        }
        return out.str();
    }

private:
    std::vector<RecordingCanvas> m_sheets;
};

std::string stripsOf(const std::vector<PageStrip>& pages)
{
    std::ostringstream out;
    for (const PageStrip& page : pages)
        out << '[' << page.top << ',' << page.bottom << ')';
    return out.str();
}

// Every picture is one white pixel, drawn at the size the page gives it.
struct WhitePixels : ImageSource {
    std::optional<DecodedImage> loadImage(const std::string&) override
    {
        return DecodedImage{Bitmap{1, 1, {0xFFFFFFFFu}, false}, std::nullopt};
    }
};

// Pages of `pageHeight` rows at a layout width of 200, as strips and as a dump of the sheets.
std::string printed(std::string_view html, int pageHeight)
{
    WhitePixels pictures;
    auto laid = std::make_unique<LaidOut>();
    laid->parsed = parse(html);
    laid->document().setImageSource(&pictures);
    laid->result = laid->engine.layoutDocument(laid->document(), 200);
    const std::vector<PageStrip> pages = paginate(laid->document(), laid->result.height, pageHeight);
    RecordingSheets sheets;
    Painter painter(laid->engine);
    EXPECT_TRUE(printPages(painter, laid->document(), pages, 10, 200, sheets));
    return stripsOf(pages) + '\n' + sheets.dump();
}

struct PagesCase {
    const char* name;
    const char* html;
    int pageHeight;
    const char* expected;
};

TEST(PrintPages, sheetsSplitNoLineAndLoseNoRow)
{
    const PagesCase cases[] = {
        {"one line", "one", 100, "[0,16)\nsheet 1\n  text 10,13 \"one\"\n"},
        {"exactly one page", "a<br>b<br>c", 48,
         "[0,48)\nsheet 1\n  text 10,13 \"a\"\n  text 10,29 \"b\"\n  text 10,45 \"c\"\n"},
        {"several pages cut between lines", "a<br>b<br>c<br>d<br>e", 40,
         "[0,32)[32,64)[64,80)\n"
         "sheet 1\n  text 10,13 \"a\"\n  text 10,29 \"b\"\n"
         "sheet 2\n  text 10,13 \"c\"\n  text 10,29 \"d\"\n"
         "sheet 3\n  text 10,13 \"e\"\n"},
        {"picture taller than a page is cut at the page height", "a<br><img src=p.gif width=20 height=90><br>b", 40,
         "[0,40)[40,80)[80,109)[109,125)\n"
         "sheet 1\n  text 10,13 \"a\"\n  image 10,16 20x90\n"
         "sheet 2\n  image 10,-24 20x90\n"
         "sheet 3\n  image 10,-64 20x90\n"
         "sheet 4\n  text 10,13 \"b\"\n"},
        {"tall table row", "<table><tr><td><img src=p.gif width=20 height=90></td><td>x<br>y<br>z</td></tr></table>t", 40,
         "[0,27)[27,59)[59,99)[99,119)\n"
         "sheet 1\n  image 15,5 20x90\n"
         "sheet 2\n  image 15,-22 20x90\n  text 42,13 \"x\"\n  text 42,29 \"y\"\n"
         "sheet 3\n  image 15,-54 20x90\n  text 42,13 \"z\"\n"
         "sheet 4\n  text 10,17 \"t\"\n"},
        {"nested tables keep their lines whole", "<table><tr><td>a<table><tr><td>b<br>c<br>d</td></tr></table></td></tr></table>", 40,
         "[0,26)[26,58)[58,84)\n"
         "sheet 1\n  text 15,18 \"a\"\n"
         "sheet 2\n  text 20,13 \"b\"\n  text 20,29 \"c\"\n"
         "sheet 3\n  text 20,13 \"d\"\n"},
    };
    for (const PagesCase& c : cases)
        EXPECT_EQ(printed(c.html, c.pageHeight), c.expected) << c.name;
}

TEST(PrintPages, breakerReportsTheEnd)
{
    auto laid = layOut("a<br>b<br>c", 200);
    const PageBreaker breaker(laid->document(), laid->result.height);
    EXPECT_EQ(breaker.next(0, 40), (PageCut{32, false}));
    EXPECT_EQ(breaker.next(32, 16), (PageCut{48, true}));
    EXPECT_EQ(breaker.next(32, 100), (PageCut{48, true}));
    EXPECT_EQ(breaker.next(0, 10), (PageCut{10, false})) << "a line taller than the page is cut";
}

TEST(PrintPages, emptyDocumentIsOnePage)
{
    auto laid = layOut("", 200);
    EXPECT_EQ(stripsOf(paginate(laid->document(), laid->result.height, 40)), "[0,0)");
}

} // namespace
} // namespace tessera::viewer::testing
