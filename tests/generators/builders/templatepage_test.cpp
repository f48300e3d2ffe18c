#include "generators/builders/templatepage.h"

#include <gtest/gtest.h>

using namespace tessera::generators;

namespace {

using Page = std::vector<std::string>;

TEST(TemplatePlaceholders, kindsAreTestedInOrder)
{
    const std::pair<const char*, std::optional<TemplateKind>> cases[] = {
        {"<!--##Heading-->", TemplateKind::Heading}, {"<!--##Defaults-->", TemplateKind::Defaults},
        {"<!--##Text-->", TemplateKind::Text},       {"<!--##Image-->", TemplateKind::Image},
        {"<!--##Link-->", TemplateKind::Link},       {"<!--##MailLink-->", TemplateKind::MailLink},
        {"  <!--##Body-->", TemplateKind::Body},     {"<!--##Table-->", std::nullopt},
        {"<!-- Heading -->", std::nullopt},
    };
    for (const auto& [line, kind] : cases)
        EXPECT_EQ(placeholderKind(line), kind) << line;
    EXPECT_TRUE(holdsPlaceholder("<!--##Table-->"));
}

TEST(TemplatePlaceholders, searchFindsTheFirstAndLastLines)
{
    const Page page {"<!--##Heading-->", "<H1>x</H1>", "text", "<!--##Oops-->", "", "<!--##Body-->"};
    struct Case {
        int from;
        SearchDirection direction;
        std::optional<int> found;
    };
    const Case cases[] = {
        {0, SearchDirection::Forward, 1}, {1, SearchDirection::Forward, 4},   {4, SearchDirection::Forward, 6},
        {6, SearchDirection::Forward, std::nullopt},                          {6, SearchDirection::Backward, 4},
        {4, SearchDirection::Backward, 1}, {1, SearchDirection::Backward, std::nullopt},
        // A stale line number from a page that has since shrunk.
        {40, SearchDirection::Backward, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findPlaceholder(page, c.from, c.direction), c.found) << c.from;
    EXPECT_EQ(findPlaceholder({}, 0, SearchDirection::Forward), std::nullopt);
}

TEST(TemplatePlaceholders, ownOnlyWhatTheirKindWrites)
{
    struct Case {
        TemplateKind kind;
        int slot;
        const char* line;
        bool owned;
    };
    const Case cases[] = {
        {TemplateKind::Text, 0, "", true},          {TemplateKind::Text, 0, "plain words", true},
        {TemplateKind::Text, 0, "<B>x</B>", true},  {TemplateKind::Text, 0, "<BR>", false},
        {TemplateKind::Text, 0, "<!--##Image-->", false}, {TemplateKind::Text, 0, "1 < 2", true},
        {TemplateKind::Heading, 0, "<h2>x</h2>", true}, {TemplateKind::Heading, 0, "<HR>", false},
        {TemplateKind::Image, 0, "<IMG SRC=\"a\">", true}, {TemplateKind::Image, 0, "</BODY>", false},
        {TemplateKind::MailLink, 0, "<P><A HREF=x>", true}, {TemplateKind::Body, 0, "<BODY>", true},
        {TemplateKind::Defaults, 0, "<TITLE>t</TITLE>", true}, {TemplateKind::Defaults, 0, "<META>", false},
        {TemplateKind::Defaults, 2, "<META NAME=x>", true}, {TemplateKind::Defaults, 1, "<BODY>", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ownsLine(c.kind, c.slot, c.line), c.owned) << c.line;
}

TEST(TemplateWriter, replacesOwnedLinesAndInsertsBeforeOthers)
{
    struct Case {
        const char* name;
        Page page;
        int placeholder;
        TemplateKind kind;
        std::vector<std::string> written;
        std::optional<LineReplacement> expected;
    };
    const std::vector<std::string> defaults {"<TITLE>t</TITLE>", "<META k>", "<META d>"};
    const Case cases[] = {
        {"ownedLine", {"<!--##Text-->", "old"}, 1, TemplateKind::Text, {"new"}, LineReplacement {2, 1, {"new"}}},
        {"foreignLineStays", {"<!--##Image-->", "<TABLE>"}, 1, TemplateKind::Image, {"<IMG>"}, LineReplacement {2, 0, {"<IMG>"}}},
        {"placeholderOnTheLastLine", {"x", "<!--##Body-->"}, 2, TemplateKind::Body, {"<BODY>"}, LineReplacement {3, 0, {"<BODY>"}}},
        {"defaultsBeforeBody", {"<!--##Defaults-->", "<BODY>"}, 1, TemplateKind::Defaults, defaults, LineReplacement {2, 0, defaults}},
        {"defaultsOverTheirOwn", {"<!--##Defaults-->", "<TITLE>a</TITLE>", "<META a>", "", "<BODY>"}, 1, TemplateKind::Defaults,
         defaults, LineReplacement {2, 3, defaults}},
        {"titleMissing", {"<!--##Defaults-->", "<META a>", "<META b>", "<BODY>"}, 1, TemplateKind::Defaults, defaults,
         LineReplacement {2, 2, defaults}},
        {"defaultsRunningPastTheEnd", {"<!--##Defaults-->", "<TITLE>a</TITLE>"}, 1, TemplateKind::Defaults, defaults,
         LineReplacement {2, 1, defaults}},
        {"placeholderGone", {"typed over", "<P>"}, 1, TemplateKind::Text, {"new"}, std::nullopt},
        {"otherKindNow", {"<!--##Link-->", ""}, 1, TemplateKind::MailLink, {"new"}, std::nullopt},
        {"lineNoLongerThere", {"<!--##Text-->"}, 5, TemplateKind::Text, {"new"}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeWrite(c.page, c.placeholder, c.kind, c.written), c.expected) << c.name;
}

TEST(TemplateWriter, importsNothingFromALineItDoesNotOwn)
{
    EXPECT_EQ(ownedLines({"<!--##Defaults-->", "<TITLE>t</TITLE>", "<BODY>", "<META NAME=Keywords>"}, 1, TemplateKind::Defaults),
              (std::vector<std::string> {"<TITLE>t</TITLE>", "", ""}));
    EXPECT_EQ(ownedLines({"<!--##Heading-->", "<!--##Text-->", "words"}, 1, TemplateKind::Heading), (std::vector<std::string> {""}));
    EXPECT_EQ(ownedLines({"<!--##Image-->"}, 1, TemplateKind::Image), (std::vector<std::string> {""}));
}

} // namespace
