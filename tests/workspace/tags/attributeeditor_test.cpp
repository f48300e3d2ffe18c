#include "editor/tledit.h"
#include "workspace/tags/attributeeditor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Double-clicks the character at the column of the first line with real mouse events.
void doubleClick(TLEdit& editor, int column)
{
    QsciScintilla* view = editor.scintilla();
    const long position = view->positionFromLineIndex(0, column);
    const QPoint point(int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position)) + 2,
                       int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position)) + 4);
    QWidget* target = view->viewport();
    const QPointF global = target->mapToGlobal(point);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

struct Fixture {
    TLEdit editor;
    QTemporaryDir pageDir;
    int colourDialogs = 0;
    QColor offered;
    QColor answer = QColor(0, 0, 255);
    QString chosenFile;
    QStringList failures;
    QStringList events;
    AttributeEditor attributes {&editor, host()};

    Fixture()
    {
        editor.resize(600, 200);
        editor.show();
        QObject::connect(&attributes, &AttributeEditor::bodyStatementRequested, [this] { events << "body"; });
        QObject::connect(&attributes, &AttributeEditor::parameterSelectionRequested,
                         [this](const QString& p) { events << "parameter " + p; });
        QObject::connect(&attributes, &AttributeEditor::pageColourChanged,
                         [this](const QString& n, const QColor& c) { events << n + " " + c.name(); });
    }
    AttributeEditor::Host host()
    {
        AttributeEditor::Host h;
        h.pageDirectory = [this] { return pageDir.path(); };
        h.chooseColour = [this](const QColor& initial) {
            ++colourDialogs;
            offered = initial;
            return std::optional<QColor>(answer);
        };
        h.chooseImageFile = [this](const QString&) { return chosenFile; };
        h.reportFailure = [this](const QString&, const QString& text) { failures << text; };
        return h;
    }
    std::string clickOn(const QString& text, int column)
    {
        editor.setText(text);
        doubleClick(editor, column);
        return editor.Text().toStdString();
    }
};

TEST(AttributeEditorTest, ColourValuesAreEditedThroughTheColourDialog)
{
    struct Case {
        const char* text;
        int column;
        std::string result;
        const char* offered;
        const char* event;
    };
    const Case cases[] = {
        {"<FONT COLOR=\"#00FF00\">", 8, "<FONT COLOR=\"#0000FF\">", "#00ff00", ""},
        {"<BODY BGCOLOR=#123456>", 9, "<BODY BGCOLOR=\"#0000FF\">", "#123456", "BGCOLOR #0000ff"},
        {"<BODY TEXT=\"\">", 7, "<BODY TEXT=\"#0000FF\">", "#000000", "TEXT #0000ff"},
        {"<BODY VLINK=\"red\">", 7, "<BODY VLINK=\"#0000FF\">", "#ff0000", "VLINK #0000ff"},
        {"<TD BGCOLOR=\"\">", 6, "<TD BGCOLOR=\"#0000FF\">", "#ffffff", "BGCOLOR #0000ff"},
    };
    for (const Case& c : cases) {
        Fixture f;
        EXPECT_EQ(f.clickOn(c.text, c.column), c.result) << c.text;
        EXPECT_EQ(f.colourDialogs, 1) << c.text;
        EXPECT_EQ(f.offered.name().toStdString(), c.offered) << c.text;
        EXPECT_EQ(f.events.join(',').toStdString(), c.event) << c.text;
    }
}

// A "#" alone does not make a colour: page anchors and character references stay untouched.
TEST(AttributeEditorTest, HashesThatAreNoColourAreLeftAlone)
{
    for (const char* text : {"<A HREF=\"#top\">up</A>", "x &#169; y", "<A NAME=\"#123456x\">"}) {
        Fixture f;
        const int column = QString::fromLatin1(text).indexOf('#');
        EXPECT_EQ(f.clickOn(text, column), text);
        EXPECT_EQ(f.colourDialogs, 0) << text;
    }
}

TEST(AttributeEditorTest, CancelledColourDialogChangesNothing)
{
    TLEdit editor;
    editor.resize(600, 200);
    editor.show();
    AttributeEditor::Host host;
    host.chooseColour = [](const QColor&) { return std::optional<QColor>(); };
    AttributeEditor cancelling(&editor, host);
    editor.setText(QStringLiteral("<FONT COLOR=\"#00FF00\">"));
    doubleClick(editor, 8);
    EXPECT_EQ(editor.Text().toStdString(), "<FONT COLOR=\"#00FF00\">");
}

TEST(AttributeEditorTest, BodyAndParameterWordsOpenTheirDialogs)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<BODY BACKGROUND=\"x.gif\">", "body"},
        {"<P ALIGN=left>", "parameter align"},
        {"<TD VALIGN=\"top\">", "parameter valign"},
        {"<FONT SIZE=3>", "parameter size"},
    };
    for (const auto& [text, event] : cases) {
        Fixture f;
        const QString line = QString::fromLatin1(text);
        const int column = line.startsWith("<BODY") ? 2 : line.indexOf(' ') + 2;
        EXPECT_EQ(f.clickOn(line, column), text);
        EXPECT_EQ(f.events.join(',').toStdString(), event) << text;
    }
}

TEST(AttributeEditorTest, ImageAttributesTakeAChosenFileAndCopyIt)
{
    Fixture f;
    QTemporaryDir elsewhere;
    QFile file(elsewhere.filePath("sky.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIF89a");
    file.close();
    f.chosenFile = file.fileName();
    EXPECT_EQ(f.clickOn("<IMG SRC=\"old.gif\">", 6), "<IMG SRC=\"sky.gif\">");
    EXPECT_TRUE(QFileInfo::exists(f.pageDir.filePath("sky.gif")));

    // A picture that cannot be copied is reported and the word stays.
    f.chosenFile = elsewhere.filePath("gone.gif");
    EXPECT_EQ(f.clickOn("<BODY BACKGROUND=\"old.gif\">", 8), "<BODY BACKGROUND=\"old.gif\">");
    EXPECT_EQ(f.failures.size(), 1);

    f.chosenFile.clear();
    EXPECT_EQ(f.clickOn("<IMG LOWSRC=\"a.gif\">", 6), "<IMG LOWSRC=\"a.gif\">");
}

TEST(AttributeRulesTest, Classification)
{
    using K = AttributeWord::Kind;
    const std::pair<const char*, K> cases[] = {
        {"COLOR=\"#00FF00\"", K::Colour}, {"bgcolor=white", K::Colour},      {"HREF=\"#top\"", K::None},
        {"&#169;", K::None},              {"<BODY", K::BodyStatement},       {"<body", K::BodyStatement},
        {"align=center", K::ParameterSelection}, {"SRC=\"a.gif\"", K::ImageFile}, {"WIDTH=\"#FFFFFF\"", K::Colour},
    };
    for (const auto& [word, kind] : cases)
        EXPECT_EQ(AttributeRules::classify(word).kind, kind) << word;
}

} // namespace
