#include "editor/editorline.h"
#include "editor/tledit.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(EditorLine, ConvertsBothWays)
{
    struct Case {
        int index;
        int line;
    };
    for (const Case& c : { Case { 0, 1 }, Case { 1, 2 }, Case { 41, 42 } }) {
        EXPECT_EQ(EditorLine::fromIndex(c.index), c.line);
        EXPECT_EQ(EditorLine::toIndex(c.line), c.index);
    }
    // Line 0 is the start of the text, like line 1; no index lies before the first line.
    EXPECT_EQ(EditorLine::toIndex(0), 0);
    EXPECT_EQ(EditorLine::toIndex(-3), 0);
    EXPECT_EQ(EditorLine::fromIndex(-1), 1);
}

// A caller that finds a word by 0-based line index (as a text buffer does) must change that line
// and no other when it writes back through the editor.
TEST(EditorLine, ZeroBasedReplacementLandsOnItsLine)
{
    TLEdit editor;
    editor.setText(QStringLiteral("first teh\r\nsecond teh\r\nthird teh\r\nfourth"));
    const QStringList lines = editor.Text().split(QStringLiteral("\r\n"));
    for (int index = 0; index < lines.size(); ++index) {
        const int column = lines[index].indexOf(QStringLiteral("teh"));
        if (column < 0 || index != 1)
            continue;
        const int line = EditorLine::fromIndex(index);
        editor.SetSelection(line, column, line, column + 3);
        editor.replaceSelection(QStringLiteral("the"));
    }
    EXPECT_EQ(editor.Text(), QStringLiteral("first teh\r\nsecond the\r\nthird teh\r\nfourth"));
    EXPECT_EQ(editor.lineText(EditorLine::fromIndex(1)), QStringLiteral("second the"));
}
