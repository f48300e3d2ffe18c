#include "workspace/tags/tagtarget.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const QString sample = QStringLiteral("abc def\nghi jkl\nmno");

struct Scenario {
    const char* name;
    EditorSelection selection; // StartPos, EndPos, StartLine, EndLine
};

// The selections every primitive is checked on.
const Scenario scenarios[] = {
    {"caret", {4, 4, 1, 1}},
    {"withinLine", {0, 3, 1, 1}},
    {"overLines", {4, 3, 1, 2}},
    {"backwardsOverLines", {3, 4, 2, 1}},
    {"caretAtStart", {0, 0, 1, 1}},
    {"caretAtEnd", {3, 3, 3, 3}},
};

std::string dump(TextTagTarget& target)
{
    const EditorSelection s = target.selection();
    return QStringLiteral("%1 @%2:%3-%4:%5")
        .arg(target.text())
        .arg(s.StartLine)
        .arg(s.StartPos)
        .arg(s.EndLine)
        .arg(s.EndPos)
        .toStdString();
}

std::string joined(const std::pair<QString, QString>& texts)
{
    return (texts.first + QLatin1Char('|') + texts.second).toStdString();
}

struct PrimitiveCase {
    const char* primitive;
    std::function<void(TagTarget&)> run;
    // One expected dump per scenario, in the order of `scenarios`.
    std::vector<std::string> expected;
};

TEST(TagEditTest, PrimitivesLeaveTextAndSelection)
{
    const std::vector<PrimitiveCase> cases = {
        {"InsertSelected <B>", [](TagTarget& t) { TagEdit::insertSelected(t, "<B>"); },
         {"abc <B></B>def\nghi jkl\nmno @1:7-1:7", "<B>abc</B> def\nghi jkl\nmno @1:0-1:10",
          "abc <B>def\nghi</B> jkl\nmno @1:4-2:7", "abc <B>def\nghi</B> jkl\nmno @1:4-2:7",
          "<B></B>abc def\nghi jkl\nmno @1:3-1:3", "abc def\nghi jkl\nmno<B></B> @3:6-3:6"}},
        {"InsertSelected2 with empty closing", [](TagTarget& t) { TagEdit::insertSelected2(t, "<HR>", ""); },
         {"abc <HR>def\nghi jkl\nmno @1:8-1:8", "<HR>abc def\nghi jkl\nmno @1:0-1:7",
          "abc <HR>def\nghi jkl\nmno @1:4-2:3", "abc <HR>def\nghi jkl\nmno @1:4-2:3",
          "<HR>abc def\nghi jkl\nmno @1:4-1:4", "abc def\nghi jkl\nmno<HR> @3:7-3:7"}},
        {"InsertText", [](TagTarget& t) { TagEdit::insertText(t, "&nbsp;"); },
         {"abc &nbsp;def\nghi jkl\nmno @1:10-1:10", "&nbsp; def\nghi jkl\nmno @1:6-1:6",
          "abc &nbsp; jkl\nmno @1:10-1:10", "abc &nbsp; jkl\nmno @1:10-1:10",
          "&nbsp;abc def\nghi jkl\nmno @1:6-1:6", "abc def\nghi jkl\nmno&nbsp; @3:9-3:9"}},
        {"InsertCaptionAsTag", [](TagTarget& t) { TagEdit::insertCaptionAsTag(t, "<P ALIGN=\"left\"></P>"); },
         {"abc <P ALIGN=\"left\"></P>def\nghi jkl\nmno @1:20-1:20",
          "<P ALIGN=\"left\">abc</P> def\nghi jkl\nmno @1:0-1:23",
          "abc <P ALIGN=\"left\">def\nghi</P> jkl\nmno @1:4-2:7", "abc <P ALIGN=\"left\">def\nghi</P> jkl\nmno @1:4-2:7",
          "<P ALIGN=\"left\"></P>abc def\nghi jkl\nmno @1:16-1:16",
          "abc def\nghi jkl\nmno<P ALIGN=\"left\"></P> @3:19-3:19"}},
        {"CreateUnevenTags comment", [](TagTarget& t) { TagEdit::createUnevenTags(t, "<!--..--> - comment"); },
         {"abc <!---->def\nghi jkl\nmno @1:8-1:8", "<!--abc--> def\nghi jkl\nmno @1:0-1:10",
          "abc <!--def\nghi--> jkl\nmno @1:4-2:6", "abc <!--def\nghi--> jkl\nmno @1:4-2:6",
          "<!---->abc def\nghi jkl\nmno @1:4-1:4", "abc def\nghi jkl\nmno<!----> @3:7-3:7"}},
        {"insertLines", [](TagTarget& t) { TagEdit::insertLines(t, {"<TR>", "</TR>"}, "\n"); },
         {"abc <TR>\n</TR>\ndef\nghi jkl\nmno @3:0-3:0", "<TR>\n</TR>\n def\nghi jkl\nmno @3:0-3:0",
          "abc <TR>\n</TR>\n jkl\nmno @3:0-3:0", "abc <TR>\n</TR>\n jkl\nmno @3:0-3:0",
          "<TR>\n</TR>\nabc def\nghi jkl\nmno @3:0-3:0", "abc def\nghi jkl\nmno<TR>\n</TR>\n @5:0-5:0"}},
    };
    for (const PrimitiveCase& c : cases) {
        for (size_t i = 0; i < std::size(scenarios); ++i) {
            TextTagTarget target(sample, scenarios[i].selection);
            c.run(target);
            EXPECT_EQ(dump(target), c.expected[i]) << c.primitive << " / " << scenarios[i].name;
        }
    }
}

TEST(TagRulesTest, ClosingTagInsertsSlashAsSecondCharacter)
{
    EXPECT_EQ(TagRules::closingTagFor("<B>").toStdString(), "</B>");
    // Custom buttons rely on the attributes staying in the closing text.
    EXPECT_EQ(TagRules::closingTagFor("<FONT SIZE=3>").toStdString(), "</FONT SIZE=3>");
    EXPECT_EQ(TagRules::closingTagFor("").toStdString(), "");
}

TEST(TagRulesTest, CaptionSplitsAfterFirstBracket)
{
    const std::pair<const char*, std::pair<QString, QString>> cases[] = {
        {"<P ALIGN=\"center\"></P>", {"<P ALIGN=\"center\">", "</P>"}},
        {"<DIV></DIV>", {"<DIV>", "</DIV>"}},
        {"<HR>", {"<HR>", ""}},
        {"<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">", {"<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">", ""}},
        {"no bracket", {"no bracket", ""}},
    };
    for (const auto& [caption, expected] : cases)
        EXPECT_EQ(joined(TagRules::captionAsTag(caption)), joined(expected)) << caption;
}

TEST(TagRulesTest, UnevenTagsFromMenuLines)
{
    const std::pair<const char*, std::pair<QString, QString>> cases[] = {
        {"<B>..</B> - bold", {"<B>", "</B>"}},
        {"FONT COLOR=red../FONT - red", {"<FONT COLOR=red>", "</FONT>"}},
        {"<!--..-->", {"<!--", "-->"}},
        {"<A NAME=\"\">..</A>", {"<A NAME=\"\">", "</A>"}},
        {"<A HREF=\"\">..</A> - anchor", {"<A HREF=\"\">", "</A>"}},
        // The description separator is " - " after the dots: dashes of the tag stay.
        {"<!--..--> - comment", {"<!--", "-->"}},
        {"<SCRIPT><!--..//--></SCRIPT> - script", {"<SCRIPT><!--", "//--></SCRIPT>"}},
        {"<A HREF=\"my-page.htm\">..</A> - link", {"<A HREF=\"my-page.htm\">", "</A>"}},
        {"TT..", {"<TT>", ""}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(joined(TagRules::unevenTags(line)), joined(expected)) << line;
}

TEST(TagRulesTest, FirstWordOfCaption)
{
    EXPECT_EQ(TagRules::firstWordAsTag("H1 - Size 1").toStdString(), "<H1>");
    EXPECT_EQ(TagRules::firstWordAsTag("TT typewriter").toStdString(), "<TT>");
    EXPECT_EQ(TagRules::firstWordAsTag("ADDRESS").toStdString(), "<ADDRESS>");
}

} // namespace
