#include "editor/tledit.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The window's answer: odd items pair forward with the next, even ones backward with the one before.
void pairNeighbours(FindBraceRequest* request)
{
    const quint32 item = request->request >> 16;
    const bool opening = item % 2 == 1;
    request->partner = (opening ? item + 1 : item - 1) << 16;
    request->direction = opening ? FindBraceRequest::Forward : FindBraceRequest::Backward;
}

struct BraceCase {
    const char* name;
    QString text;
    int caretColumn; // on line 1
    BraceHighlight expected;
};

class TLEditBraces : public ::testing::TestWithParam<BraceCase> {};

TEST_P(TLEditBraces, ShowTheBracketWithThePartnerTheOwnerNames)
{
    TLEdit editor;
    QObject::connect(&editor, &TLEdit::OnFindBrace, &editor, pairNeighbours);
    editor.show();
    editor.setText(GetParam().text);
    editor.SetSelection(1, GetParam().caretColumn, 1, GetParam().caretColumn);
    // The editor looks at the caret's surroundings when it next updates its view.
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.braceHighlight(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TLEditBraces,
    ::testing::Values(
        BraceCase {"tagForward", "<b>x", 0, {1, 0, 1, 2}},
        BraceCase {"tagBackwardFromAfterIt", "<b>x", 3, {1, 2, 1, 0}},
        BraceCase {"nestedPairsSkipped", "((x))", 0, {1, 0, 1, 4}},
        BraceCase {"innerPair", "((x))", 1, {1, 1, 1, 3}},
        BraceCase {"otherKindsIgnoredWhileNesting", "[ ( ] )", 0, {1, 0, 1, 4}},
        BraceCase {"unmatched", "(x", 0, {1, 0, 0, -1}},
        BraceCase {"noBracketAtCaret", "a (b)", 1, {0, -1, 0, -1}},
        BraceCase {"acrossLines", "{\r\n}", 0, {1, 0, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TLEditEvents, BracketWithoutAnAnswerHasNoPartner)
{
    TLEdit editor;
    editor.show();
    editor.setText("(x)");
    editor.SetSelection(1, 0, 1, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.braceHighlight(), BraceHighlight());
}

TEST(TLEditEvents, TagColoursAreUsedOnlyWhenTheOwnerAnswersThree)
{
    TLEdit editor;
    auto tagColour = [&] { return editor.scintilla()->lexer()->color(QsciLexerHTML::Tag); };
    auto tagPaper = [&] { return editor.scintilla()->lexer()->paper(QsciLexerHTML::Tag); };
    EXPECT_EQ(tagColour(), QColor(Qt::blue));
    EXPECT_EQ(tagPaper(), QColor(Qt::white));

    int answer = ControlHighlight::useColours;
    QObject::connect(&editor, &TLEdit::OnControlHighlight, &editor, [&answer](ControlHighlight* request) {
        request->foreground = Qt::darkRed;
        request->background = Qt::yellow;
        request->answer = answer;
    });
    editor.refreshHighlight();
    EXPECT_EQ(tagColour(), QColor(Qt::darkRed));
    EXPECT_EQ(tagPaper(), QColor(Qt::yellow));
    answer = 2;
    editor.refreshHighlight();
    EXPECT_EQ(tagColour(), QColor(Qt::blue));
}

TEST(TLEditEvents, ClickOnAWordNamesIt)
{
    TLEdit editor;
    editor.resize(400, 200);
    editor.show();
    editor.setText("<p>hello world</p>");
    QSignalSpy clicks(&editor, &TLEdit::OnWordClick);
    QsciScintilla* view = editor.scintilla();
    const long position = 7; // inside "hello"
    const QPoint at(int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, position)),
        int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, position)) + 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "hello");
}

} // namespace
