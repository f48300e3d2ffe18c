#include "editor/tledit.h"
#include "workspace/tags/alignpopup.h"
#include "workspace/tags/insertimage.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/tagtarget.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const QString sample = QStringLiteral("abc def\nghi jkl\nmno");

const std::pair<const char*, EditorSelection> scenarios[] = {
    {"caret", {4, 4, 1, 1}},
    {"withinLine", {0, 3, 1, 1}},
    {"overLines", {4, 3, 1, 2}},
    {"backwardsOverLines", {3, 4, 2, 1}},
    {"caretAtStart", {0, 0, 1, 1}},
    {"caretAtEnd", {3, 3, 3, 3}},
};

std::string dump(const QString& text, const EditorSelection& s)
{
    return QStringLiteral("%1 @%2:%3-%4:%5")
        .arg(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
        .arg(s.StartLine)
        .arg(s.StartPos)
        .arg(s.EndLine)
        .arg(s.EndPos)
        .toStdString();
}

struct Fixture {
    TLEdit editor;
    TagOptions options;
    bool pageOpen = true;
    bool mainAreaShown = true;
    QStringList failures;
    TagInserter inserter {&editor, host()};

    TagHost host()
    {
        TagHost h;
        h.isPageOpen = [this] { return pageOpen; };
        h.isMainAreaShown = [this] { return mainAreaShown; };
        h.options = [this] { return options; };
        h.reportFailure = [this](const QString&, const QString& text) { failures << text; };
        h.chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); };
        h.chooseFont = [] {
            QFont font(QStringLiteral("Times"));
            font.setPointSize(14);
            font.setBold(true);
            font.setItalic(true);
            return std::optional<FontChoice>(FontChoice {font, QColor(0, 0, 255)});
        };
        return h;
    }
    std::string run(const std::function<void(TagInserter&)>& command, const EditorSelection& selection)
    {
        editor.setText(sample);
        editor.SetSelection(selection);
        command(inserter);
        return dump(editor.Text(), editor.GetSelection());
    }
};

// What a command is documented to do: wrap the selection in two texts, or insert one text.
struct Expected {
    QString opening;
    QString closing;
    bool wraps = true;
};
Expected wrap(const QString& opening, const QString& closing) { return {opening, closing, true}; }
Expected text(const QString& inserted) { return {inserted, {}, false}; }

std::string expectedDump(const Expected& e, const EditorSelection& selection)
{
    TextTagTarget target(sample, selection);
    if (e.wraps)
        TagEdit::insertSelected2(target, e.opening, e.closing);
    else
        TagEdit::insertText(target, e.opening);
    return dump(target.text(), target.selection());
}

struct CommandCase {
    const char* name;
    std::function<void(TagInserter&)> run;
    Expected expected;
    bool useClosingP = false;
};

TEST(TagInserterTest, BuiltInCommandsOnEverySelection)
{
    using T = TagInserter;
    const CommandCase cases[] = {
        {"Bold", &T::Bold1Click, wrap("<B>", "</B>")},
        {"Italics", &T::Italics1Click, wrap("<I>", "</I>")},
        {"Underline", &T::Underline1Click, wrap("<U>", "</U>")},
        {"Center", &T::CenterClick, wrap("<CENTER>", "</CENTER>")},
        {"Subscript", &T::SubscriptClick, wrap("<SUB>", "</SUB>")},
        {"Superscript", &T::SuperscriptClick, wrap("<SUP>", "</SUP>")},
        {"Table Cell", &T::TableCellClick, wrap("<TD>", "</TD>")},
        {"Unordered List Item", &T::UOListItem, wrap("<UL><LI>", "</UL>")},
        {"comment", &T::CommentClick, wrap("<!--", "-->")},
        {"Horizontal Bar", &T::HorizontalBarClick, text("<HR>")},
        {"BR", &T::BRClick, text("<BR>")},
        {"BR2 clear left", [](T& t) { t.BR2Click("<BR CLEAR=\"left\">"); }, text("<BR CLEAR=\"left\">")},
        {"nonbreaking space", &T::NonBreakingSpaceClick, text("&nbsp;")},
        {"Heading H1 menu item", [](T& t) { t.address1Click("H1 - Size 1"); }, wrap("<H1>", "</H1>")},
        {"user menu two tags", [](T& t) { t.address1Click("<A HREF=\"\">..</A> - anchor"); }, wrap("<A HREF=\"\">", "</A>")},
        {"user menu word", [](T& t) { t.address1Click("TT typewriter"); }, wrap("<TT>", "</TT>")},
        {"Format H2", [](T& t) { t.ParagraphBtnClick("H2"); }, wrap("<H2>", "</H2>")},
        {"Format DIV", [](T& t) { t.ParagraphBtnClick("DIV"); }, wrap("<DIV>", "</DIV>")},
        {"Format P without closing P", [](T& t) { t.ParagraphBtnClick("P"); }, text("<P>")},
        {"Format P with closing P", [](T& t) { t.ParagraphBtnClick("P"); }, wrap("<P>", "</P>"), true},
        {"Paragraph centre item", [](T& t) { t.LCRClick("<P ALIGN=\"center\"></P>"); }, wrap("<P ALIGN=\"center\">", "</P>")},
        {"Paragraph item without closing P", [](T& t) { t.LCRClick("<P></P>"); }, text("<P>\n")},
        {"Paragraph item with closing P", [](T& t) { t.LCRClick("<P></P>"); }, wrap("<P>", "</P>"), true},
        {"DIV item", [](T& t) { t.LCRClick("<DIV></DIV>"); }, wrap("<DIV>", "</DIV>")},
        {"font size", [](T& t) { t.FSizeChange("3"); }, wrap("<FONT SIZE=3>", "</FONT>")},
        {"font name", [](T& t) { t.sfChange("Arial"); }, wrap("<FONT FACE=\"Arial\">", "</FONT>")},
        {"enlarge font", &T::FontPlusClick, wrap("<FONT SIZE=+2>", "</FONT>")},
        {"reduce font", &T::SpeedButton5Click, wrap("<FONT SIZE=-2>", "</FONT>")},
        {"font colour", &T::TextButtonClick, wrap("<FONT COLOR=\"#FF0000\">", "</FONT>")},
        {"font dialog", &T::SpeedButton13Click,
         wrap("<I><B><FONT FACE=\"Times\" SIZE=\"14\" COLOR=\"#0000FF\">", "</FONT></B></I>")},
        {"check box", &T::CheckBoxClick, wrap("<INPUT TYPE=\"checkbox\" NAME=\"cb1\" VALUE=\"value1\">", "<BR>")},
        {"radio", &T::RadioButtonClick, wrap("<INPUT TYPE=\"radio\" NAME=\"radio1\" VALUE=\"value1\" CHECKED>", "<BR>")},
        {"text field", &T::TextFieldClick, text("<INPUT TYPE=\"text\" NAME=\"text1\" SIZE=25>")},
        {"text area", &T::TextAreaClick, text("<TEXTAREA NAME=\"textarea\" ROWS=5 COLS=25></TEXTAREA>")},
        {"hidden field", &T::HiddenFieldClick, text("<INPUT TYPE=\"hidden\" NAME=\"name1\" VALUE=\"value1\">")},
        {"list box", &T::ListBoxClick, text("<SELECT NAME=\"listbox\" Size=\"0\">\n</SELECT>")},
        {"option", &T::OptionClick, text("<OPTION>")},
        {"form skeleton", &T::SpeedButton33Click,
         text("\n<FORM METHOD=\"POST\" ACTION=\"mailto:" + TagTexts::formAddressPlaceholder
              + "\">\n<!--Put form fields after the above opening FORM tag and before the closing /FORM tag-->\n"
                "<P ALIGN=\"CENTER\"><INPUT TYPE=\"submit\" VALUE=\"Submit Form\"><INPUT TYPE=\"reset\" "
                "VALUE=\"Reset Form\"></P>\n</FORM>")},
        {"template body marker", &T::TemplateBodyClick, text("\n<!--##Body-->\n")},
        {"template mail link marker", &T::TemplateMailLinkClick, text("\n<!--##MailLink-->\n")},
        {"page defaults marker", &T::PageDefaultsClick, text("\n<!--##Defaults-->\n\n\n")},
        {"custom button as is", [](T& t) { t.ButtonInsertAsIs("<HR>"); }, text("<HR>")},
        // The closing text keeps the attributes: documented behaviour of even custom buttons.
        {"custom even button", [](T& t) { t.ButtonInsertEven("FONT SIZE=3"); }, wrap("<FONT SIZE=3>", "</FONT SIZE=3>")},
        {"custom uneven button", [](T& t) { t.ButtonInsertUnEven("FONT COLOR=red../FONT - red"); },
         wrap("<FONT COLOR=red>", "</FONT>")},
        {"special character", [](T& t) { t.SpecialChar1Click("&#169;"); }, text("&#169;")},
        {"link", [](T& t) { t.insertLink("http://", "example.com", "Example"); },
         text("<A HREF=\"http://example.com\">Example</A>")},
    };
    Fixture f;
    for (const CommandCase& c : cases) {
        f.options.useClosingP = c.useClosingP;
        for (const auto& [scenario, selection] : scenarios)
            EXPECT_EQ(f.run(c.run, selection), expectedDump(c.expected, selection)) << c.name << " / " << scenario;
    }
}

TEST(TagInserterTest, StandardTagsGoInAtTheCaretWithoutSaveOrPreviewStep)
{
    Fixture f;
    int save = 0;
        QObject::connect(&f.inserter, &TagInserter::saveEnabled, [&save] { ++save; });
    int preview = 0;
        QObject::connect(&f.inserter, &TagInserter::previewUpdateRequested, [&preview] { ++preview; });
    EXPECT_EQ(f.run(&TagInserter::InsertBasicTags, {0, 0, 1, 1}),
              "<HTML>\n<HEAD>\n<TITLE>Web page Title</TITLE>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>abc def\nghi jkl\nmno "
              "@8:7-8:7");
    EXPECT_EQ(save, 0);
    EXPECT_EQ(preview, 0);
}

TEST(TagInserterTest, DateAndTimeAreFramedByBlanks)
{
    Fixture f;
    for (auto command : {&TagInserter::Todaysdate1Click, &TagInserter::CurrentTime1Click, &TagInserter::DateTime2Click}) {
        f.run(command, {7, 7, 3, 3});
        const QString inserted = f.editor.Text().section(QLatin1Char('\n'), 2).mid(3);
        EXPECT_TRUE(inserted.startsWith(' ') && inserted.endsWith(' ') && inserted.size() > 4) << inserted.toStdString();
    }
}

TEST(TagInserterTest, NothingHappensWithoutPageOrInFullScreen)
{
    for (int condition = 0; condition < 2; ++condition) {
        Fixture f;
        f.pageOpen = condition != 0;
        f.mainAreaShown = condition == 0;
        int save = 0;
        QObject::connect(&f.inserter, &TagInserter::saveEnabled, [&save] { ++save; });
        for (auto command : {&TagInserter::Bold1Click, &TagInserter::HorizontalBarClick, &TagInserter::InsertBasicTags,
                             &TagInserter::TextButtonClick, &TagInserter::SpeedButton33Click}) {
            EXPECT_EQ(f.run(command, {0, 3, 1, 1}), dump(sample, {0, 3, 1, 1})) << condition;
        }
        f.inserter.insertLines({"<TR>"});
        EXPECT_EQ(dump(f.editor.Text(), f.editor.GetSelection()), dump(sample, {0, 3, 1, 1}));
        EXPECT_EQ(save, 0);
    }
}

TEST(TagInserterTest, CancelledDialogsInsertNothing)
{
    Fixture f;
    TagHost host = f.host();
    host.chooseColour = [](const QColor&) { return std::optional<QColor>(); };
    host.chooseFont = [] { return std::optional<FontChoice>(); };
    TagInserter inserter(&f.editor, host);
    f.editor.setText(sample);
    inserter.TextButtonClick();
    inserter.SpeedButton13Click();
    EXPECT_EQ(f.editor.Text().toStdString(), sample.toStdString());
}

TEST(AlignmentPopupTest, ItemsInsertTheirCaption)
{
    struct Case {
        const char* tag;
        int item;
        std::string result;
    };
    const Case cases[] = {
        {"P", 0, "<P>abc</P> def @1:0-1:10"},
        {"DIV", 2, "<DIV ALIGN=\"center\">abc</DIV> def @1:0-1:29"},
        {"H3", 3, "<H3 ALIGN=\"right\">abc</H3> def @1:0-1:26"},
        // BR variants replace the selection; HR variants go in front of it.
        {"BR", 2, "<BR CLEAR=\"all\"> def @1:16-1:16"},
        {"HR", 1, "<HR ALIGN=\"left\" SIZE=\"2\" WIDTH=\"100%\">abc def @1:0-1:42"},
    };
    Fixture f;
    AlignmentPopup popup(&f.inserter);
    for (const Case& c : cases) {
        f.editor.setText(QStringLiteral("abc def"));
        f.editor.SetSelection(1, 0, 1, 3);
        popup.rebuild(c.tag);
        ASSERT_EQ(popup.menu()->actions().size(), 4) << c.tag;
        popup.menu()->actions().at(c.item)->trigger();
        EXPECT_EQ(dump(f.editor.Text(), f.editor.GetSelection()), c.result) << c.tag;
    }
}

QString writeImage(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(path, "PNG");
    return path;
}

TEST(TagInserterTest, ImageFromTypeDirectoryIsCopiedMeasuredAndLinked)
{
    QTemporaryDir program;
    QTemporaryDir page;
    QDir(program.path()).mkdir("Bullets");
    writeImage(program.filePath("Bullets/ball.png"), 12, 10);
    Fixture f;
    f.options.graphicExtensions = "gif,png";
    TagHost host = f.host();
    host.programDirectory = [&] { return program.path(); };
    host.pageDirectory = [&] { return page.path(); };
    host.workingDirectory = [&] { return page.path(); };
    TagInserter inserter(&f.editor, host);
    f.editor.setText({});
    EXPECT_EQ(inserter.imagesOf("Bullets"), QStringList {"ball.png"});
    ASSERT_TRUE(inserter.insertImage("Bullets", "ball.png", "left", "index.htm"));
    EXPECT_EQ(f.editor.Text().toStdString(),
              "<A HREF=\"index.htm\"><IMG SRC=\"ball.png\" ALIGN=\"left\" WIDTH=\"12\" HEIGHT=\"10\"></A>");
    EXPECT_TRUE(QFileInfo::exists(page.filePath("ball.png")));

    // A picture of that name beside the page stays as it is.
    writeImage(page.filePath("ball2.png"), 3, 3);
    writeImage(program.filePath("Bullets/ball2.png"), 40, 40);
    ASSERT_TRUE(inserter.insertImage("Bullets", "ball2.png", "", ""));
    EXPECT_EQ(QImage(page.filePath("ball2.png")).width(), 3);
}

TEST(TagInserterTest, FailedImageCopyIsReportedAndInsertsNoTag)
{
    QTemporaryDir program;
    QTemporaryDir page;
    Fixture f;
    TagHost host = f.host();
    host.programDirectory = [&] { return program.path(); };
    host.pageDirectory = [&] { return page.filePath("missing"); };
    TagInserter inserter(&f.editor, host);
    f.editor.setText({});
    QDir(program.path()).mkdir("Icons");
    writeImage(program.filePath("Icons/home.png"), 5, 5);
    for (const char* name : {"absent.png", "home.png"}) {
        EXPECT_FALSE(inserter.insertImage("Icons", name, "", ""));
        EXPECT_EQ(f.editor.Text().toStdString(), "");
    }
    EXPECT_EQ(f.failures.size(), 2);
}

TEST(TagInserterTest, UnreadableDefaultImageHasNoSize)
{
    QTemporaryDir work;
    Fixture f;
    TagHost host = f.host();
    host.workingDirectory = [&] { return work.path(); };
    TagInserter inserter(&f.editor, host);
    f.editor.setText({});
    QFile broken(work.filePath("broken.gif"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    ASSERT_TRUE(inserter.insertImage("Default", "broken.gif", "", ""));
    EXPECT_EQ(f.editor.Text().toStdString(), "<IMG SRC=\"broken.gif\">");
}

TEST(CopyToPageDirectoryTest, NeverOverwritesAndReportsFailures)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("page");
    QFile::copy(writeImage(dir.filePath("a.png"), 2, 2), dir.filePath("b.png"));
    writeImage(dir.filePath("page/b.png"), 7, 7);

    EXPECT_TRUE(CopyToPageDirectory(dir.filePath("a.png"), dir.filePath("page")).ok);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("page/a.png")));
    const CopyResult kept = CopyToPageDirectory(dir.filePath("b.png"), dir.filePath("page"));
    EXPECT_TRUE(kept.ok);
    EXPECT_EQ(QImage(dir.filePath("page/b.png")).width(), 7);

    const CopyResult missing = CopyToPageDirectory(dir.filePath("none.png"), dir.filePath("page"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.errorString.isEmpty());
    EXPECT_FALSE(CopyToPageDirectory(dir.filePath("a.png"), dir.filePath("nowhere")).ok);
}

} // namespace
