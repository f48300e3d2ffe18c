#include "app/fontformwiring.h"

#include "app/previewwiring.h"
#include "app/projectswiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "custom/fontform/tfontform.h"
#include "editor/tledit.h"
#include "projects/outline/toutline.h"
#include "workspace/preview/previewlook.h"
#include "workspace/settings/editorsettings.h"

FontFormWiring::FontFormWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
{
    window.commands().setHandler(Command::OptionsEditorOptions, [this] { EditorOptionsClick(); });
}

void FontFormWiring::EditorOptionsClick()
{
    // The window's look when the dialog opens stands in for what the record leaves empty, so
    // Cancel after Apply brings back what was shown.
    const EditorOptions shownAtOpen = current();
    const TesseraSettings::Defaults recordedAtOpen = m_window.settings().defaults;
    TFontForm::Host host;
    host.current = [this] { return current(); };
    host.restoreRecorded = [this, shownAtOpen, recordedAtOpen] { restoreRecorded(shownAtOpen, recordedAtOpen); };
    host.apply = [this](const EditorOptions& options) { apply(options); };
    host.record = [this](const EditorOptions& options) { record(options); };
    host.showHelper = [this](int number) { m_window.showHelper(static_cast<Helper>(number)); };
    TFontForm form(host, &m_window);
    form.FormShow();
    form.exec();
}

EditorOptions FontFormWiring::current() const
{
    const TLEdit& editor = *m_window.webPage();
    const tessera::viewer::TPageViewer& preview = m_window.workspace().preview().split();
    const TesseraSettings& settings = m_window.settings();
    ControlHighlight tags;
    WebPageControlHighlight(settings, tags);

    EditorOptions options;
    options.editorFont = editor.editorFont();
    options.textColor = editor.fontColor();
    options.windowColor = editor.Color();
    options.tagForeground = tags.foreground;
    options.tagBackground = tags.background;
    options.selectedForeground = editor.ForeColorSelected();
    options.selectedBackground = editor.BackColorSelected();
    options.tabSize = editor.TabStopSize();
    options.autoIndent = editor.AutoIndent();
    options.wordWrap = editor.WordWrap();
    options.expandToHtml = settings.defaults.expandCharsToHtml;
    options.fileFormat = int(editor.UnixStyleSave() ? LineEndStyle::Unix
                             : editor.MacStyleSave() ? LineEndStyle::Mac
                                                     : LineEndStyle::Default);
    options.previewFontName = preview.DefFontName();
    options.previewFontSize = preview.DefFontSize();
    options.previewFontColor = preview.DefFontColor();
    options.previewBackground = preview.DefBackground();
    return options;
}

void FontFormWiring::apply(const EditorOptions& options)
{
    TLEdit& editor = *m_window.webPage();
    applyLineEndStyle(options.fileFormat, editor);
    editor.setAutoIndent(options.autoIndent);
    editor.setWordWrap(options.wordWrap);
    m_window.spareEditor()->setWordWrap(options.wordWrap);
    editor.setEditorFont(options.editorFont);
    editor.setFontColor(options.textColor);
    editor.setColor(options.windowColor);
    editor.setTabStopSize(options.tabSize);
    m_window.projects().outline().setLook(options.editorFont, options.textColor, options.windowColor);
    editor.setSelectionColors(options.selectedForeground, options.selectedBackground);

    tessera::viewer::TPageViewer& preview = m_window.workspace().preview().split();
    preview.setDefFontColor(options.previewFontColor);
    preview.setDefFontSize(options.previewFontSize);
    preview.setDefFontName(options.previewFontName);
    preview.setDefBackground(options.previewBackground);

    // The editor asks the record for its tag colours, so they live there while the program runs.
    TesseraSettings::Defaults& defaults = m_window.settings().defaults;
    defaults.syntaxFgColor = colourToText(options.tagForeground);
    defaults.syntaxBgColor = colourToText(options.tagBackground);
    editor.refreshHighlight();
}

void FontFormWiring::restoreRecorded(const EditorOptions& shownAtOpen, const TesseraSettings::Defaults& recordedAtOpen)
{
    apply(shownAtOpen);
    TesseraSettings& settings = m_window.settings();
    settings.defaults.syntaxFgColor = recordedAtOpen.syntaxFgColor;
    settings.defaults.syntaxBgColor = recordedAtOpen.syntaxBgColor;
    TLEdit& editor = *m_window.webPage();
    applyEditorSettings(settings, editor);
    editor.setAutoIndent(settings.defaults.autoIndent);
    m_window.spareEditor()->setWordWrap(settings.defaults.wordwrap);
    tessera::workspace::applyPreviewLook(settings, m_window.workspace().preview().split());
    m_window.projects().outline().setLook(editor.editorFont(), editor.fontColor(), editor.Color());
}

void FontFormWiring::record(const EditorOptions& options)
{
    recordEditorOptions(options, m_window.settings());
    m_window.webPage()->update();
}
