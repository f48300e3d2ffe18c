#include "generators/builders/formlines.h"

#include <gtest/gtest.h>

using namespace tessera::generators;
using Lines = std::vector<std::string>;

namespace {

constexpr FormLayout plain {false, false};
constexpr FormLayout pre {true, false};
constexpr FormLayout table {false, true};
constexpr FormLayout preTable {true, true};

struct ItemCase {
    FormField field;
    FormLayout layout;
    Lines lines;
};

void expectItems(const std::vector<ItemCase>& cases)
{
    for (const ItemCase& c : cases) {
        EXPECT_EQ(buildItemLines(c.field, c.layout), c.lines)
            << formatFieldLine(c.field) << " preformat " << c.layout.preformat << " table " << c.layout.table;
    }
}

} // namespace

TEST(FormLines, ButtonsInEveryLayout)
{
    const CheckBoxField box {"news", "yes", "News", true};
    const RadioButtonField radio {"size", "L", "Large", false};
    expectItems({
        {box, plain, {R"(<INPUT TYPE="checkbox" NAME="news" VALUE="yes" CHECKED> News<BR>)"}},
        {CheckBoxField {"n", "v", "c", false}, plain, {R"(<INPUT TYPE="checkbox" NAME="n" VALUE="v"> c<BR>)"}},
        {box, pre, {R"(<PRE><INPUT TYPE="checkbox" NAME="news" VALUE="yes" CHECKED> News<BR></PRE>)"}},
        {box, table, {R"(<TR><TD></TD><TD VALIGN="TOP"><INPUT TYPE="checkbox" NAME="news" VALUE="yes" CHECKED> News<BR></TD></TR>)"}},
        {box, preTable,
         {R"(<TR><TD></TD><TD VALIGN="TOP"><PRE><INPUT TYPE="checkbox" NAME="news" VALUE="yes" CHECKED> News<BR></PRE></TD></TR>)"}},
        {radio, plain, {R"(<INPUT TYPE="radio" NAME="size" VALUE="L"> Large<BR>)"}},
        {RadioButtonField {"size", "S", "Small", true}, pre, {R"(<PRE><INPUT TYPE="radio" NAME="size" VALUE="S" CHECKED> Small<BR></PRE>)"}},
        {radio, table, {R"(<TR><TD></TD><TD VALIGN="TOP"><INPUT TYPE="radio" NAME="size" VALUE="L"> Large<BR></TD></TR>)"}},
    });
}

TEST(FormLines, HiddenFieldsAreNeverRows)
{
    const HiddenField hidden {"source", "web"};
    expectItems({
        {hidden, plain, {R"(<INPUT TYPE="HIDDEN" NAME="source" VALUE="web">)"}},
        {hidden, table, {R"(<INPUT TYPE="HIDDEN" NAME="source" VALUE="web">)"}},
        {hidden, preTable, {R"(<PRE><INPUT TYPE="HIDDEN" NAME="source" VALUE="web"></PRE>)"}},
    });
}

TEST(FormLines, CaptionedFieldsKeepPreInsideTheSecondCell)
{
    const EntryField entry {"email", "E-mail:", 30, false};
    const TextAreaField area {"note", "Note:", 60, 5};
    expectItems({
        {entry, plain, {R"(E-mail:  <INPUT TYPE="text" NAME="email" SIZE=30><BR>)"}},
        {EntryField {"pw", "PIN:", 4, true}, plain, {R"(PIN:  <INPUT TYPE="password" NAME="pw" SIZE=4><BR>)"}},
        {entry, pre, {R"(<PRE>E-mail:  <INPUT TYPE="text" NAME="email" SIZE=30><BR></PRE>)"}},
        {entry, table, {R"(<TR><TD VALIGN="TOP">E-mail:</TD><TD VALIGN="TOP">  <INPUT TYPE="text" NAME="email" SIZE=30><BR></TD></TR>)"}},
        {entry, preTable,
         {R"(<TR><TD VALIGN="TOP">E-mail:</TD><TD VALIGN="TOP"><PRE>  <INPUT TYPE="text" NAME="email" SIZE=30><BR></PRE></TD></TR>)"}},
        {area, plain, {R"(Note:<BR><TEXTAREA NAME="note" ROWS=5 COLS=60></TEXTAREA><BR><P>)"}},
        {area, pre, {R"(<PRE>Note:<BR><TEXTAREA NAME="note" ROWS=5 COLS=60></TEXTAREA><BR><P></PRE>)"}},
        {area, table, {R"(<TR><TD VALIGN="TOP">Note:</TD><TD VALIGN="TOP"><BR><TEXTAREA NAME="note" ROWS=5 COLS=60></TEXTAREA><BR><P></TD></TR>)"}},
        {area, preTable,
         {R"(<TR><TD VALIGN="TOP">Note:</TD><TD VALIGN="TOP"><PRE><BR><TEXTAREA NAME="note" ROWS=5 COLS=60></TEXTAREA><BR><P></PRE></TD></TR>)"}},
    });
}

TEST(FormLines, ListBoxes)
{
    const ListBoxField colours {"c", "Colour:", true, false, 2, {"a", "b"}};
    expectItems({
        {colours, plain, {R"(Colour:   <SELECT NAME="c" Size=2>)", "<OPTION SELECTED>a", "<OPTION>b", "</SELECT><BR>"}},
        {ListBoxField {"c", "C", false, true, 0, {}}, plain, {R"(C   <SELECT NAME="c" Multiple Size=0>)", "</SELECT><BR>"}},
        {colours, pre, {R"(<PRE>Colour:   <SELECT NAME="c" Size=2>)", "<OPTION SELECTED>a", "<OPTION>b", "</SELECT><BR>", "</PRE>"}},
        {colours, table,
         {"<TR>", R"(<TD VALIGN="TOP">)", R"(Colour:</TD><TD VALIGN="TOP">   <SELECT NAME="c" Size=2>)", "<OPTION SELECTED>a",
          "<OPTION>b", "</SELECT><BR>", "</TD></TR>"}},
        {colours, preTable,
         {"<TR>", R"(<TD VALIGN="TOP">)", R"(Colour:</TD><TD VALIGN="TOP"><PRE>   <SELECT NAME="c" Size=2>)", "<OPTION SELECTED>a",
          "<OPTION>b", "</SELECT><BR>", "</PRE>", "</TD></TR>"}},
    });
}

TEST(FormLines, PageText)
{
    expectItems({
        {PageTextField {true, true, false, false, 0, "text"}, plain, {"<I><B>text</B></I><BR>"}},
        {PageTextField {true, true, true, true, 3, "t"}, plain, {"<FONT SIZE=3><PRE><U><I><B>t</B></I></U></PRE></FONT><BR>"}},
        {PageTextField {false, false, false, false, 0, "t"}, preTable, {R"(<TR><TD COLSPAN="2">t<BR></TD></TR>)"}},
        {PageTextField {false, false, true, false, 0, "t"}, pre, {"<U>t</U><BR>"}},
    });
}

TEST(FormLines, WorkedForm)
{
    const std::vector<FormField> fields = {
        CheckBoxField {"news", "yes", "Send me news", true}, EntryField {"email", "E-mail:", 30, false},
        ListBoxField {"colour", "Colour:", true, false, 2, {"Blue", "Red"}}, PageTextField {true, false, false, false, 0, "Thanks!"},
        HiddenField {"source", "web"}};
    const FormTexts texts {"Submit Form", "Reset Form", "me@example.com"};
    EXPECT_EQ(buildFormLines(fields, texts, plain),
              (Lines {R"(<FORM METHOD="POST" ACTION="mailto:me@example.com" >)",
                      R"(<INPUT TYPE="checkbox" NAME="news" VALUE="yes" CHECKED> Send me news<BR>)",
                      R"(E-mail:  <INPUT TYPE="text" NAME="email" SIZE=30><BR>)",
                      R"(Colour:   <SELECT NAME="colour" Size=2>)",
                      "<OPTION SELECTED>Blue",
                      "<OPTION>Red",
                      "</SELECT><BR>",
                      "<B>Thanks!</B><BR>",
                      R"(<INPUT TYPE="HIDDEN" NAME="source" VALUE="web">)",
                      R"(<P ALIGN="CENTER"><INPUT TYPE="submit" VALUE="Submit Form"><INPUT TYPE="reset" VALUE="Reset Form"></P>)",
                      "</FORM>"}));
}

TEST(FormLines, TableFormWrapsTheButtonsInALastRow)
{
    const FormTexts texts {"Go", "Clear", "a@b"};
    EXPECT_EQ(buildFormLines({HiddenField {"h", "1"}}, texts, table),
              (Lines {R"(<FORM METHOD="POST" ACTION="mailto:a@b" >)", "<TABLE >", R"(<INPUT TYPE="HIDDEN" NAME="h" VALUE="1">)",
                      "<TR>", R"(<TD COLSPAN="2">)",
                      R"(<P ALIGN="CENTER"><INPUT TYPE="submit" VALUE="Go"><INPUT TYPE="reset" VALUE="Clear"></P>)", "</TD>",
                      "</TR>", "</TABLE>", "</FORM>"}));
    EXPECT_EQ(buildFormLines({}, texts, table), Lines {});
}
