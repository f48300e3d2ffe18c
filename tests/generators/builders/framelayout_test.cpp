#include "generators/builders/framelayout.h"

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

using Lines = std::vector<std::string>;

const Lines kNoFramesBlock = {"<NOFRAMES>", "<BODY >",
                              "<!-- Anything inserted between the NOFRAMES tags will appear-->",
                              "<!-- in a browser that does not support frames.             -->",
                              "This site makes use of frames.<BR>",
                              "For your viewing pleasure you should use Netscape or Internet Explorer.<br>",
                              "</BODY>", "</NOFRAMES>"};

// A layout whose shown frames carry the names Next gives them.
FrameLayout named(FrameLayout layout, std::array<bool, frameCount> shown = {true, true, true, true, true, true, true, true, true})
{
    nameShownFrames(layout.frames, shown);
    return layout;
}

// The lines between "</HEAD>" and "<NOFRAMES>" (or "</HTML>").
Lines framesetOf(const Lines& document)
{
    auto begin = std::find(document.begin(), document.end(), "</HEAD>");
    auto end = std::find(document.begin(), document.end(), "<NOFRAMES>");
    if (end == document.end())
        end = document.end() - 1;
    return {begin + 1, end};
}

TEST(FrameLayout, defaultLayoutByRowsWritesThreeRowsOfThreeAndTheNoFramesBlock)
{
    Lines expected = {"<HTML>", "<HEAD>", "<TITLE>Document Title</TITLE>", "</HEAD>", R"(<FRAMESET ROWS="33%,*,33%">)"};
    for (int row = 0; row < 3; ++row) {
        expected.push_back(R"(<FRAMESET COLS="33%,*,33%">)");
        for (int k = row * 3 + 1; k <= row * 3 + 3; ++k)
            expected.push_back(R"(<FRAME SRC="" NAME="Frame: )" + std::to_string(k) + R"(">)");
        expected.push_back("</FRAMESET>");
    }
    expected.push_back("</FRAMESET>");
    expected.insert(expected.end(), kNoFramesBlock.begin(), kNoFramesBlock.end());
    expected.push_back("</HTML>");
    EXPECT_EQ(buildFrameDocument(named({})), expected);
}

TEST(FrameLayout, dividersDecideFramesetsAndRows)
{
    struct Case {
        const char* what;
        FrameGrid grid;
        std::array<bool, frameCount> shown;
        Lines frameset;
    };
    const std::array<bool, frameCount> all = {true, true, true, true, true, true, true, true, true};
    const Case cases[] = {
        {"a row whose first divider reaches 98 is one frame line",
         {FrameOrientation::ByRows, {33, 67}, {{{98, 100}, {33, 67}, {33, 67}}}},
         {true, false, false, true, true, true, true, true, true},
         {R"(<FRAMESET ROWS="33%,*,33%">)", R"(<FRAME SRC="" NAME="Frame: 1">)", R"(<FRAMESET COLS="33%,*,33%">)",
          R"(<FRAME SRC="" NAME="Frame: 4">)", R"(<FRAME SRC="" NAME="Frame: 5">)", R"(<FRAME SRC="" NAME="Frame: 6">)",
          "</FRAMESET>", R"(<FRAMESET COLS="33%,*,33%">)", R"(<FRAME SRC="" NAME="Frame: 7">)",
          R"(<FRAME SRC="" NAME="Frame: 8">)", R"(<FRAME SRC="" NAME="Frame: 9">)", "</FRAMESET>", "</FRAMESET>"}},
        {"a main first divider at 98 gives one row of 100%",
         {FrameOrientation::ByRows, {98, 100}, {}},
         {true, true, true, false, false, false, false, false, false},
         {R"(<FRAMESET ROWS="100%">)", R"(<FRAMESET COLS="33%,*,33%">)", R"(<FRAME SRC="" NAME="Frame: 1">)",
          R"(<FRAME SRC="" NAME="Frame: 2">)", R"(<FRAME SRC="" NAME="Frame: 3">)", "</FRAMESET>", "</FRAMESET>"}},
        {"a hidden frame in a written row has no NAME",
         {FrameOrientation::ByRows, {50, 100}, {{{40, 100}, {40, 60}, {33, 67}}}},
         {true, true, false, true, false, true, false, false, false},
         {R"(<FRAMESET ROWS="50%,*">)", R"(<FRAMESET COLS="40%,*">)", R"(<FRAME SRC="" NAME="Frame: 1">)",
          R"(<FRAME SRC="" NAME="Frame: 2">)", "</FRAMESET>", R"(<FRAMESET COLS="40%,*,40%">)",
          R"(<FRAME SRC="" NAME="Frame: 4">)", R"(<FRAME SRC="">)", R"(<FRAME SRC="" NAME="Frame: 6">)", "</FRAMESET>",
          "</FRAMESET>"}},
        {"by columns swaps ROWS and COLS",
         {FrameOrientation::ByColumns, {25, 97}, {{{10, 100}, {50, 75}, {33, 67}}}},
         all,
         {R"(<FRAMESET COLS="25%,*,3%">)", R"(<FRAMESET ROWS="10%,*">)", R"(<FRAME SRC="" NAME="Frame: 1">)",
          R"(<FRAME SRC="" NAME="Frame: 2">)", "</FRAMESET>", R"(<FRAMESET ROWS="50%,*,25%">)",
          R"(<FRAME SRC="" NAME="Frame: 4">)", R"(<FRAME SRC="" NAME="Frame: 5">)", R"(<FRAME SRC="" NAME="Frame: 6">)",
          "</FRAMESET>", R"(<FRAMESET ROWS="33%,*,33%">)", R"(<FRAME SRC="" NAME="Frame: 7">)",
          R"(<FRAME SRC="" NAME="Frame: 8">)", R"(<FRAME SRC="" NAME="Frame: 9">)", "</FRAMESET>", "</FRAMESET>"}},
        // The FRAMESET value and the rows written change together at 98, never one without the other.
        {"a main second divider at 97 still writes row 3",
         {FrameOrientation::ByRows, {33, 97}, {{{98, 100}, {98, 100}, {98, 100}}}},
         all,
         {R"(<FRAMESET ROWS="33%,*,3%">)", R"(<FRAME SRC="" NAME="Frame: 1">)", R"(<FRAME SRC="" NAME="Frame: 4">)",
          R"(<FRAME SRC="" NAME="Frame: 7">)", "</FRAMESET>"}},
        {"a main second divider at 98 leaves row 3 out",
         {FrameOrientation::ByRows, {33, 98}, {{{98, 100}, {98, 100}, {98, 100}}}},
         all,
         {R"(<FRAMESET ROWS="33%,*">)", R"(<FRAME SRC="" NAME="Frame: 1">)", R"(<FRAME SRC="" NAME="Frame: 4">)",
          "</FRAMESET>"}},
    };
    for (const Case& c : cases) {
        FrameLayout layout;
        layout.grid = c.grid;
        EXPECT_EQ(framesetOf(buildFrameDocument(named(layout, c.shown))), c.frameset) << c.what;
    }
}

TEST(FrameLayout, frameAttributes)
{
    struct Case {
        FrameRecord frame;
        std::string line;
    };
    const Case cases[] = {
        {{}, R"(<FRAME SRC="">)"},
        {{"a.htm", -1, -1, "n", FrameScrolling::Auto, true}, R"(<FRAME SRC="a.htm" NAME="n">)"},
        {{"", 0, -1, "", FrameScrolling::Auto, true}, R"(<FRAME SRC="" MARGINWIDTH="0">)"},
        {{"", -1, 20, "", FrameScrolling::Auto, true}, R"(<FRAME SRC="" MARGINHEIGHT="20">)"},
        {{"", -1, -1, "", FrameScrolling::Auto, false}, R"(<FRAME SRC="" NORESIZE>)"},
        {{"", -1, -1, "", FrameScrolling::Yes, true}, R"(<FRAME SRC="" SCROLLING="YES">)"},
        {{"", -1, -1, "", FrameScrolling::No, true}, R"(<FRAME SRC="" SCROLLING="NO">)"},
        {{"b.htm", 5, 6, "x", FrameScrolling::No, false},
         R"(<FRAME SRC="b.htm" NAME="x" MARGINWIDTH="5" MARGINHEIGHT="6" NORESIZE SCROLLING="NO">)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frameLine(c.frame), c.line);
}

TEST(FrameLayout, bannerMenuAndMainWithoutNoFrames)
{
    FrameLayout layout;
    layout.title = "Site";
    layout.noFramesBlock = false;
    layout.grid = {FrameOrientation::ByRows, {20, 100}, {{{99, 100}, {25, 100}, {33, 67}}}};
    layout.frames[0] = {"top.htm", 0, -1, "banner", FrameScrolling::No, false};
    layout.frames[3] = {"menu.htm", -1, -1, "menu", FrameScrolling::Auto, true};
    layout.frames[4] = {"main.htm", -1, -1, "main", FrameScrolling::Yes, true};
    const Lines expected = {"<HTML>", "<HEAD>", "<TITLE>Site</TITLE>", "</HEAD>",
                            R"(<FRAMESET ROWS="20%,*">)",
                            R"(<FRAME SRC="top.htm" NAME="banner" MARGINWIDTH="0" NORESIZE SCROLLING="NO">)",
                            R"(<FRAMESET COLS="25%,*">)",
                            R"(<FRAME SRC="menu.htm" NAME="menu">)",
                            R"(<FRAME SRC="main.htm" NAME="main" SCROLLING="YES">)",
                            "</FRAMESET>",
                            "</FRAMESET>",
                            "</HTML>"};
    EXPECT_EQ(buildFrameDocument(named(layout, {true, false, false, true, true, false, false, false, false})), expected);
}

TEST(FrameLayout, writtenFramesFollowTheClosingDividers)
{
    using Written = std::array<bool, frameCount>;
    EXPECT_EQ(writtenFrames({}), (Written {true, true, true, true, true, true, true, true, true}));
    EXPECT_EQ(writtenFrames({FrameOrientation::ByRows, {20, 100}, {{{99, 100}, {25, 100}, {33, 67}}}}),
              (Written {true, false, false, true, true, false, false, false, false}));
    EXPECT_EQ(writtenFrames({FrameOrientation::ByColumns, {98, 99}, {{{97, 98}, {33, 67}, {33, 67}}}}),
              (Written {true, true, false, false, false, false, false, false, false}));
}

TEST(FrameLayout, stepsVisitOnlyNamedFrames)
{
    FrameRecords frames;
    nameShownFrames(frames, {false, true, false, false, true, false, false, false, true});
    EXPECT_EQ(frames[1].name, "Frame: 2");
    EXPECT_EQ(nextNamedFrame(frames, 0), 2);
    EXPECT_EQ(nextNamedFrame(frames, 2), 5);
    EXPECT_EQ(nextNamedFrame(frames, 5), 9);
    EXPECT_EQ(nextNamedFrame(frames, 9), 0);
    EXPECT_EQ(previousNamedFrame(frames, 9), 5);
    EXPECT_EQ(previousNamedFrame(frames, 2), 0);

    // A name the user gave survives; a frame hidden since loses it.
    frames[4].name = "main";
    nameShownFrames(frames, {true, true, false, false, true, false, false, false, false});
    EXPECT_EQ(frames[0].name, "Frame: 1");
    EXPECT_EQ(frames[4].name, "main");
    EXPECT_EQ(frames[8].name, "");
}

} // namespace
} // namespace tessera::generators
