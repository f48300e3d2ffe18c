#include "layout_test_support.h"
#include "recordingcanvas.h"

#include "viewer/layout/hittest.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/imageobj.h"
#include "viewer/paint/painter.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

std::string paintOf(LaidOut& laid, Rect clip = Rect{0, 0, 400, 400})
{
    RecordingCanvas canvas;
    Painter painter(laid.engine);
    PaintOptions options;
    options.clip = clip;
    painter.paintDocument(laid.document(), canvas, options);
    return canvas.log;
}

TEST(Paint, TextLinksAndSelection)
{
    auto laid = layOut("<body bgcolor=white text=black link=red>ab <a href=x.htm>cd</a> ef", 300);
    laid->document().selectionStart = 1;
    laid->document().selectionEnd = 4;
    EXPECT_EQ(paintOf(*laid),
              "fill 0,0 400x400 FFFFFF\n"
              "text 0,13 \"a\" 000000\n"
              // Selected text is inverted: its own colour behind, the page's colour in front.
              "text 6,13 \"b \" FFFFFF on 000000\n"
              "text 18,13 \"c\" FFFFFF underline on FF0000\n"
              "text 24,13 \"d\" FF0000 underline\n"
              "text 30,13 \" ef\" 000000\n");
}

TEST(Paint, SuperscriptAndSubscriptMoveOffTheBaseline)
{
    auto laid = layOut("<body bgcolor=white>a<sup>2</sup>b<sub>3</sub>", 300);
    std::string log = paintOf(*laid);
    // The 9-point raised and lowered text: height 12, descent 2.
    EXPECT_NE(log.find("text 6,9 \"2\""), std::string::npos) << log;
    EXPECT_NE(log.find("text 16,15 \"3\""), std::string::npos) << log;
}

TEST(Paint, ListMarkers)
{
    struct Case {
        const char* html;
        const char* expected;
    };
    const Case cases[] = {
        {"<body bgcolor=white><ul><li>a</ul>", "disc 25,3 5x5 FF0000\n"},
        {"<body bgcolor=white><ul><li><ul><li>a</ul></ul>", "disc 60,3 5x5 000080\n"},
        {"<body bgcolor=white><ul><li><ul><li><ul><li>a</ul></ul></ul>", "disc 95,3 5x5 800000\n"},
        // Levels count from the outermost list: red for the first and the fourth, navy for the
        // second and fifth, maroon for the third and sixth.
        {"<body bgcolor=white><ul><li><ul><li><ul><li><ul><li>a</ul></ul></ul></ul>", "disc 130,3 5x5 FF0000\n"},
        // On another background the disc is outlined in the text colour.
        {"<body bgcolor=yellow text=green><ul><li>a</ul>", "ring 25,3 5x5 008000\n"},
        {"<body bgcolor=white><ol><li>a<li>b</ol>", "text 18,13 \"1.\" "},
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, 300);
        std::string log = paintOf(*laid);
        EXPECT_NE(log.find(c.expected), std::string::npos) << c.html << "\n" << log;
    }
}

TEST(Paint, TableFramesAndBackgrounds)
{
    auto laid = layOut("<body bgcolor=gray><table border bordercolor=blue><tr><td bgcolor=yellow>a</table>", 300);
    std::string log = paintOf(*laid);
    EXPECT_NE(log.find("fill 0,0 16x26 0000FF\n"), std::string::npos) << log;
    EXPECT_NE(log.find("fill 3,3 10x20 FFFF00\n"), std::string::npos) << log;
    // The cell is sunken (dark above), the table raised (light above).
    EXPECT_NE(log.find("line 3,3-12,3 808080\n"), std::string::npos) << log;
    EXPECT_NE(log.find("line 0,0-15,0 FFFFFF\n"), std::string::npos) << log;
    // On a white page the light edges are silver.
    auto white = layOut("<body bgcolor=white><table border><tr><td>a</table>", 300);
    EXPECT_NE(paintOf(*white).find("line 0,0-15,0 C0C0C0\n"), std::string::npos);
}

TEST(Paint, RulesAreEngravedUnlessNoShade)
{
    struct Case {
        const char* html;
        const char* expected;
    };
    const Case cases[] = {
        // Dark upper and left edges over light lower and right ones; a narrow rule is centred.
        {"<body bgcolor=gray><hr size=4 width=100>",
         "line 100,12-199,12 FFFFFF\nline 199,9-199,12 FFFFFF\nline 100,9-199,9 808080\nline 100,9-100,12 808080\n"},
        // On a white page the light edges are silver; one pixel thick, the dark edge is what shows.
        {"<body bgcolor=white><hr size=1 width=50>",
         "line 125,9-174,9 C0C0C0\nline 174,9-174,9 C0C0C0\nline 125,9-174,9 808080\nline 125,9-125,9 808080\n"},
        // NOSHADE: one solid bar in the dark colour, whatever the page's colour.
        {"<body bgcolor=white><hr noshade size=4 width=100>", "fill 100,9 100x4 808080\n"},
        {"<body bgcolor=gray><hr size=3 noshade>", "fill 0,9 300x3 808080\n"},
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, 300);
        std::string log = paintOf(*laid);
        std::string rule = log.substr(log.find('\n') + 1); // after the background
        EXPECT_EQ(rule, c.expected) << c.html;
    }
}

TEST(Paint, OnlyTheVisiblePartIsDrawn)
{
    std::string html;
    for (int i = 0; i < 200; ++i)
        html += "line<br>";
    auto laid = layOut(html, 300);
    RecordingCanvas canvas;
    Painter painter(laid->engine);
    PaintOptions options;
    options.clip = Rect{0, 0, 300, 100};
    options.originY = -1600; // scrolled down by 100 lines
    painter.paintDocument(laid->document(), canvas, options);
    EXPECT_LE(canvas.texts, 8);
    EXPECT_GE(canvas.texts, 6);
}

TEST(Paint, MissingImageGetsAFrame)
{
    auto laid = layOut("<img src=nowhere.gif alt=Gone width=60 height=30>", 300);
    std::string log = paintOf(*laid);
    EXPECT_NE(log.find("text 22,"), std::string::npos) << log;
    EXPECT_NE(log.find("\"Gone\""), std::string::npos) << log;
    EXPECT_EQ(log.find("image "), std::string::npos) << log;
}

TEST(HitTest, LinksUnderThePoint)
{
    auto laid = layOut("ab <a href=\"x.htm\">link</a> cd<br><a href=\"m.htm\"><img src=i width=40 height=20 ismap></a>"
                       "<img src=j width=40 height=20 usemap=#m><map name=m><area coords=\"0,0,9,9\" href=\"area.htm\"></map>",
                       300);
    HitTester hits(laid->engine);
    struct Case {
        int x;
        int y;
        const char* url;
    };
    const Case cases[] = {
        {20, 5, "x.htm"},  {41, 15, "x.htm"}, {10, 5, ""},          {50, 5, ""},
        {3, 30, "m.htm?3,14"}, {45, 20, "area.htm"}, {60, 30, ""},   {500, 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hits.GetURL(laid->document(), c.x, c.y), c.url) << c.x << "," << c.y;
}

TEST(HitTest, CharacterUnderThePointAndBack)
{
    auto laid = layOut("abcd efgh<br>ijkl", 300);
    HitTester hits(laid->engine);
    TSection& first = laid->firstText();
    int base = first.startCursor;
    struct Case {
        int x;
        int y;
        int index; // relative to the first text
    };
    const Case cases[] = {
        {0, 5, 0}, {2, 5, 0}, {4, 5, 1}, {13, 5, 2}, {200, 5, 9}, {-5, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hits.FindCursor(laid->document(), c.x, c.y) - base, c.index) << c.x;
    EXPECT_EQ(hits.FindCursor(laid->document(), 5, 500), -1);
    int second = hits.FindCursor(laid->document(), 7, 20);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(hits.CursorToXY(laid->document(), second, x, y));
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 16);
    EXPECT_FALSE(hits.CursorToXY(laid->document(), 100000, x, y));
}

TEST(HitTest, TextInsideNestedTableCells)
{
    auto laid = layOut("<table><tr><td>a<td><table><tr><td><a href=deep.htm>deep</a></table></table>", 300);
    HitTester hits(laid->engine);
    std::string dump = laid->dump();
    // The inner cell's text starts at x = 13 + 3 + 2 + 3 + 2.
    EXPECT_EQ(hits.GetURL(laid->document(), 25, 10), "deep.htm") << dump;
    EXPECT_EQ(hits.GetURL(laid->document(), 5, 10), "") << dump;
}

TEST(HitTest, ControlsUnderThePoint)
{
    auto laid = layOut("name <input name=n size=5> <input type=checkbox name=c>", 300);
    HitTester hits(laid->engine);
    TFormControlObj* edit = hits.controlAt(laid->document(), 32, 10);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->name(), "n");
    TFormControlObj* box = hits.controlAt(laid->document(), edit->x + edit->width + 8, 10);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->name(), "c");
    EXPECT_EQ(hits.controlAt(laid->document(), 2, 10), nullptr);
}

} // namespace
} // namespace tessera::viewer::testing
