#include "workspace/settings/editorsettings.h"

#include "editor/tledit.h"
#include "workspace/settings/settings.h"

#include <gtest/gtest.h>

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

namespace {

QColor tagColour(const TLEdit& editor)
{
    return editor.scintilla()->lexer()->color(QsciLexerHTML::Tag);
}

QColor tagPaper(const TLEdit& editor)
{
    return editor.scintilla()->lexer()->paper(QsciLexerHTML::Tag);
}

// The editor asks its owner for the tag colours; the window answers from the settings.
void answerHighlightFrom(const TesseraSettings& settings, TLEdit& editor)
{
    QObject::connect(&editor, &TLEdit::OnControlHighlight, &editor,
        [&settings](ControlHighlight* request) { WebPageControlHighlight(settings, *request); });
}

TEST(EditorSettings, storedLookIsApplied)
{
    TesseraSettings settings;
    auto& d = settings.defaults;
    d.tabSize = 6;
    d.wordwrap = true;
    d.fontName = QStringLiteral("DejaVu Serif");
    d.fontSize = QStringLiteral("15");
    d.fontStyle = QStringLiteral("Bold Italic");
    d.backgroundColor = QStringLiteral("15790320"); // 0xF0F0F0
    d.fontColor = QStringLiteral("32768");          // dark green
    d.syntaxFgColor = QStringLiteral("128");        // dark red
    d.syntaxBgColor = QStringLiteral("65535");      // yellow
    d.highlightFgColor = QStringLiteral("16777215");
    d.highlightBgColor = QStringLiteral("8388608"); // navy
    d.autoIndent = false;

    TLEdit editor;
    answerHighlightFrom(settings, editor);
    editor.setAutoIndent(true);
    applyEditorSettings(settings, editor);

    EXPECT_EQ(editor.TabStopSize(), 6);
    EXPECT_TRUE(editor.WordWrap());
    EXPECT_EQ(editor.editorFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(editor.editorFont().pointSize(), 15);
    EXPECT_TRUE(editor.editorFont().bold());
    EXPECT_TRUE(editor.editorFont().italic());
    EXPECT_EQ(editor.Color(), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(editor.fontColor(), QColor(0, 128, 0));
    EXPECT_EQ(tagColour(editor), QColor(128, 0, 0));
    EXPECT_EQ(tagPaper(editor), QColor(255, 255, 0));
    EXPECT_EQ(editor.ForeColorSelected(), QColor(Qt::white));
    EXPECT_EQ(editor.BackColorSelected(), QColor(0, 0, 128));
    // The editor's own auto-indent wins over the stored one.
    EXPECT_TRUE(editor.AutoIndent());
}

// Empty and garbled values leave the editor as it was; tags fall back to blue on white.
TEST(EditorSettings, emptyOrGarbledValuesKeepTheEditorsLook)
{
    TLEdit editor;
    editor.setTabStopSize(3);
    editor.setColor(QColor(10, 20, 30));
    editor.setSelectionColors(Qt::red, Qt::green);
    const QFont font = editor.editorFont();

    TesseraSettings settings;
    settings.defaults.syntaxFgColor = QStringLiteral("not a colour");
    answerHighlightFrom(settings, editor);
    settings.defaults.fontSize = QStringLiteral("0");
    settings.defaults.backgroundColor = QStringLiteral("-2147483643");
    settings.defaults.highlightFgColor = QStringLiteral("255");
    applyEditorSettings(settings, editor);

    EXPECT_EQ(editor.TabStopSize(), 3);
    EXPECT_FALSE(editor.WordWrap());
    EXPECT_EQ(editor.editorFont(), font);
    EXPECT_EQ(editor.Color(), QColor(10, 20, 30));
    EXPECT_EQ(tagColour(editor), QColor(Qt::blue));
    EXPECT_EQ(tagPaper(editor), QColor(Qt::white));
    // Only the given selection colour changes.
    EXPECT_EQ(editor.ForeColorSelected(), QColor(Qt::red));
    EXPECT_EQ(editor.BackColorSelected(), QColor(Qt::green));
    settings.defaults.highlightFgColor = QStringLiteral("16711680");
    applyEditorSettings(settings, editor);
    EXPECT_EQ(editor.ForeColorSelected(), QColor(Qt::blue));
    EXPECT_EQ(editor.BackColorSelected(), QColor(Qt::green));
}

// What is captured from one editor, stored and read back gives another editor the same look.
TEST(EditorSettings, capturedLookCarriesToAnotherEditor)
{
    TLEdit first;
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPointSize(13);
    font.setItalic(true);
    first.setEditorFont(font);
    first.setColor(QColor(250, 240, 230));
    first.setTabStopSize(5);
    first.setAutoIndent(false);

    TesseraSettings settings;
    captureEditorSettings(first, settings);
    EXPECT_FALSE(settings.defaults.autoIndent);

    TLEdit second;
    applyEditorSettings(settings, second);
    EXPECT_EQ(second.editorFont().family(), first.editorFont().family());
    EXPECT_EQ(second.editorFont().pointSize(), 13);
    EXPECT_TRUE(second.editorFont().italic());
    EXPECT_FALSE(second.editorFont().bold());
    EXPECT_EQ(second.Color(), QColor(250, 240, 230));
    EXPECT_EQ(second.TabStopSize(), 5);
}

} // namespace
