#include "app/menurules.h"

#include <QFileInfo>

#include <initializer_list>

namespace {

void setAll(std::vector<CommandState>& out, Command first, Command last, bool enabled)
{
    for (int i = commandIndex(first); i <= commandIndex(last); ++i)
        out.push_back({static_cast<Command>(i), enabled, true, {}});
}

void setEach(std::vector<CommandState>& out, std::initializer_list<Command> commands, bool enabled)
{
    for (Command command : commands)
        out.push_back({command, enabled, true, {}});
}

void browserItem(std::vector<CommandState>& out, Command command, const QString& path, bool pageOpen)
{
    if (path.trimmed().isEmpty())
        out.push_back({command, false, false, {}});
    else
        out.push_back({command, pageOpen, true, browserItemCaption(path)});
}

// Later entries for the same command override earlier ones when applied in order, so each rule
// states the broad case first and the exceptions after it.
std::vector<CommandState> editMenu(const MenuState& s)
{
    std::vector<CommandState> out;
    setAll(out, Command::EditUndo, Command::EditUnderline, s.pageOpen);
    // The internal clipboard is an editor of its own, usable while no page is open; its keys
    // reach it through these items.
    if (!s.pageOpen && s.focus == FocusTarget::SpareEditor)
        setEach(out, {Command::EditUndo, Command::EditRedo, Command::EditCut, Command::EditCopy, Command::EditDelete,
                      Command::EditPaste, Command::EditSelectAll},
                true);
    const bool editorFocused = s.focus == FocusTarget::PageEditor || s.focus == FocusTarget::SpareEditor;
    bool copyEnabled = s.pageOpen;
    if ((editorFocused && !s.editorHasSelection) || s.focus == FocusTarget::SplitPreview) {
        setEach(out, {Command::EditCut, Command::EditCopy, Command::EditDelete, Command::EditDuplicate}, false);
        copyEnabled = false;
    }
    if (!s.clipboardHasText)
        setEach(out, {Command::EditPaste}, false);
    if (s.focus == FocusTarget::SplitPreview && s.previewHasSelection) {
        setEach(out, {Command::EditCopy}, true);
        copyEnabled = true;
    }
    setEach(out, {Command::EditRainbowize}, s.pageOpen && s.focus == FocusTarget::PageEditor && copyEnabled);
    return out;
}

} // namespace

std::vector<CommandState> menuRules(MenuId menu, const MenuState& s)
{
    std::vector<CommandState> out;
    switch (menu) {
    case MenuId::File:
        setEach(out, {Command::FileSave, Command::FileSaveAs, Command::FileClosePage, Command::FileCloseAll,
                      Command::FilePrint, Command::FilePrinterSetup, Command::FileFrameCreator},
                s.pageOpen);
        break;
    case MenuId::Edit:
        out = editMenu(s);
        break;
    case MenuId::Search:
        setAll(out, Command::SearchFind, Command::SearchSource, s.pageOpen);
        // It looks for the preview's selection in the source: nothing to look for without one.
        if (!s.previewHasSelection)
            setEach(out, {Command::SearchSource}, false);
        break;
    case MenuId::Page:
        setEach(out, {Command::PageEvaluate, Command::PageViewFullScreen, Command::PageRefreshHtml}, s.pageOpen);
        browserItem(out, Command::PageBrowser1, s.browser1Path, s.pageOpen);
        browserItem(out, Command::PageBrowser2, s.browser2Path, s.pageOpen);
        break;
    case MenuId::Insert:
        setAll(out, Command::InsertHeading, Command::TemplateHeading, s.pageOpen);
        break;
    case MenuId::HtmlCodes:
        setEach(out, {Command::CodesBlockTags, Command::CodesTextAttributes, Command::CodesAdditionalTags,
                      Command::CodesHeadings, Command::CodesSeparators, Command::CodesDateTime},
                s.pageOpen);
        break;
    case MenuId::Options:
        // The choice also holds for pages opened later.
        setEach(out, {Command::OptionsViewInlineImages}, true);
        break;
    case MenuId::Help:
        break;
    case MenuId::EditorPopupEdit:
        setEach(out, {Command::PopupCut, Command::PopupCopy, Command::PopupDelete, Command::PopupDuplicate},
                s.editorHasSelection);
        setEach(out, {Command::PopupPaste}, s.clipboardHasText);
        break;
    case MenuId::PreviewPopup:
        setAll(out, Command::PreviewRefreshView, Command::PreviewFollowCaret, s.pageOpen);
        // The item is shared in spirit with the Search menu's: both follow the preview's selection.
        setEach(out, {Command::PreviewSearchSource, Command::SearchSource}, s.pageOpen && s.previewHasSelection);
        break;
    }
    return out;
}

ToolButtonStates toolButtonStates(const MenuState& s)
{
    ToolButtonStates states;
    states.cut = s.pageOpen && s.editorHasSelection;
    states.copy = states.cut;
    states.paste = s.pageOpen && s.clipboardHasText;
    states.browser1 = s.pageOpen && !s.browser1Path.trimmed().isEmpty();
    return states;
}

QString browserItemCaption(const QString& browserPath)
{
    // Settings written on Windows keep backslashes; the file name is what follows the last one.
    QString path = browserPath.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStringLiteral("View page in ") + QFileInfo(path).fileName();
}
