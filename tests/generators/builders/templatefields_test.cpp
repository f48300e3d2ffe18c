#include "generators/builders/templatefields.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessera::generators;

namespace {

struct LineCase {
    const char* name;
    std::function<std::optional<std::string>()> build;
    std::optional<std::string> expected;
};

class TemplateBuilders : public ::testing::TestWithParam<LineCase> {};

TEST_P(TemplateBuilders, writeTheExactLine)
{
    EXPECT_EQ(GetParam().build(), GetParam().expected);
}

TemplateHeading heading(std::string text, int size, std::string alignment, std::optional<Rgb> colour = {})
{
    return {std::move(text), size, std::move(alignment), colour};
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TemplateBuilders, ::testing::Values(
    LineCase {"heading", [] { return buildHeading(heading("Welcome", 2, "center")); }, "<H2 ALIGN=\"center\">Welcome</H2>"},
    LineCase {"headingInColour", [] { return buildHeading(heading("Welcome", 2, "center", Rgb {255, 0, 0})); },
              "<FONT COLOR=\"#FF0000\"><H2 ALIGN=\"center\">Welcome</H2></FONT>"},
    LineCase {"headingWithoutTextWritesNothing", [] { return buildHeading(heading("", 3, "left")); }, std::nullopt},
    LineCase {"textEveryStyle", [] { return buildText({"Hello", true, false, true, "right"}); },
              "<P ALIGN=\"right\"><I><B>Hello</B></I></P>"},
    LineCase {"textNesting", [] { return buildText({"t", true, true, true, "none"}); }, "<I><U><B>t</B></U></I>"},
    LineCase {"textOfSeveralLinesStaysOnOne", [] { return buildText({"one\r\ntwo\nthree\rfour", false, false, false, "none"}); },
              "one two three four"},
    LineCase {"emptyTextWritesNothing", [] { return buildText({}); }, std::nullopt},
    LineCase {"image", [] { return std::optional(buildImage({"cat.gif", 100, 80, "left"})); },
              "<IMG SRC=\"cat.gif\" HEIGHT=\"80\" WIDTH=\"100\" ALIGN=\"left\">"},
    LineCase {"imageWithoutSizes", [] { return std::optional(buildImage({"my cat.gif", 0, 0, "none"})); }, "<IMG SRC=\"my cat.gif\">"},
    LineCase {"emptyImageEmptiesTheLine", [] { return std::optional(buildImage({"", 10, 10, "top"})); }, ""},
    LineCase {"textLink", [] { return std::optional(buildLink({"http://a.org/", "A site", "center", false, false, ""})); },
              "<P ALIGN=\"center\"><A HREF=\"http://a.org/\">A site</A></P>"},
    LineCase {"mailLink", [] { return std::optional(buildLink({"me@a.org", "Write", "none", true, false, ""})); },
              "<A HREF=\"mailto:me@a.org\">Write</A>"},
    LineCase {"imageLink", [] { return std::optional(buildLink({"b.htm", "ignored", "none", false, true, "go.gif"})); },
              "<A HREF=\"b.htm\"><IMG SRC=\"go.gif\"></A>"},
    LineCase {"imageLinkWithoutGraphic", [] { return std::optional(buildLink({"b.htm", "", "none", false, true, ""})); },
              "<A HREF=\"b.htm\"></A>"},
    LineCase {"emptyUrlEmptiesTheLine", [] { return std::optional(buildLink({"", "text", "left", false, false, ""})); }, ""},
    LineCase {"bodyDefaults", [] { return std::optional(buildBody({})); },
              "<BODY  TEXT=\"#000000\" LINK=\"#000000\" VLINK=\"#000000\" ALINK=\"#000000\" BGCOLOR=\"#FFFFFF\">"},
    LineCase {"bodyEveryAttribute", [] { return std::optional(buildBody({"tile.gif", "111111", "222222", "333333", "444444", "555555", 10, 0, true})); },
              "<BODY BACKGROUND=\"tile.gif\" TEXT=\"#111111\" LINK=\"#222222\" VLINK=\"#333333\" ALINK=\"#444444\" "
              "BGCOLOR=\"#555555\" LEFTMARGIN=\"10\" RIGHTMARGIN=\"0\" BGPROPERTIES=\"FIXED\">"},
    LineCase {"bodyEmptyColourBoxesLeftOut", [] { return std::optional(buildBody({"", "", "", "", "", "", -1, -1, false})); }, "<BODY >"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemplateBuilders, defaultsWriteTitleAndBothMetaLines)
{
    EXPECT_EQ(buildDefaults({"My page", "cats, \"dogs\"", "All about pets"}),
              (std::vector<std::string> {"<TITLE>My page</TITLE>", "<META NAME=\"Keywords\" CONTENT=\"cats, &quot;dogs&quot;\">",
                                         "<META NAME=\"Description\" CONTENT=\"All about pets\">"}));
}

// Each line the wizard can write reads back to fields that write it again.
TEST(TemplateImporters, readBackWhatTheBuildersWrite)
{
    const TemplateHeading headings[] = {heading("Welcome", 2, "center", Rgb {255, 0, 0}), heading("Plain", 6, "none"),
                                        heading("a > b", 1, "right")};
    for (const TemplateHeading& fields : headings)
        EXPECT_EQ(importHeading(*buildHeading(fields)), fields) << *buildHeading(fields);

    const TemplateText texts[] = {{"Hello", true, false, true, "right"}, {"Hello <B>world</B>", false, false, false, "none"},
                                  {"<B>a</B> and <B>b</B>", false, true, false, "left"}, {"x", true, true, true, "center"}};
    for (const TemplateText& fields : texts)
        EXPECT_EQ(importText(*buildText(fields)), fields) << *buildText(fields);

    const TemplateImage images[] = {{"my cat.gif", 100, 80, "left"}, {"cat.gif", 0, 0, "none"}, {"a\"b.gif", 1, 0, "bottom"}};
    for (const TemplateImage& fields : images)
        EXPECT_EQ(importImage(buildImage(fields)), fields) << buildImage(fields);

    const TemplateLink links[] = {{"http://a.org/a b", "A site", "center", false, false, ""},
                                  {"me@a.org", "Write", "none", true, false, ""},
                                  {"b.htm", "", "right", false, true, "my go.gif"}};
    for (const TemplateLink& fields : links) {
        EXPECT_EQ(importLink(buildLink(fields), false), fields) << buildLink(fields);
        EXPECT_EQ(importLink(buildLink(fields), true), fields) << buildLink(fields);
    }

    const TemplateDefaults defaults {"Title", "cats, \"dogs\"", "About"};
    EXPECT_EQ(importDefaults(buildDefaults(defaults)), defaults);
}

TEST(TemplateImporters, readLinesWrittenByHand)
{
    EXPECT_EQ(importHeading("<H2 ALIGN=\"center\">Welcome</H2>"), heading("Welcome", 2, "center"));
    EXPECT_EQ(importHeading("<h3 align=Right>Hi</h3>"), heading("Hi", 3, "right"));
    EXPECT_EQ(importHeading("<FONT COLOR=\"red\"><H1>x</H1></FONT>"), heading("x", 1, "none"));
    EXPECT_EQ(importHeading(""), heading("", 1, "none"));

    // A line break or a list is no bold, underline or italics.
    EXPECT_EQ(importText("Line one<BR>"), (TemplateText {"Line one<BR>", false, false, false, "none"}));
    EXPECT_EQ(importText("<UL><LI>x</UL>"), (TemplateText {"<UL><LI>x</UL>", false, false, false, "none"}));
    EXPECT_EQ(importText("<IMG SRC=\"i.gif\">"), (TemplateText {"<IMG SRC=\"i.gif\">", false, false, false, "none"}));
    EXPECT_EQ(importText("  just words  "), (TemplateText {"just words", false, false, false, "none"}));

    EXPECT_EQ(importImage("<IMG SRC=my.gif WIDTH=12 HEIGHT=x ALIGN=\"TOP\">"), (TemplateImage {"my.gif", 12, 0, "top"}));
    EXPECT_EQ(importImage("<P>not an image</P>"), TemplateImage {});

    EXPECT_EQ(importLink("<A HREF=\"MAILTO:me@a.org\">me</A>", false), (TemplateLink {"me@a.org", "me", "none", true, false, ""}));
    EXPECT_EQ(importLink("", true), (TemplateLink {"", "", "none", true, false, ""}));
    EXPECT_EQ(importLink("<A HREF=\"x.htm\">x</A>", true), (TemplateLink {"x.htm", "x", "none", false, false, ""}));

    EXPECT_EQ(importDefaults({"<TITLE>T</TITLE>", "<META NAME=\"description\" CONTENT=\"d\">", "<META NAME=Keywords CONTENT='k k'>"}),
              (TemplateDefaults {"T", "k k", "d"}));
    EXPECT_EQ(importDefaults({"", "", ""}), TemplateDefaults {});
}

} // namespace
