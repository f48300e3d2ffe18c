#include "editor/tledit.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString dump(const EditorSelection& s)
{
    return QStringLiteral("%1:%2-%3:%4").arg(s.StartLine).arg(s.StartPos).arg(s.EndLine).arg(s.EndPos);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(TLEdit, SelectionRecordEdges)
{
    const QString longLine(40000, QLatin1Char('a'));
    struct Case {
        const char* name;
        QString text;
        EditorSelection set;
        QString expected; // the record read back
        QString selected;
    };
    const Case cases[] = {
        { "empty text", QString(), { 0, 0, 0, 0 }, "1:0-1:0", "" },
        { "line 0 is the start", "ab\r\ncd", { 0, 0, 0, 0 }, "1:0-1:0", "" },
        { "one line", "abc", { 1, 3, 1, 1 }, "1:1-1:3", "bc" },
        { "end of text", "abc\r\ndef", { 3, 3, 2, 2 }, "2:3-2:3", "" },
        { "after a final line break", "abc\r\n", { 0, 0, 2, 2 }, "2:0-2:0", "" },
        { "past the last line", "abc\r\nde", { 9, 9, 9, 9 }, "2:2-2:2", "" },
        { "column past the line end", "ab\r\ncd", { 7, 7, 1, 1 }, "1:2-1:2", "" },
        { "multi-line", "ab\r\ncd\r\nef", { 1, 1, 1, 3 }, "1:1-3:1", "b\r\ncd\r\ne" },
        { "reversed keeps the caret as end", "ab\r\ncd\r\nef", { 1, 1, 3, 1 }, "3:1-1:1", "b\r\ncd\r\ne" },
        { "line feeds only", "ab\ncd", { 0, 1, 2, 2 }, "2:0-2:1", "c" },
        { "UTF-16 columns", QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80x"), { 0, 4, 1, 1 }, "1:0-1:4",
            QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80") },
        { "columns beyond 16 bits", longLine + "b", { 39990, 40001, 1, 1 }, "1:39990-1:40001", "aaaaaaaaaab" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLEdit editor;
        editor.setText(c.text);
        editor.SetSelection(c.set);
        EXPECT_EQ(dump(editor.GetSelection()), c.expected);
        EXPECT_EQ(editor.GetSelText(), c.selected);
        EXPECT_EQ(editor.selectionLength(), c.selected.size());
        EXPECT_EQ(editor.cachedSelText(), c.selected);
    }
}

TEST(TLEdit, LineCountEqualsLastLineNumber)
{
    struct Case {
        QString text;
        int lines;
        int lastLength;
    };
    for (const Case& c : { Case { "", 1, 0 }, Case { "a", 1, 1 }, Case { "a\r\nbc", 2, 2 }, Case { "a\r\n", 2, 0 } }) {
        TLEdit editor;
        editor.setText(c.text);
        EXPECT_EQ(editor.lineCount(), c.lines) << c.text.toStdString();
        editor.SetSelection(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
        EXPECT_EQ(editor.GetSelection().EndLine, c.lines);
        EXPECT_EQ(editor.lineLength(c.lines), c.lastLength);
    }
}

TEST(TLEdit, InsertTextLeavesCaretAfterIt)
{
    struct Case {
        EditorSelection at;
        QString inserted;
        QString text;
        QString end;
    };
    const Case cases[] = {
        { { 1, 1, 1, 1 }, "<B></B>", "a<B></B>bc\r\nde", "1:8-1:8" },
        { { 1, 3, 1, 1 }, "X", "aX\r\nde", "1:2-1:2" }, // replaces the selection
        { { 1, 1, 2, 2 }, "x\r\nyy", "abc\r\ndx\r\nyye", "3:2-3:2" },
    };
    for (const Case& c : cases) {
        TLEdit editor;
        editor.setText("abc\r\nde");
        editor.SetSelection(c.at);
        editor.InsertText(c.inserted);
        EXPECT_EQ(editor.Text(), c.text);
        EXPECT_EQ(dump(editor.GetSelection()), c.end);
    }
}

TEST(TLEdit, LineOperations)
{
    TLEdit editor;
    editor.setText("one\r\ntwo\r\nthree");
    editor.SetSelection(3, 1, 3, 2);
    editor.setLineText(2, "TWO!");
    EXPECT_EQ(editor.Text(), "one\r\nTWO!\r\nthree");
    EXPECT_EQ(dump(editor.GetSelection()), "3:1-3:2"); // the previous selection is back
    EXPECT_EQ(editor.lineText(0), QString());
    EXPECT_EQ(editor.lineText(4), QString());

    editor.SetSelection(1, 2, 1, 2);
    EXPECT_EQ(editor.currentLineText(), "one");
    editor.selectLine(3);
    EXPECT_EQ(editor.GetSelText(), "three");
}

TEST(TLEdit, ModifiedFlagPerTrackingLevel)
{
    TLEdit editor;
    EXPECT_FALSE(editor.modified());
    editor.setText("x");
    EXPECT_TRUE(editor.modified());

    editor.setTrackingLevel(5);
    editor.setModified(false);
    EXPECT_FALSE(editor.modified());
    editor.setTrackingLevel(3); // never cleared at this level: the text changed since the start
    EXPECT_TRUE(editor.modified());
    editor.setModified(false);

    editor.setTrackingLevel(5);
    editor.InsertText("y");
    EXPECT_TRUE(editor.modified());
    editor.setTrackingLevel(3);
    EXPECT_TRUE(editor.modified());
    editor.setTrackingLevel(5);
    editor.setModified(false);
    editor.setTrackingLevel(3);
    EXPECT_TRUE(editor.modified()); // clearing one level leaves the others
}

TEST(TLEdit, FilesRoundTripWithoutLoss)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        { "UTF-8 with CR LF", "<P>caf\xC3\xA9</P>\r\n", QString::fromUtf8("<P>caf\xC3\xA9</P>\r\n") },
        { "Latin-1", "caf\xE9\r\n", QString::fromUtf8("caf\xC3\xA9\r\n") },
        { "NUL inside", QByteArray("a\0b\nc", 5), QString::fromUtf8("a\0b\nc", 5) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("page.htm");
        ASSERT_TRUE(writeFile(path, c.bytes));
        TLEdit editor;
        ASSERT_TRUE(editor.LoadFromFile(path));
        EXPECT_EQ(editor.Text(), c.text);
        EXPECT_FALSE(editor.modified());
        ASSERT_TRUE(editor.SaveToFile(dir.filePath("copy.htm")));
        EXPECT_EQ(readFile(dir.filePath("copy.htm")), c.bytes);
    }

    // A character a Latin-1 page cannot hold is written as a character reference.
    TLEdit editor;
    ASSERT_TRUE(writeFile(dir.filePath("old.htm"), "caf\xE9"));
    ASSERT_TRUE(editor.LoadFromFile(dir.filePath("old.htm")));
    editor.SetSelection(1, 4, 1, 4);
    editor.InsertText(QString::fromUtf8(" \xE2\x82\xAC\xF0\x9F\x98\x80"));
    ASSERT_TRUE(editor.SaveToFile(dir.filePath("old.htm")));
    EXPECT_EQ(readFile(dir.filePath("old.htm")), QByteArray("caf\xE9 &#8364;&#128512;"));
}

TEST(TLEdit, FileFailuresKeepTheText)
{
    QTemporaryDir dir;
    TLEdit editor;
    editor.setText("keep me");
    QSignalSpy errors(&editor, &TLEdit::OnFileError);

    EXPECT_TRUE(editor.LoadFromFile(TLEdit::untitledFileName));
    EXPECT_FALSE(editor.LoadFromFile(dir.filePath("missing.htm")));
    EXPECT_FALSE(editor.SaveToFile(dir.filePath("no/such/dir/page.htm")));
    EXPECT_FALSE(editor.errorString().isEmpty());
    EXPECT_EQ(errors.count(), 2);
    EXPECT_EQ(editor.Text(), "keep me");
}

TEST(TLEdit, StoreQuestionBeforeReplacingModifiedText)
{
    QTemporaryDir dir;
    const QString next = dir.filePath("next.htm");
    const QString own = dir.filePath("own.htm");
    ASSERT_TRUE(writeFile(next, "next"));
    struct Case {
        const char* name;
        bool modified;
        StoreAnswer answer;
        QString ownFile;
        int questions;
        bool loaded;
        QByteArray ownBytes;
    };
    const Case cases[] = {
        { "unmodified text is not asked about", false, StoreAnswer::Store, own, 0, true, "<unreadable>" },
        { "do not store", true, StoreAnswer::DoNotStore, own, 1, true, "<unreadable>" },
        { "store", true, StoreAnswer::Store, own, 1, true, "mine" },
        { "store fails: nothing is replaced", true, StoreAnswer::Store, dir.filePath("no/dir/own.htm"), 1, false, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(own);
        TLEdit editor;
        editor.setText("mine");
        editor.setModified(c.modified);
        editor.setFileName(c.ownFile);
        int questions = 0;
        QObject::connect(&editor, &TLEdit::OnAskIfStoreFile, [&](int* answer) {
            ++questions;
            EXPECT_EQ(*answer, 0);
            *answer = static_cast<int>(c.answer);
        });
        EXPECT_EQ(editor.LoadFromFile(next), c.loaded);
        EXPECT_EQ(questions, c.questions);
        EXPECT_EQ(editor.Text(), c.loaded ? "next" : "mine");
        if (!c.ownBytes.isEmpty()) {
            EXPECT_EQ(readFile(own), c.ownBytes);
        }
    }
}

TEST(TLEdit, UndoDepthLimitsUndoSteps)
{
    struct Case {
        int depth;
        QString afterUndos; // after undoing as far as allowed
    };
    for (const Case& c : { Case { 100, "" }, Case { 2, "a" }, Case { 0, "abc" } }) {
        TLEdit editor;
        editor.setUndoDepth(c.depth);
        for (const char* piece : { "a", "b", "c" })
            editor.InsertText(piece);
        for (int i = 0; i < 5; ++i)
            editor.undo();
        EXPECT_EQ(editor.Text(), c.afterUndos) << c.depth;
        while (editor.canRedo())
            editor.redo();
        EXPECT_EQ(editor.Text(), "abc");
    }
}

TEST(TLEdit, BookmarksFollowTheirLine)
{
    TLEdit editor;
    editor.setText("one\r\ntwo\r\nthree");
    EXPECT_EQ(editor.bookmarkLine(3), 0);
    editor.setBookmark(3, 2);
    editor.setBookmark(15, 3);
    editor.setBookmark(16, 1); // no such bookmark
    editor.setBookmark(-1, 1);
    EXPECT_EQ(editor.bookmarkLine(3), 2);
    EXPECT_EQ(editor.bookmarkLine(16), 0);

    editor.SetSelection(1, 0, 1, 0);
    editor.InsertText("zero\r\n");
    EXPECT_EQ(editor.bookmarkLine(3), 3);
    EXPECT_EQ(editor.bookmarkLine(15), 4);

    editor.setBookmark(3, 1); // setting again moves it
    EXPECT_EQ(editor.bookmarkLine(3), 1);
    EXPECT_EQ(editor.scintilla()->markersAtLine(2) & 0xFFFF, 0u);
}

TEST(TLEdit, DuplicateSelectionOrLine)
{
    struct Case {
        EditorSelection selection;
        QString text;
    };
    const Case cases[] = {
        { { 1, 1, 1, 1 }, "ab\r\nab\r\ncd" },
        { { 0, 2, 1, 1 }, "abab\r\ncd" },
    };
    for (const Case& c : cases) {
        TLEdit editor;
        editor.setText("ab\r\ncd");
        editor.SetSelection(c.selection);
        editor.duplicate();
        EXPECT_EQ(editor.Text(), c.text);
    }
}

TEST(TLEdit, OverwriteModeAndItsEvent)
{
    TLEdit editor;
    QSignalSpy modes(&editor, &TLEdit::OnChangeMode);
    EXPECT_TRUE(editor.InsertMode());
    editor.setInsertMode(false);
    editor.setInsertMode(false);
    EXPECT_EQ(modes.count(), 1);
    editor.setInsertMode(true);
    EXPECT_EQ(modes.count(), 2);
}

TEST(TLEdit, ClipboardAndSelectAll)
{
    TLEdit editor;
    editor.setText("one two");
    editor.SetSelection(1, 0, 1, 4);
    editor.cut();
    EXPECT_EQ(editor.Text(), "two");
    editor.SetSelection(1, 3, 1, 3);
    editor.paste();
    EXPECT_EQ(editor.Text(), "twoone ");
    editor.selectAll();
    EXPECT_EQ(editor.GetSelText(), "twoone ");
    editor.SetSelection(1, 1, 1, 1);
    editor.deleteSelection(); // nothing selected: nothing goes
    EXPECT_EQ(editor.Text(), "twoone ");
    editor.clearAll();
    EXPECT_EQ(editor.Text(), QString());
}

TEST(TLEdit, ChangeAndCaretEvents)
{
    TLEdit editor;
    QSignalSpy changes(&editor, &TLEdit::OnChange);
    QSignalSpy caret(&editor, &TLEdit::caretMoved);
    editor.setText("ab\r\ncd");
    editor.SetSelection(2, 1, 2, 1);
    ASSERT_FALSE(caret.isEmpty());
    EXPECT_EQ(caret.last().at(0).toInt(), 2);
    EXPECT_EQ(caret.last().at(1).toInt(), 1);

    changes.clear();
    editor.InsertText("x");
    EXPECT_GE(changes.count(), 1);
    changes.clear();
    editor.SetSelection(1, 0, 1, 2); // moving the selection is no change
    editor.GetSelText();
    EXPECT_EQ(changes.count(), 0);
}
