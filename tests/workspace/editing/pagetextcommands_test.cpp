#include "workspace/editing/pagetextcommands.h"

#include "editor/tledit.h"
#include "workspace/editing/bodyeditor.h"
#include "workspace/editing/metaeditor.h"
#include "workspace/editing/titleeditor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

namespace {

using BodyEditor::BodyAttributes;
using MetaEditor::MetaFields;

struct TitleCase {
    const char* name;
    QString page;
    QString newTitle;
    QString expected;
};

class TitleRewriting : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleRewriting, GivesThePageItsNewTitle)
{
    const TitleCase& c = GetParam();
    const auto place = TitleEditor::findTitle(c.page);
    const auto edit = TitleEditor::titleEdit(c.page, place, c.newTitle);
    ASSERT_TRUE(edit);
    EXPECT_EQ(PageText::applied(c.page, *edit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, TitleRewriting,
    ::testing::Values(
        TitleCase {"found", "<HTML><HEAD><TITLE>Old</TITLE></HEAD>", "New", "<HTML><HEAD><TITLE>New</TITLE></HEAD>"},
        TitleCase {"lowerCaseAndSpacedTags", "<head>\r\n<title >Old</title >\r\n</head>", "New",
            "<head>\r\n<title >New</title >\r\n</head>"},
        TitleCase {"multiLineTitle", "<title>\nOld\nname</title>", "N", "<title>N</title>"},
        TitleCase {"onlyTheFirstOfTwo", "<title>a</title><title>b</title>", "c", "<title>c</title><title>b</title>"},
        TitleCase {"missingGoesOnItsOwnLineAfterHead", "<html>\r\n<head>\r\n</head>", "T",
            "<html>\r\n<head>\r\n<TITLE>T</TITLE>\r\n</head>"},
        TitleCase {"missingWithTextAfterHead", "<head><meta x></head>", "T", "<head>\r\n<TITLE>T</TITLE>\r\n<meta x></head>"},
        TitleCase {"noHeadGoesAfterHtml", "<HTML>\n<BODY>", "T", "<HTML>\n<TITLE>T</TITLE>\n<BODY>"},
        TitleCase {"emptyPage", "", "T", "<TITLE>T</TITLE>"},
        TitleCase {"commentedTitleIsNotTheTitle", "<!-- <title>x</title> --><head>", "T",
            "<!-- <title>x</title> --><head>\r\n<TITLE>T</TITLE>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleEditor, FindsTheTitleAsTheUserReadsIt)
{
    EXPECT_EQ(TitleEditor::findTitle("<TITLE>  My\r\n page </TITLE>").currentTitle, "My page");
    EXPECT_EQ(TitleEditor::findTitle("<title>x").state, TitleEditor::TitleState::Unclosed);
    const auto place = TitleEditor::findTitle("<title>x");
    EXPECT_FALSE(TitleEditor::titleEdit("<title>x", place, "y"));
}

struct BodyVarsCase {
    const char* name;
    QString tag;
    BodyAttributes expected;
};

BodyAttributes remembered()
{
    BodyAttributes body;
    body.backgroundImage = "old.gif";
    body.text = Qt::darkGray;
    body.background = Qt::yellow;
    body.leftMargin = 4;
    return body;
}

BodyAttributes with(std::function<void(BodyAttributes&)> change)
{
    BodyAttributes body = remembered();
    body.backgroundImage.clear();
    change(body);
    return body;
}

class BodyVars : public ::testing::TestWithParam<BodyVarsCase> {};

TEST_P(BodyVars, ReadTheTagOverTheRememberedSettings)
{
    EXPECT_EQ(BodyEditor::SetBodyVars(GetParam().tag, remembered()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tags, BodyVars,
    ::testing::Values(
        BodyVarsCase {"quotedAndUnquoted", "<BODY BGCOLOR=\"#FF0000\" TEXT=#000000>", with([](BodyAttributes& b) {
                          b.background = Qt::red;
                          b.text = Qt::black;
                      })},
        BodyVarsCase {"linkNotTakenFromVlink", "<BODY VLINK=\"#00FF00\" LINK=\"#0000FF\">", with([](BodyAttributes& b) {
                          b.visited = Qt::green;
                          b.link = Qt::blue;
                      })},
        BodyVarsCase {"emptyValueKeepsTheColour", "<BODY BGCOLOR=\"\">", with([](BodyAttributes&) {})},
        BodyVarsCase {"notHexKeepsTheColour", "<body bgcolor=\"#GG0000\" text=\"12345\">", with([](BodyAttributes&) {})},
        BodyVarsCase {"colourNames", "<body text=navy bgcolor='White'>", with([](BodyAttributes& b) {
                          b.text = QColor(0, 0, 128);
                          b.background = Qt::white;
                      })},
        BodyVarsCase {"marginsImageAndFixed", "<body\r\n background=\"tile.gif\" leftmargin=10 rightmargin=\"2\" bgproperties=fixed>",
            with([](BodyAttributes& b) {
                b.backgroundImage = "tile.gif";
                b.leftMargin = 10;
                b.rightMargin = 2;
                b.fixedBackground = true;
            })},
        BodyVarsCase {"unclosedTagStillRead", "<BODY TEXT=\"#FFFFFF\"", with([](BodyAttributes& b) { b.text = Qt::white; })}),
    [](const auto& info) { return std::string(info.param.name); });

struct BodyRewriteCase {
    const char* name;
    QString tag;
    std::function<void(BodyAttributes&)> change;
    QString expected;
};

class BodyRewriting : public ::testing::TestWithParam<BodyRewriteCase> {};

TEST_P(BodyRewriting, KeepsWhatTheDialogDidNotChange)
{
    const BodyRewriteCase& c = GetParam();
    const auto place = BodyEditor::findBody(c.tag);
    ASSERT_EQ(place.state, BodyEditor::BodyState::Found);
    const BodyAttributes before = BodyEditor::SetBodyVars(place.tagText, BodyAttributes());
    BodyAttributes after = before;
    c.change(after);
    const auto edit = BodyEditor::bodyEdit(c.tag, place, before, after);
    ASSERT_TRUE(edit);
    EXPECT_EQ(PageText::applied(c.tag, *edit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tags, BodyRewriting,
    ::testing::Values(
        BodyRewriteCase {"unknownAttributesStay", "<body onload=\"go()\" class=x style='a:b' bgcolor=#ffffff text=#000000 link=#000000 alink=#000000 vlink=#000000>",
            [](BodyAttributes& b) { b.background = Qt::red; },
            "<body onload=\"go()\" class=x style='a:b' bgcolor=\"#FF0000\" text=#000000 link=#000000 alink=#000000 vlink=#000000>"},
        BodyRewriteCase {"fixedFlagDropped", "<BODY BGPROPERTIES=\"FIXED\" onload=x>", [](BodyAttributes& b) {
                             b.fixedBackground = false;
                         },
            "<BODY onload=x TEXT=\"#000000\" LINK=\"#000000\" ALINK=\"#000000\" VLINK=\"#000000\" BGCOLOR=\"#FFFFFF\">"},
        BodyRewriteCase {"marginRemoved", "<body leftmargin=3 text=#000000 link=#000000 alink=#000000 vlink=#000000 bgcolor=#FFFFFF>",
            [](BodyAttributes& b) { b.leftMargin = -1; }, "<body text=#000000 link=#000000 alink=#000000 vlink=#000000 bgcolor=#FFFFFF>"},
        BodyRewriteCase {"multiLineTagKeepsItsLines", "<body\r\n  text=#000000\r\n  link=\"#000000\" alink=#000000 vlink=#000000 bgcolor=white>",
            [](BodyAttributes& b) { b.link = Qt::blue; },
            "<body\r\n  text=#000000\r\n  link=\"#0000FF\" alink=#000000 vlink=#000000 bgcolor=white>"},
        BodyRewriteCase {"onlyTheFirstOfTwoBodies", "<!-- <body> --><BODY TEXT=#000000 LINK=#000000 ALINK=#000000 VLINK=#000000 BGCOLOR=#FFFFFF><BODY BGCOLOR=red>",
            [](BodyAttributes& b) { b.text = Qt::white; },
            "<!-- <body> --><BODY TEXT=\"#FFFFFF\" LINK=#000000 ALINK=#000000 VLINK=#000000 BGCOLOR=#FFFFFF><BODY BGCOLOR=red>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BodyEditor, NewTagPlaces)
{
    const QString defaults = "<BODY TEXT=\"#000000\" LINK=\"#000000\" ALINK=\"#000000\" VLINK=\"#000000\" BGCOLOR=\"#FFFFFF\" >";
    EXPECT_EQ(BodyEditor::buildBodyTag(BodyAttributes()), defaults);
    const QString page = "<html><head></head>\n<p>x";
    const auto place = BodyEditor::findBody(page);
    const auto edit = BodyEditor::bodyEdit(page, place, BodyAttributes(), BodyAttributes());
    ASSERT_TRUE(edit);
    EXPECT_EQ(PageText::applied(page, *edit), "<html><head></head>\n" + defaults + "\n<p>x");
    EXPECT_TRUE(BodyEditor::bodyPreviewHtml(BodyAttributes()).startsWith("<BODY><center>"));
}

struct MetaCase {
    const char* name;
    QString page;
    int caret;
    MetaFields fields;
    QString expected;
};

class MetaRewriting : public ::testing::TestWithParam<MetaCase> {};

TEST_P(MetaRewriting, WritesTheFields)
{
    const MetaCase& c = GetParam();
    const auto place = MetaEditor::findMeta(c.page, c.caret);
    const auto edit = MetaEditor::metaEdit(c.page, place, c.fields);
    ASSERT_TRUE(edit);
    EXPECT_EQ(PageText::applied(c.page, *edit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, MetaRewriting,
    ::testing::Values(
        MetaCase {"keepsOtherAttributes", "<meta charset=utf-8 name=\"a\" content=\"b\">", 0, {"", "a", "c"},
            "<meta charset=utf-8 name=\"a\" content=\"c\">"},
        MetaCase {"emptiedFieldIsRemoved", "<META NAME=\"a\" CONTENT=\"b\">", 0, {"", "", "b"}, "<META CONTENT=\"b\">"},
        MetaCase {"theTagAtTheCaret", "<meta name=a>\n<meta name=b>", 17, {"", "z", ""}, "<meta name=a>\n<meta name=\"z\">"},
        MetaCase {"newAfterTheTitle", "<head><title>t</title></head>", 0, {"", "n", "c"},
            "<head><title>t</title>\r\n<META NAME=\"n\" CONTENT=\"c\" >\r\n</head>"},
        MetaCase {"quoteInValue", "<head>", 0, {"", "n", "say \"hi\""},
            "<head>\r\n<META NAME=\"n\" CONTENT=\"say &quot;hi&quot;\" >"}),
    [](const auto& info) { return std::string(info.param.name); });

// The commands on a real editor: one undo step each, and nothing touched when they cannot work.
struct PageTextCommandsTest : ::testing::Test {
    PageTextCommandsTest()
    {
        PageTextCommands::Host host;
        host.confirmStrip = [this] { return confirm; };
        host.renderedText = [this] { return rendered; };
        host.askTitle = [this](const QString& current) {
            askedTitle = current;
            selectionWhenAsked = editor.GetSelText();
            return titleAnswer;
        };
        host.editMeta = [this](const QString& tag) {
            metaTag = tag;
            return metaAnswer;
        };
        host.editBody = [this](const BodyAttributes& settings) {
            bodyShown = settings;
            return bodyAnswer;
        };
        host.report = [this](const QString&, const QString& text) { reports << text; };
        host.updatePreview = [this] { ++previewUpdates; };
        commands = std::make_unique<PageTextCommands>(&editor, host);
    }

    void expectOneUndoStepBackTo(const QString& original)
    {
        editor.undo();
        EXPECT_EQ(editor.Text(), original);
    }

    TLEdit editor;
    std::unique_ptr<PageTextCommands> commands;
    bool confirm = true;
    std::optional<QString> rendered;
    std::optional<QString> titleAnswer;
    QString askedTitle;
    QString selectionWhenAsked;
    std::optional<MetaFields> metaAnswer;
    QString metaTag;
    std::optional<BodyAttributes> bodyAnswer;
    BodyAttributes bodyShown;
    QStringList reports;
    int previewUpdates = 0;
};

TEST_F(PageTextCommandsTest, StripReplacesThePageWithTheRenderedTextInOneStep)
{
    const QString page = "<html><body><p>Hello <b>world</b></p>" + QString(40000, 'x') + "</body></html>";
    editor.setText(page);
    QApplication::clipboard()->setText("the user's clipboard");
    rendered = "Hello world\r\n" + QString(40000, 'x');
    commands->StripAllCodes1Click();
    EXPECT_EQ(editor.Text(), *rendered);
    EXPECT_EQ(QApplication::clipboard()->text(), "the user's clipboard");
    expectOneUndoStepBackTo(page);
}

TEST_F(PageTextCommandsTest, StripDoesNothingWhenCancelledOrNotRendered)
{
    editor.setText("<p>keep</p>");
    rendered = "keep";
    confirm = false;
    commands->StripAllCodes1Click();
    EXPECT_EQ(editor.Text(), "<p>keep</p>");
    confirm = true;
    rendered.reset();
    commands->StripAllCodes1Click();
    EXPECT_EQ(editor.Text(), "<p>keep</p>");
    EXPECT_EQ(reports, QStringList {PageTextMessages::stripFailed});
    editor.setText("");
    rendered = "";
    commands->StripAllCodes1Click();
    EXPECT_EQ(editor.Text(), "");
}

TEST_F(PageTextCommandsTest, TitleIsSelectedWhileAskedAndRewrittenInOneStep)
{
    const QString page = "<html>\r\n<head><title>Old one</title></head>\r\n<body>x</body>";
    editor.setText(page);
    titleAnswer = "New one";
    commands->EditTitle1Click();
    EXPECT_EQ(askedTitle, "Old one");
    EXPECT_EQ(selectionWhenAsked, "<title>Old one</title>");
    EXPECT_EQ(editor.Text(), "<html>\r\n<head><title>New one</title></head>\r\n<body>x</body>");
    EXPECT_EQ(previewUpdates, 1);
    expectOneUndoStepBackTo(page);
}

TEST_F(PageTextCommandsTest, CancelledOrUnclosedTitleChangesNothing)
{
    editor.setText("<head><title>x</title>");
    commands->EditTitle1Click();
    EXPECT_EQ(editor.Text(), "<head><title>x</title>");
    EXPECT_EQ(editor.GetSelText(), "<title>x</title>");
    editor.setText("<title>broken\r\n<p>text");
    editor.SetSelection(2, 1, 2, 2);
    titleAnswer = "T";
    commands->EditTitle1Click();
    EXPECT_EQ(editor.Text(), "<title>broken\r\n<p>text");
    EXPECT_EQ(editor.GetSelText(), "p");
    EXPECT_EQ(reports, QStringList {PageTextMessages::titleUnclosed});
    EXPECT_EQ(previewUpdates, 0);
}

TEST_F(PageTextCommandsTest, MetaEditedFromTheTagItSelects)
{
    const QString page = "<head>\n<meta name=\"keywords\" content=\"a\" lang=en>\n</head>";
    editor.setText(page);
    metaAnswer = MetaFields {"", "keywords", "a, b"};
    commands->EditMetaTag1Click();
    EXPECT_EQ(metaTag, "<meta name=\"keywords\" content=\"a\" lang=en>");
    EXPECT_EQ(editor.Text(), "<head>\n<meta name=\"keywords\" content=\"a, b\" lang=en>\n</head>");
    expectOneUndoStepBackTo(page);
}

TEST_F(PageTextCommandsTest, BodyDialogStartsFromThePageAndKeepsItsOtherAttributes)
{
    const QString page = "<HEAD></HEAD>\r\n<BODY onload=\"init()\" BGCOLOR=\"#FF0000\" TEXT=#000000 BGPROPERTIES=FIXED>\r\n<p>x";
    editor.setText(page);
    commands->rememberPageColour("link", Qt::green);
    BodyAttributes answer;
    answer.background = Qt::white;
    answer.text = Qt::black;
    answer.link = Qt::green;
    bodyAnswer = answer;
    commands->EditBodyStatementClick();
    EXPECT_EQ(bodyShown.background, QColor(Qt::red));
    EXPECT_EQ(bodyShown.link, QColor(Qt::green));
    EXPECT_TRUE(bodyShown.fixedBackground);
    EXPECT_EQ(editor.Text(), "<HEAD></HEAD>\r\n<BODY onload=\"init()\" BGCOLOR=\"#FFFFFF\" TEXT=#000000 LINK=\"#00FF00\" "
                             "ALINK=\"#000000\" VLINK=\"#000000\">\r\n<p>x");
    EXPECT_EQ(commands->bodySettings(), answer);
    expectOneUndoStepBackTo(page);
}

TEST_F(PageTextCommandsTest, BodyWithoutItsBracketIsLeftAlone)
{
    const QString page = "<head></head><body bgcolor=red";
    editor.setText(page);
    bodyAnswer = BodyAttributes();
    commands->EditBodyStatementClick();
    EXPECT_EQ(editor.Text(), page);
    EXPECT_EQ(reports, QStringList {PageTextMessages::bodyUnclosed});
}

} // namespace
