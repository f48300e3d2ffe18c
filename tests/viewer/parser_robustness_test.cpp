#include "viewer_test_support.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/form.h"
#include "viewer/model/image.h"
#include "viewer/model/table.h"
#include "viewer/model/viewererror.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace tessera::viewer::testing {
namespace {

struct DumpCase {
    const char* name;
    std::string html;
    const char* expected;
};

class EndOfInput : public ::testing::TestWithParam<DumpCase> {};

TEST_P(EndOfInput, FinishesTheDocument)
{
    EXPECT_EQ(dumpOf(GetParam().html, noFonts()), GetParam().expected);
}

const DumpCase kEndCases[] = {
    {"list", "<UL><LI>x", "li L1 \"x\"\n"},
    {"nestedLists", "<OL><LI>a<DL><DD>b", "li #1 L1 \"a\"\ndd L2 \"b\"\n"},
    {"pre", "<PRE>", "pre \" \"\n"},
    {"preWithText", "<PRE>a\nb", "pre \"a\"\npre \"b\"\n"},
    {"table", "<TABLE><TR><TD>x", "table pad=2 space=3\n  row\n    cell\n      text \"x\"\n"},
    {"caption", "<TABLE><CAPTION>c", "table pad=2 space=3\n  caption top\n    text center \"c\"\n  row\n"},
    {"form", "<FORM><INPUT NAME=a", "text \"[ctl]\"\n  control @0 edit \"a\"\nform \"Get\" \"\"\n  edit \"a\"=\"\" size=20\n"},
    {"select", "<SELECT NAME=s><OPTION>x",
     "text \"[ctl]\"\n  control @0 combo \"s\"\nform \"Get\" \"\"\n  combo \"s\"=\"\" \"x\"*\n"},
    {"textArea", "<TEXTAREA NAME=t>abc",
     "text \"[ctl]\"\n  control @0 textarea \"t\"\nform \"Get\" \"\"\n  textarea \"t\"=\"\" 2x20 \"abc\"\n"},
    {"textAreaInsideTag", "<TEXTAREA NAME=t>ab</TEXT",
     "text \"[ctl]\"\n  control @0 textarea \"t\"\nform \"Get\" \"\"\n  textarea \"t\"=\"\" 2x20 \"ab</TEXT\"\n"},
    {"map", "<MAP NAME=m><AREA COORDS=\"0,0,1,1\"", ""},
    {"title", "<TITLE>x", ""},
    {"quotedValue", "a<IMG SRC=\"unterminated", "text \"a[img]\"\n  img @1 \"unterminated\" bottom\n"},
    {"tag", "a<B", "text \"a\"\n"},
    {"entity", "a&#6", "text \"a&#6\"\n"},
};

INSTANTIATE_TEST_SUITE_P(Parser, EndOfInput, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Comments, AreRemovedWherever)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a<!-- x -->b", "ab"},
        {"a<!-- x -- b-->c", "ac"},  // the inner pair is not followed by ">"
        {"a<!-- x -- \r\n >b", "ab"}, // dashes, white space and line ends may close it
        {"a<!----->b", "ab"},
        {"a<!DOCTYPE html>b<!>c", "abc"},
        {"a<!-- 1 --><!-- 2 -->b", "ab"},
        {"<B<!-- x -->>x</B>", "x"},
        {"<IMG ALT=\"<!-- x -->y\">", "\x04"},
    };
    for (const auto& [html, text] : cases) {
        Parsed page = parse(html);
        ASSERT_EQ(page.document->count(), 1) << html;
        EXPECT_EQ(page.text(0).text(), text) << html;
    }
    EXPECT_EQ(parse("<IMG ALT=\"<!-- x -->y\">").text(0).images().at(0)->alt(), "y");
}

// Plain runs of text and attribute values are taken in one piece; white space, tabs, line
// ends, comments and control characters next to them must read as they do one by one.
TEST(PlainRuns, ReadLikeSingleCharacters)
{
    const std::pair<const char*, const char*> texts[] = {
        {"a  b", "a b"},
        {"a \t\r\n b", "a b"},
        {"a\tb", "a b"},
        {"a \x01" "b", "a b"},
        {"a\x01" "b", "ab"},
        {"a \x01 b", "a b"},
        {"a <!-- c -->  b", "a b"},
        {"a<!-- c --> b", "a b"},
        {"ends in a space ", "ends in a space "},
        {"a <B>b</B> &amp; c <! x> d", "a b & c d"},
        {"a <!-- c --><B>b</B>", "a b"},
        {"a \n<B>b</B>\n<I>c</I> <!x>\n d", "a b c d"},
        {"caf\xC3\xA9 au lait", "caf\xC3\xA9 au lait"},
        {"x > y", "x > y"},
        {"<PRE>a\tb  c</PRE>", "a       b  c"},
    };
    for (const auto& [html, text] : texts) {
        Parsed page = parse(html);
        std::string all;
        for (const auto& section : page.document->sections()) {
            if (section->isTextSection())
                all += static_cast<const TSection&>(*section).text();
        }
        EXPECT_EQ(all, text) << html;
    }
    const std::pair<const char*, const char*> alts[] = {
        {"<IMG ALT=\"a\tb\r\nc\">", "a bc"},
        {"<IMG ALT=x\ty>", "x"},
        {"<IMG ALT='q\"r'>", "q\"r"},
        {"<IMG ALT=a<!-- c -->b>", "ab"},
        {"<IMG ALT=\"unclosed", "unclosed"},
    };
    for (const auto& [html, alt] : alts) {
        Parsed page = parse(html);
        ASSERT_EQ(page.text(0).images().size(), 1u) << html;
        EXPECT_EQ(page.text(0).images()[0]->alt(), alt) << html;
    }
}

TEST(Comments, OpenAtTheEndIsAnError)
{
    for (const char* html : {"a<!-- open", "a<!-- x -- y", "<!DOCTYPE", "<P>x<!--", "<TABLE><TD><!-- x"}) {
        TSectionList document;
        TNameList names;
        try {
            ParseTextBlock(document, names, html);
            ADD_FAILURE() << "no error for " << html;
        } catch (const EParseError& error) {
            EXPECT_STREQ(error.what(), "Open Comment at End of HTML File");
        }
    }
}

TEST(ControlCharacters, AreNeverPlaceholdersAndNeverEndTheText)
{
    const std::pair<std::string, std::string> cases[] = {
        {std::string("a\x04" "b\x02" "c", 5), "abc"},
        {std::string("a\0b", 3), "ab"},
        {std::string("a\x1A" "b\x1B\x7F" "c", 6), "abc"},
        {std::string("<PRE>a\x04" "b\x02</PRE>", 15), "ab"},
        {"a&#4;b", "a&#4;b"},
    };
    for (const auto& [html, text] : cases) {
        Parsed page = parse(html);
        const TSection& section = page.text(page.document->count() == 1 ? 0 : 1);
        EXPECT_EQ(section.text(), text);
        EXPECT_TRUE(section.images().empty());
        EXPECT_TRUE(section.formControls().empty());
    }
    Parsed form = parse(std::string("<SELECT><OPTION>x") + '\x04' + "y</SELECT><TEXTAREA>p" + '\x02' + "q</TEXTAREA>");
    ASSERT_EQ(form.document->forms().size(), 1u);
    EXPECT_EQ(form.dump(noFonts()), "text \"[ctl][ctl]\"\n  control @0 combo \"\"\n  control @1 textarea \"\"\n"
                                    "form \"Get\" \"\"\n  combo \"\"=\"\" \"xy\"*\n  textarea \"\"=\"\" 2x20 \"pq\"\n");
}

// How deep the model nests tables.
int tableDepth(const TCell& cell)
{
    int deepest = 0;
    for (const auto& section : cell.sections()) {
        if (section->kind() != SectionKind::Table)
            continue;
        for (const auto& row : static_cast<const ThtmlTable&>(*section).rows())
            for (const auto& cellObj : row)
                if (cellObj)
                    deepest = std::max(deepest, 1 + tableDepth(cellObj->cell()));
    }
    return deepest;
}

TEST(Limits, DeepNestingIsBounded)
{
    std::string tables;
    for (int i = 0; i < 100000; ++i)
        tables += "<TABLE><TR><TD>";
    tables += "deep";
    Parsed page = parse(tables);
    EXPECT_EQ(tableDepth(*page.document), kMaxNesting);

    std::string lists;
    for (int i = 0; i < 100000; ++i)
        lists += "<UL><LI><BLOCKQUOTE>";
    Parsed listPage = parse(lists + "x");
    int deepestLevel = 0;
    for (const auto& section : listPage.document->sections())
        if (section->isTextSection())
            deepestLevel = std::max(deepestLevel, static_cast<const TSection&>(*section).listLevel());
    EXPECT_EQ(deepestLevel, kMaxNesting);
}

TEST(Limits, ManyUnclosedTagsParse)
{
    for (const char* tag : {"<B>", "<FONT SIZE=+1>", "<A HREF=x>", "<H1>", "<CENTER>", "<SELECT>", "<FORM>", "<P>", "<TT>"}) {
        std::string html;
        for (int i = 0; i < 100000; ++i)
            html += tag;
        Parsed page = parse(html + "end");
        EXPECT_GE(page.document->count(), 1) << tag;
    }
}

TEST(Limits, NoTextIsDroppedByBufferSizes)
{
    std::string word(50000, 'w');
    Parsed page = parse("<P>" + word + " tail");
    EXPECT_EQ(page.text(2).text(), word + " tail");

    std::string value(10 * 1024 * 1024, 'v');
    Parsed link = parse("<A HREF=\"" + value + "\">x</A>");
    EXPECT_EQ(link.text(0).fonts()[0].url.size(), value.size());

    std::string line(1000, 'p');
    Parsed pre = parse("<PRE>" + line + "</PRE>");
    EXPECT_EQ(pre.text(1).text(), line);

    Parsed area = parse("<TEXTAREA>" + line + "</TEXTAREA>");
    const auto& control = static_cast<const TTextAreaFormControlObj&>(*area.document->forms().at(0)->controls().at(0));
    EXPECT_EQ(control.lines().at(0), line);

    Parsed title = parse("<TITLE>" + line + "</TITLE>");
    EXPECT_EQ(title.result.title, line);
}

TEST(Limits, HugeNumbersAreClamped)
{
    Parsed page = parse("<IMG WIDTH=99999999999 HEIGHT=-99999999999><HR SIZE=99999999999 WIDTH=-3>"
                        "<INPUT SIZE=2147483648 MAXLENGTH=-1><TEXTAREA ROWS=99999 COLS=0></TEXTAREA>");
    const TImageObj& image = *page.text(0).images().at(0);
    EXPECT_EQ(image.specifiedWidth(), TImageObj::kMaxDimension);
    EXPECT_EQ(image.specifiedHeight(), 0);
    const auto& rule = dynamic_cast<const THorzLine&>(page.section(1));
    EXPECT_EQ(rule.thickness(), THorzLine::kMaxThickness);
    EXPECT_EQ(rule.width(), -1);
    const auto& controls = page.document->forms().at(0)->controls();
    const auto& edit = static_cast<const TEditFormControlObj&>(*controls.at(0));
    EXPECT_EQ(edit.size(), TEditFormControlObj::kMaxSize);
    EXPECT_EQ(edit.maxLength(), 0);
    const auto& area = static_cast<const TTextAreaFormControlObj&>(*controls.at(1));
    EXPECT_EQ(area.rows(), TTextAreaFormControlObj::kMaxChars);
    EXPECT_EQ(area.cols(), TTextAreaFormControlObj::kDefaultCols);
}

TEST(SourceRanges, SectionsAndRunsKnowTheirBytes)
{
    DumpOptions options = noFonts();
    options.sources = true;
    options.runs = true;
    //            0         1         2         3
    //            0123456789012345678901234567890123456789
    Parsed page = parse("ab &amp; c<P>de<B>f</B><HR>g");
    EXPECT_EQ(page.dump(options),
              "text \"ab & c\" [0,10)\n  runs 0+3@[0,3) 3+1@[3,8) 4+2@[8,10)\n"
              "para [10,13)\n"
              "text \"def\" [13,23)\n  runs 0+2@[13,15) 2+1@[18,19)\n"
              "hr 2 full [23,27)\n"
              "text \"g\" [27,28)\n  runs 0+1@[27,28)\n");
}

class MemoryFiles : public FileReader {
public:
    std::map<std::string, std::string> files;
    bool exists(const std::string& name) override { return files.count(name) != 0; }
    bool readAll(const std::string& name, std::string& bytes) override
    {
        auto found = files.find(name);
        if (found == files.end())
            return false;
        bytes = found->second;
        return true;
    }
};

TEST(EntryPoints, LinesFileAndBlockAgree)
{
    MemoryFiles files;
    files.files["page.htm"] = "<PRE>a\r\nb</PRE>caf\xE9";
    TSectionList fromFile;
    TNameList names;
    ParseTextFile(fromFile, names, "page.htm", files);
    TSectionList fromLines;
    ParseTextLines(fromLines, names, {"<PRE>a", "b</PRE>caf\xC3\xA9"});
    DumpOptions options = noFonts();
    EXPECT_EQ(dumpModel(fromFile, nullptr, options), "text \"\"\npre \"a\"\npre \"b\"\ntext \"caf\u00E9\"\n");
    // Every line is followed by a line end, so the last line ends in a space.
    EXPECT_EQ(dumpModel(fromLines, nullptr, options), "text \"\"\npre \"a\"\npre \"b\"\ntext \"caf\u00E9 \"\n");
}

TEST(EntryPoints, MissingFileIsAnError)
{
    MemoryFiles files;
    TSectionList document;
    TNameList names;
    try {
        ParseTextFile(document, names, "gone.htm", files);
        ADD_FAILURE() << "no error";
    } catch (const EFileNotFound& error) {
        EXPECT_STREQ(error.what(), "Can't locate file: gone.htm");
    }
}

// Inputs the fuzzer found; each once crashed the parser or the model.
TEST(FuzzRegressions, ParseWithoutFault)
{
    const char* source = std::getenv("TESSERA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::filesystem::path folder = std::filesystem::path(source) / "tests/viewer/fuzz/regressions";
    int count = 0;
    DiskFileReader disk;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        TSectionList document;
        TNameList names;
        try {
            ParseTextFile(document, names, entry.path().string(), disk);
        } catch (const EParseError&) {
        }
        // Every anchor still leads to a section of the document.
        DumpOptions options;
        options.runs = true;
        EXPECT_FALSE(dumpModel(document, &names, options).empty());
        ++count;
    }
    EXPECT_GT(count, 0);
}

} // namespace
} // namespace tessera::viewer::testing
