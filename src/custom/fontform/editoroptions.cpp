#include "custom/fontform/editoroptions.h"

#include "workspace/settings/settings.h"

namespace {

const NamedColour namedColourTable[] = {
    {"Aqua", 0xFFFF00},   {"Black", 0x000000}, {"Blue", 0xFF0000},   {"DkGray", 0x808080}, {"Fuchsia", 0xFF00FF},
    {"Gray", 0x808080},   {"Green", 0x008000}, {"Lime", 0x00FF00},   {"LtGray", 0xC0C0C0}, {"Maroon", 0x000080},
    {"Navy", 0x800000},   {"Olive", 0x008080}, {"Purple", 0x800080}, {"Red", 0x0000FF},    {"Silver", 0xC0C0C0},
    {"Teal", 0x808000},   {"White", 0xFFFFFF}, {"Yellow", 0x00FFFF},
};

} // namespace

std::span<const NamedColour> namedColours() { return namedColourTable; }

void recordEditorOptions(const EditorOptions& options, TesseraSettings& settings)
{
    auto& d = settings.defaults;
    d.autoIndent = options.autoIndent;
    d.expandCharsToHtml = options.expandToHtml;
    d.wordwrap = options.wordWrap;
    d.fileFormat = options.fileFormat;
    d.tabSize = options.tabSize;
    d.backgroundColor = colourToText(options.windowColor);
    d.fontName = options.editorFont.family().left(SettingsLimits::text);
    d.fontSize = options.editorFont.pointSize() > 0 ? QString::number(options.editorFont.pointSize()) : QString();
    d.fontColor = colourToText(options.textColor);
    d.htmlBackgroundColor = colourToText(options.previewBackground);
    d.htmlFontName = options.previewFontName.left(SettingsLimits::text);
    d.htmlFontSize = QString::number(options.previewFontSize);
    d.htmlFontColor = colourToText(options.previewFontColor);
    d.syntaxBgColor = colourToText(options.tagBackground);
    d.syntaxFgColor = colourToText(options.tagForeground);
    d.highlightBgColor = colourToText(options.selectedBackground);
    d.highlightFgColor = colourToText(options.selectedForeground);
}
