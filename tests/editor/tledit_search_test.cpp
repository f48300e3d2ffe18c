#include "editor/tledit.h"
#include "editor/tleditdialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

QString dump(const EditorSelection& s)
{
    return QStringLiteral("%1:%2-%3:%4").arg(s.StartLine).arg(s.StartPos).arg(s.EndLine).arg(s.EndPos);
}

} // namespace

TEST(TLEditSearch, FindSelectsTheMatch)
{
    const QString text = QString::fromUtf8("<b>Bold</b> bold\r\nunbold \xE2\x82\xAC bold\r\n") + QString(200, 'x') + "!";
    struct Case {
        const char* name;
        QString search;
        FindOptions options;
        EditorSelection from;
        bool found;
        QString selection; // afterwards; unchanged when nothing was found
    };
    const Case cases[] = {
        { "from the caret", "bold", {}, { 0, 0, 1, 1 }, true, "1:3-1:7" },
        { "on from a selected match", "bold", {}, { 3, 7, 1, 1 }, true, "1:12-1:16" },
        { "match case", "bold", { true, false, false }, { 0, 0, 1, 1 }, true, "1:12-1:16" },
        { "whole words", "bold", { false, true, false }, { 13, 13, 1, 1 }, true, "2:9-2:13" },
        { "after a non-ASCII character", "bold", {}, { 7, 7, 2, 2 }, true, "2:9-2:13" },
        { "backwards from the selection start", "bold", { false, false, true }, { 12, 16, 1, 1 }, true, "1:3-1:7" },
        { "no wrap past the end", "Bold", { true, false, false }, { 0, 0, 2, 2 }, false, "2:0-2:0" },
        { "not found", "italic", {}, { 1, 2, 1, 1 }, false, "1:1-1:2" },
        { "empty search text", "", {}, { 1, 2, 1, 1 }, false, "1:1-1:2" },
        { "long search text is not cut", QString(150, 'x') + "!", {}, { 0, 0, 1, 1 }, true, "3:50-3:201" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLEdit editor;
        editor.setText(text);
        editor.SetSelection(c.from);
        editor.setSearchText(c.search);
        editor.setFindOptions(c.options);
        EXPECT_EQ(editor.find(), c.found);
        EXPECT_EQ(dump(editor.GetSelection()), c.selection);
    }
}

TEST(TLEditSearch, ReplaceAndReplaceAll)
{
    TLEdit editor;
    editor.setText("a cat, a Cat, a dog");
    editor.setSearchText("cat");
    editor.setReplacementText("big cat");
    editor.SetSelection(1, 0, 1, 0);
    EXPECT_TRUE(editor.replace());
    EXPECT_EQ(editor.Text(), "a big cat, a Cat, a dog");
    EXPECT_EQ(editor.GetSelText(), "big cat");

    // The replacement contains the search text; every original match is replaced exactly once.
    editor.setText("a cat, a Cat, a dog");
    EXPECT_EQ(editor.replaceAll(), 2);
    EXPECT_EQ(editor.Text(), "a big cat, a big cat, a dog");
    editor.undo(); // one step undoes them all
    EXPECT_EQ(editor.Text(), "a cat, a Cat, a dog");

    editor.setSearchText("bird");
    EXPECT_FALSE(editor.replace());
    EXPECT_EQ(editor.replaceAll(), 0);
    EXPECT_EQ(editor.Text(), "a cat, a Cat, a dog");
}

TEST(TLEditSearch, FindDialogStepsAndReports)
{
    TLEdit editor;
    editor.setText("one two one");
    editor.SetSelection(1, 0, 1, 0);
    FindDialog dialog(&editor, FindDialog::Mode::Find);
    dialog.findField()->setText("one");
    dialog.findNextButton()->click();
    EXPECT_EQ(dump(editor.GetSelection()), "1:0-1:3");
    dialog.findNextButton()->click();
    EXPECT_EQ(dump(editor.GetSelection()), "1:8-1:11");
    dialog.findNextButton()->click();
    EXPECT_EQ(dump(editor.GetSelection()), "1:8-1:11");
    EXPECT_EQ(dialog.status(), "Cannot find \"one\".");
    dialog.upButton()->setChecked(true);
    dialog.findNextButton()->click();
    EXPECT_EQ(dump(editor.GetSelection()), "1:0-1:3");
    EXPECT_EQ(editor.searchText(), "one"); // Find Next goes on with it
    editor.findNext();
    EXPECT_EQ(dump(editor.GetSelection()), "1:0-1:3");

    dialog.findField()->clear();
    EXPECT_FALSE(dialog.findNextButton()->isEnabled());

    // A one-line selection fills the field.
    editor.SetSelection(1, 4, 1, 7);
    FindDialog second(&editor, FindDialog::Mode::Find);
    EXPECT_EQ(second.findField()->text(), "two");
}

TEST(TLEditSearch, ReplaceDialogShowsThenReplaces)
{
    TLEdit editor;
    editor.setText("x = 1; x = 2; X = 3");
    editor.SetSelection(1, 0, 1, 0);
    FindDialog dialog(&editor, FindDialog::Mode::Replace);
    dialog.findField()->setText("x");
    dialog.replaceField()->setText("y");
    dialog.matchCaseBox()->setChecked(true);
    dialog.replaceButton()->click(); // shows the first match
    EXPECT_EQ(editor.Text(), "x = 1; x = 2; X = 3");
    EXPECT_EQ(editor.GetSelText(), "x");
    dialog.replaceButton()->click(); // replaces it and shows the next
    EXPECT_EQ(editor.Text(), "y = 1; x = 2; X = 3");
    EXPECT_EQ(dump(editor.GetSelection()), "1:7-1:8");
    dialog.replaceAllButton()->click();
    EXPECT_EQ(editor.Text(), "y = 1; y = 2; X = 3");
    EXPECT_EQ(dialog.status(), "1 replacement(s) made.");
}

TEST(TLEditSearch, GoToLineDialog)
{
    TLEdit editor;
    editor.setText("a\r\nbb\r\nccc");
    editor.SetSelection(1, 1, 1, 1);
    GoToLineDialog dialog(&editor);
    EXPECT_EQ(dialog.lineBox()->maximum(), 3);
    EXPECT_EQ(dialog.lineBox()->value(), 1);
    dialog.lineBox()->setValue(9); // beyond the range: the box keeps it at the last line
    dialog.accept();
    EXPECT_EQ(dump(editor.GetSelection()), "3:0-3:0");
}
