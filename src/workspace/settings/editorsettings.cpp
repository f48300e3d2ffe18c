#include "workspace/settings/editorsettings.h"

#include "editor/tledit.h"
#include "workspace/settings/settings.h"

#include <QFont>

namespace {

// Tags show in blue on white until the user picks other colours.
const QColor defaultTagForeground = Qt::blue;
const QColor defaultTagBackground = Qt::white;

// The stored style text lists the style's words, however they are spelt ("Bold Italic",
// "[fsBold,fsUnderline]").
void applyFontStyle(const QString& style, QFont& font)
{
    if (style.isEmpty())
        return;
    font.setBold(style.contains(QLatin1String("bold"), Qt::CaseInsensitive));
    font.setItalic(style.contains(QLatin1String("italic"), Qt::CaseInsensitive));
    font.setUnderline(style.contains(QLatin1String("underline"), Qt::CaseInsensitive));
    font.setStrikeOut(style.contains(QLatin1String("strike"), Qt::CaseInsensitive));
}

QString fontStyleText(const QFont& font)
{
    QStringList words;
    if (font.bold())
        words << QStringLiteral("Bold");
    if (font.italic())
        words << QStringLiteral("Italic");
    if (font.underline())
        words << QStringLiteral("Underline");
    if (font.strikeOut())
        words << QStringLiteral("StrikeOut");
    // An empty text would leave the style alone when applied.
    return words.isEmpty() ? QStringLiteral("Regular") : words.join(QLatin1Char(' '));
}

} // namespace

void applyLineEndStyle(int fileFormat, TLEdit& editor)
{
    editor.setMacStyleSave(fileFormat == int(LineEndStyle::Mac));
    editor.setUnixStyleSave(fileFormat == int(LineEndStyle::Unix));
}

void applyEditorSettings(const TesseraSettings& settings, TLEdit& editor)
{
    const auto& d = settings.defaults;
    if (d.tabSize > 0)
        editor.setTabStopSize(d.tabSize);
    editor.setWordWrap(d.wordwrap);
    applyLineEndStyle(d.fileFormat, editor);

    QFont font = editor.editorFont();
    if (!d.fontName.isEmpty())
        font.setFamily(d.fontName);
    if (const auto size = fontSizeFromText(d.fontSize))
        font.setPointSize(*size);
    applyFontStyle(d.fontStyle, font);
    editor.setEditorFont(font);

    if (const auto background = colourFromText(d.backgroundColor))
        editor.setColor(*background);
    if (const auto text = colourFromText(d.fontColor))
        editor.setFontColor(*text);

    editor.refreshHighlight();

    const auto selectedForeground = colourFromText(d.highlightFgColor);
    const auto selectedBackground = colourFromText(d.highlightBgColor);
    if (selectedForeground || selectedBackground)
        editor.setSelectionColors(selectedForeground.value_or(editor.ForeColorSelected()),
                                  selectedBackground.value_or(editor.BackColorSelected()));
}

void WebPageControlHighlight(const TesseraSettings& settings, ControlHighlight& request)
{
    request.foreground = colourFromText(settings.defaults.syntaxFgColor).value_or(defaultTagForeground);
    request.background = colourFromText(settings.defaults.syntaxBgColor).value_or(defaultTagBackground);
    request.answer = ControlHighlight::useColours;
}

void captureEditorSettings(const TLEdit& editor, TesseraSettings& settings)
{
    auto& d = settings.defaults;
    d.tabSize = editor.TabStopSize();
    d.autoIndent = editor.AutoIndent();
    d.backgroundColor = colourToText(editor.Color());
    d.fontColor = colourToText(editor.fontColor());
    const QFont font = editor.editorFont();
    d.fontName = font.family().left(SettingsLimits::text);
    d.fontSize = font.pointSize() > 0 ? QString::number(font.pointSize()) : QString();
    d.fontStyle = fontStyleText(font);
}
