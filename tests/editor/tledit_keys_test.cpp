#include "editor/tledit.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Chord {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Chords of the main window's menus that the editing widget binds or types by itself.
const Chord menuChords[] = {
    { Qt::Key_L, Qt::ControlModifier },
    { Qt::Key_U, Qt::ControlModifier },
    { Qt::Key_D, Qt::ControlModifier },
    { Qt::Key_T, Qt::ControlModifier },
    { Qt::Key_E, Qt::ControlModifier },
    { Qt::Key_Slash, Qt::ControlModifier },
    { Qt::Key_Delete, Qt::ControlModifier },
    { Qt::Key_Backspace, Qt::AltModifier },
    { Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier },
    { Qt::Key_X, Qt::ControlModifier },
    { Qt::Key_V, Qt::ControlModifier },
    { Qt::Key_A, Qt::ControlModifier },
    { Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier },
    { Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier },
    { Qt::Key_1, Qt::ControlModifier },
    { Qt::Key_0, Qt::ControlModifier | Qt::ShiftModifier },
    { Qt::Key_Space, Qt::ControlModifier | Qt::AltModifier },
    { Qt::Key_F3, Qt::NoModifier },
};

QKeySequence sequence(const Chord& chord)
{
    return QKeySequence(QKeyCombination(chord.modifiers, chord.key));
}

class MenuWindow {
public:
    MenuWindow()
    {
        QMenu* menu = window.menuBar()->addMenu("&Edit");
        QList<QKeySequence> chords;
        for (const Chord& chord : menuChords) {
            auto* action = menu->addAction(sequence(chord).toString());
            action->setShortcut(sequence(chord));
            QObject::connect(action, &QAction::triggered, [this, action] { triggered.append(action); });
            actions.append(action);
            chords.append(sequence(chord));
        }
        editor = new TLEdit;
        window.setCentralWidget(editor);
        editor->releaseKeys(chords);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        editor->setFocus();
    }

    QMainWindow window;
    TLEdit* editor = nullptr;
    QList<QAction*> actions;
    QList<QAction*> triggered;
};

} // namespace

TEST(TLEditKeys, MenuShortcutsWinOverTheEditor)
{
    MenuWindow w;
    for (int i = 0; i < static_cast<int>(std::size(menuChords)); ++i) {
        const Chord& chord = menuChords[i];
        SCOPED_TRACE(sequence(chord).toString().toStdString());
        w.editor->setText("abc\r\ndef");
        w.editor->SetSelection(1, 1, 1, 2);
        w.triggered.clear();
        QTest::keyClick(w.editor->scintilla(), chord.key, chord.modifiers);
        ASSERT_EQ(w.triggered.size(), 1);
        EXPECT_EQ(w.triggered.first(), w.actions[i]);
        EXPECT_EQ(w.editor->Text(), "abc\r\ndef");
    }
}

TEST(TLEditKeys, ReleasedChordsNeverEditWhileTheirItemIsDisabled)
{
    MenuWindow w;
    for (QAction* action : w.actions)
        action->setEnabled(false);
    for (const Chord& chord : menuChords) {
        SCOPED_TRACE(sequence(chord).toString().toStdString());
        w.editor->setText("abc\r\ndef");
        w.editor->SetSelection(1, 1, 1, 2);
        QTest::keyClick(w.editor->scintilla(), chord.key, chord.modifiers);
        EXPECT_EQ(w.editor->Text(), "abc\r\ndef");
    }
    EXPECT_TRUE(w.triggered.isEmpty());
    // A shifted digit comes as its shifted character on many layouts; it types nothing either.
    QTest::keyClick(w.editor->scintilla(), Qt::Key_ParenRight, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w.editor->scintilla(), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(w.editor->Text(), "abc\r\ndef");
    // Chords nobody released keep working in the editor.
    QTest::keyClick(w.editor->scintilla(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(w.editor->scintilla(), "x");
    EXPECT_EQ(w.editor->Text(), "xabc\r\ndef");
}

TEST(TLEditKeys, KeyPressHookSwallowsOrReplaces)
{
    MenuWindow w;
    TLEdit* editor = w.editor;
    QObject::connect(editor, &TLEdit::OnKeyPress, [editor](TLEditKeyPress* press) {
        if (press->text == "q") {
            editor->InsertText("&eacute;");
            press->swallowed = true;
        } else if (press->key == Qt::Key_Return && press->modifiers & Qt::ControlModifier) {
            editor->InsertText("<BR>");
            press->modifiers = Qt::NoModifier;
            press->text = "\r";
        }
    });
    QTest::keyClicks(editor->scintilla(), "aqb");
    QTest::keyClick(editor->scintilla(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(editor->scintilla(), "c");
    EXPECT_EQ(editor->Text(), "a&eacute;b<BR>\r\nc");
}

TEST(TLEditKeys, InsertKeyTogglesOverwrite)
{
    MenuWindow w;
    QSignalSpy modes(w.editor, &TLEdit::OnChangeMode);
    w.editor->setText("abc");
    w.editor->SetSelection(1, 0, 1, 0);
    QTest::keyClick(w.editor->scintilla(), Qt::Key_Insert);
    EXPECT_FALSE(w.editor->InsertMode());
    EXPECT_EQ(modes.count(), 1);
    QTest::keyClicks(w.editor->scintilla(), "XY");
    EXPECT_EQ(w.editor->Text(), "XYc");
    QTest::keyClick(w.editor->scintilla(), Qt::Key_Insert);
    EXPECT_TRUE(w.editor->InsertMode());
    EXPECT_EQ(modes.count(), 2);
}

TEST(TLEditKeys, KeyboardUndoKeepsTheUndoDepth)
{
    MenuWindow w;
    w.editor->setUndoDepth(1);
    w.editor->InsertText("a");
    w.editor->InsertText("b");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.editor->scintilla(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.editor->Text(), "a");
}

TEST(TLEditKeys, DoubleClickSelectsTheAttribute)
{
    const QString line = R"(<BODY BGCOLOR="#00FF00" TEXT=red><FONT COLOR="#00FF00">x</FONT>)";
    struct Case {
        int column; // the caret column the word is read at
        QString word;
    };
    const Case cases[] = {
        { 3, "<BODY" }, { 18, R"(BGCOLOR="#00FF00")" }, { 26, "TEXT=red" }, { 33, "" }, { 50, R"(COLOR="#00FF00")" },
    };
    TLEdit editor;
    editor.setText(line);
    for (const Case& c : cases) {
        editor.SetSelection(1, c.column, 1, c.column);
        EXPECT_EQ(editor.CurrentWordAsText(), c.word) << c.column;
    }

    // Offscreen glyph metrics put any click on this one-word line into the word, wherever it lands.
    MenuWindow w;
    w.editor->setText(R"(<BODY BGCOLOR="#00FF00")");
    w.editor->SetSelection(1, 0, 1, 0);
    QSignalSpy clicks(w.editor, &TLEdit::OnDblClick);
    QTest::mouseDClick(w.editor->scintilla()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(w.editor->GetSelText(), R"(BGCOLOR="#00FF00")");
}

// The owner's pop-up menu replaces the editing widget's own one.
TEST(TLEditKeys, ContextMenuGoesToTheOwner)
{
    TLEdit editor;
    editor.setContextMenuPolicy(Qt::CustomContextMenu);
    QSignalSpy requests(&editor, &QWidget::customContextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(editor.scintilla()->viewport(), &event);
    EXPECT_EQ(requests.count(), 1);
}
