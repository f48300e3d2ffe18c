#include "editor/tledit.h"
#include "workspace/tags/typedkeyfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <string>

namespace {

void type(TLEdit& editor, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(editor.scintilla(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(editor.scintilla(), &release);
}

void typeText(TLEdit& editor, const QString& text)
{
    for (QChar c : text)
        type(editor, c.isLetter() ? Qt::Key_A : Qt::Key_Space, Qt::NoModifier, QString(c));
}

std::string plain(const TLEdit& editor)
{
    return editor.Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
}

struct Editors {
    TLEdit page;
    TLEdit spare;
    TagOptions options;
    TypedKeyFilter pageFilter {&page, [this] { return options; }};
    TypedKeyFilter spareFilter {&spare, [this] { return options; }};
    Editors()
    {
        page.setText(QStringLiteral("page"));
        spare.setText(QStringLiteral("clip"));
        page.SetSelection(1, 4, 1, 4);
        spare.SetSelection(1, 4, 1, 4);
    }
};

TEST(TypedKeyFilterTest, TypedKeysBecomeTagsAndEntities)
{
    struct Case {
        const char* name;
        bool useBR;
        bool expand;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::string result;
    };
    const Case cases[] = {
        {"e acute expanded", false, true, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"), "page&eacute;"},
        {"capital thorn", false, true, Qt::Key_THORN, Qt::NoModifier, QStringLiteral("\u00de"), "page&THORN;"},
        {"y diaeresis", false, true, Qt::Key_ydiaeresis, Qt::NoModifier, QStringLiteral("\u00ff"), "page&yuml;"},
        {"times sign stays", false, true, Qt::Key_multiply, Qt::NoModifier, QStringLiteral("\u00d7"), "page\u00d7"},
        {"division sign stays", false, true, Qt::Key_division, Qt::NoModifier, QStringLiteral("\u00f7"), "page\u00f7"},
        {"outside the table", false, true, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20ac"), "page\u20ac"},
        {"expansion off", false, false, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"), "page\u00e9"},
        {"Enter", false, true, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), "page\n"},
        {"Enter with UseBR", true, true, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), "page<BR>\n"},
        {"Ctrl+Enter", false, true, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"), "page<BR>\n"},
        {"Ctrl+Enter with UseBR", true, true, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"), "page<BR>\n"},
    };
    for (const Case& c : cases) {
        Editors e;
        e.options.useBR = c.useBR;
        e.options.expandCharsToHtml = c.expand;
        type(e.page, c.key, c.modifiers, c.text);
        EXPECT_EQ(plain(e.page), std::string(QString::fromStdString(c.result).toUtf8().constData())) << c.name;
    }
}

TEST(TypedKeyFilterTest, EntityReplacesTheSelection)
{
    Editors e;
    e.page.SetSelection(1, 1, 1, 3);
    typeText(e.page, QStringLiteral("\u00e0"));
    EXPECT_EQ(plain(e.page), "p&agrave;e");
    EXPECT_EQ(e.page.GetSelection(), (EditorSelection {9, 9, 1, 1}));
}

// Keys typed into the internal clipboard editor change it, and never the hidden page.
TEST(TypedKeyFilterTest, ActsOnTheEditorThatReceivedTheKey)
{
    Editors e;
    e.options.useBR = true;
    e.page.setModified(false);
    int pageEdits = 0;
    QObject::connect(&e.pageFilter, &TypedKeyFilter::edited, [&pageEdits] { ++pageEdits; });
    type(e.spare, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    typeText(e.spare, QStringLiteral("\u00e9"));
    type(e.spare, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"));
    EXPECT_EQ(plain(e.page), "page");
    EXPECT_FALSE(e.page.modified());
    EXPECT_EQ(pageEdits, 0);
    EXPECT_EQ(plain(e.spare), "clip<BR>\n&eacute;<BR>\n");
    EXPECT_TRUE(e.spare.modified());
}

TEST(TypedKeyFilterTest, MovementKeysDoNotMarkThePageModified)
{
    Editors e;
    e.page.setModified(false);
    type(e.page, Qt::Key_Left, Qt::NoModifier, QString());
    type(e.page, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    EXPECT_FALSE(e.page.modified());
    typeText(e.page, QStringLiteral("x"));
    EXPECT_TRUE(e.page.modified());
    EXPECT_EQ(e.page.trackingLevel(), TLEdit::defaultTrackingLevel);
}

TEST(CharacterEntityTest, CoversTheLatinLetters)
{
    int named = 0;
    for (int code = 0xC0; code <= 0xFF; ++code)
        named += characterEntity(QChar(code)).isEmpty() ? 0 : 1;
    EXPECT_EQ(named, 62);
    EXPECT_EQ(characterEntity(QChar(0xC0)).toStdString(), "&Agrave;");
    EXPECT_EQ(characterEntity(QChar(0xD0)).toStdString(), "&ETH;");
    EXPECT_EQ(characterEntity(QChar(0xDF)).toStdString(), "&szlig;");
    EXPECT_EQ(characterEntity(QChar(0xF0)).toStdString(), "&eth;");
    EXPECT_TRUE(characterEntity(QChar(0xBF)).isEmpty());
    EXPECT_TRUE(characterEntity(QChar(0x100)).isEmpty());
}

} // namespace
