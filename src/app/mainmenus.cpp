#include "app/mainmenus.h"

#include "app/commandregistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Adds items to one menu. Items with a shortcut are also added to the window, so their chord
// works while the menu is closed (pop-up menus are never part of the window otherwise).
class MenuWriter {
public:
    MenuWriter(QMenu* menu, CommandRegistry& registry, QWidget* shortcutOwner)
        : m_menu(menu), m_registry(registry), m_shortcutOwner(shortcutOwner)
    {
    }

    QAction* item(Command command, const QString& caption, const QKeySequence& shortcut = {})
    {
        return item(command, caption, shortcut.isEmpty() ? QList<QKeySequence>() : QList<QKeySequence>{shortcut});
    }

    // The menu shows the first shortcut; the others work as well.
    QAction* item(Command command, const QString& caption, const QList<QKeySequence>& shortcuts)
    {
        QAction* action = m_menu->addAction(caption);
        if (!shortcuts.isEmpty()) {
            action->setShortcuts(shortcuts);
            m_shortcutOwner->addAction(action);
        }
        m_registry.attach(command, action);
        return action;
    }

    QAction* checkItem(Command command, const QString& caption, bool checked)
    {
        QAction* action = item(command, caption);
        action->setCheckable(true);
        action->setChecked(checked);
        return action;
    }

    MenuWriter submenu(Command command, const QString& caption)
    {
        QMenu* sub = m_menu->addMenu(caption);
        m_registry.attach(command, sub->menuAction(), CommandRegistry::Role::Container);
        return MenuWriter(sub, m_registry, m_shortcutOwner);
    }

    void separator() { m_menu->addSeparator(); }
    QMenu* menu() const { return m_menu; }

private:
    QMenu* m_menu;
    CommandRegistry& m_registry;
    QWidget* m_shortcutOwner;
};

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

MainMenus::MainMenus(QMenuBar* menuBar, CommandRegistry& registry, QWidget* shortcutOwner)
    : m_registry(registry)
    , m_shortcutOwner(shortcutOwner)
{
    buildFile(menuBar);
    buildProjects(menuBar);
    buildEdit(menuBar);
    buildSearch(menuBar);
    buildPage(menuBar);
    buildInsert(menuBar);
    buildHtmlCodes(menuBar);
    buildOptions(menuBar);
    buildHistory(menuBar);
    buildHelp(menuBar);
    buildEditorPopup();
    buildPreviewPopup();
    buildProjectPopup();
}

QMenu* MainMenus::topMenu(MenuId menu) const
{
    auto found = m_top.find(menu);
    return found == m_top.end() ? nullptr : found->second;
}

void MainMenus::buildFile(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    m_top[MenuId::File] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::FileNew, QStringLiteral("&New"));
    // The desktop's usual chords come as second shortcuts where the menus have none of their own.
    w.item(Command::FileOpen, QStringLiteral("&Open ..."), keys(Qt::CTRL | Qt::Key_O));
    w.item(Command::FileSave, QStringLiteral("&Save"), QList<QKeySequence>{keys(Qt::Key_F2), keys(Qt::CTRL | Qt::Key_S)});
    w.item(Command::FileSaveAs, QStringLiteral("Save &As..."), keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    w.item(Command::FileClosePage, QStringLiteral("&Close Page"), keys(Qt::CTRL | Qt::Key_W));
    w.item(Command::FileCloseAll, QStringLiteral("C&lose All"));
    w.item(Command::FilePrint, QStringLiteral("&Print..."));
    w.item(Command::FilePrinterSetup, QStringLiteral("P&rinter Setup..."));
    w.separator();
    w.item(Command::FileCreateImageIndex, QStringLiteral("Create &Index of Images"));
    w.separator();
    w.item(Command::FilePageWiseGuy, QStringLiteral("Page Wise &Guy..."));
    w.item(Command::FileFrameCreator, QStringLiteral("&Frame Creator..."));
    w.separator();
    w.item(Command::FileExit, QStringLiteral("E&xit"));
    w.separator();
    for (int i = 0; i < 4; ++i)
        w.item(offsetCommand(Command::FileRecent1, i), QString())->setVisible(false);
}

void MainMenus::buildProjects(QMenuBar* bar)
{
    m_projects = bar->addMenu(QStringLiteral("&Projects"));
    MenuWriter w(m_projects, m_registry, m_shortcutOwner);
    w.item(Command::ProjectNew, QStringLiteral("&New Project..."));
    MenuWriter pages = w.submenu(Command::ProjectPages, QStringLiteral("&Pages"));
    pages.item(Command::PageNew, QStringLiteral("&New page..."), keys(Qt::CTRL | Qt::Key_N));
    pages.item(Command::PageImport, QStringLiteral("&Import Page..."));
    pages.item(Command::PageDelete, QStringLiteral("&Delete Page..."));
    pages.item(Command::PageCopyMove, QStringLiteral("&Copy/Move page..."));
    pages.item(Command::PageEditDescription, QStringLiteral("&Edit Page Description..."), keys(Qt::CTRL | Qt::Key_D));
    pages.item(Command::PageRenameFile, QStringLiteral("&Rename File..."), keys(Qt::CTRL | Qt::ALT | Qt::Key_D));
    w.item(Command::ProjectDelete, QStringLiteral("&Delete Project..."));
    w.item(Command::ProjectEditDescription, QStringLiteral("&Edit Project Description..."));
    w.checkItem(Command::ProjectDisplay, QStringLiteral("Di&splay Projects"), true);
}

void MainMenus::buildEdit(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Edit"));
    m_top[MenuId::Edit] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::EditUndo, QStringLiteral("&Undo"), keys(Qt::ALT | Qt::Key_Backspace));
    w.item(Command::EditRedo, QStringLiteral("&Redo"), keys(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace));
    w.separator();
    w.item(Command::EditCut, QStringLiteral("Cu&t"), keys(Qt::CTRL | Qt::Key_X));
    w.item(Command::EditCopy, QStringLiteral("&Copy"), keys(Qt::CTRL | Qt::Key_C));
    w.item(Command::EditDelete, QStringLiteral("&Delete"), keys(Qt::CTRL | Qt::Key_Delete));
    w.item(Command::EditDuplicate, QStringLiteral("Duplicate"));
    w.item(Command::EditPaste, QStringLiteral("&Paste"), keys(Qt::CTRL | Qt::Key_V));
    w.item(Command::EditInsertFile, QStringLiteral("Insert &File..."));
    w.item(Command::EditSelectAll, QStringLiteral("Select &All"), keys(Qt::CTRL | Qt::Key_Slash));
    w.item(Command::EditStripHtml, QStringLiteral("Strip HTML Codes"));
    w.separator();
    w.item(Command::EditBodyStatement, QStringLiteral("&Body Statement..."), keys(Qt::SHIFT | Qt::Key_F1));
    w.item(Command::EditTitle, QStringLiteral("&Title..."), keys(Qt::SHIFT | Qt::Key_F2));
    w.item(Command::EditMetaTag, QStringLiteral("Meta Tag..."), keys(Qt::SHIFT | Qt::Key_F3));
    w.item(Command::EditSafeSurfRating, QStringLiteral("SafeSurf Rating"), keys(Qt::SHIFT | Qt::Key_F4));
    w.item(Command::EditInsertStandardTags, QStringLiteral("Insert Standard Tags"));
    w.item(Command::EditRainbowize, QStringLiteral("Rainbowize Text..."));
    w.separator();
    w.item(Command::EditCenter, QStringLiteral("Center"), keys(Qt::SHIFT | Qt::CTRL | Qt::Key_C));
    w.item(Command::EditBold, QStringLiteral("Bold"), keys(Qt::SHIFT | Qt::CTRL | Qt::Key_B));
    w.item(Command::EditItalics, QStringLiteral("Italics"), keys(Qt::SHIFT | Qt::CTRL | Qt::Key_I));
    w.item(Command::EditUnderline, QStringLiteral("Underline"), keys(Qt::SHIFT | Qt::CTRL | Qt::Key_U));
}

void MainMenus::buildSearch(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Search"));
    m_top[MenuId::Search] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::SearchFind, QStringLiteral("&Find..."), keys(Qt::CTRL | Qt::Key_F));
    w.item(Command::SearchFindNext, QStringLiteral("Find Next"), keys(Qt::Key_F3));
    w.item(Command::SearchReplace, QStringLiteral("&Replace..."), keys(Qt::CTRL | Qt::Key_R));
    w.item(Command::SearchGoToLine, QStringLiteral("&Go to line number..."), keys(Qt::CTRL | Qt::Key_G));
    w.item(Command::SearchSpellCheck, QStringLiteral("Spell Check..."));
    w.item(Command::SearchSource, QStringLiteral("Search Source"));
}

void MainMenus::buildPage(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("P&age"));
    m_top[MenuId::Page] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::PageEvaluate, QStringLiteral("&Evaluate..."), keys(Qt::CTRL | Qt::Key_E));
    w.item(Command::PageViewFullScreen, QStringLiteral("&View Full Screen"), keys(Qt::Key_F6));
    w.item(Command::PageRefreshHtml, QStringLiteral("&Refresh HTML"), keys(Qt::Key_F5));
    w.item(Command::PageBrowser1, QString())->setVisible(false);
    w.item(Command::PageBrowser2, QString())->setVisible(false);
}

void MainMenus::buildInsert(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Insert"));
    m_top[MenuId::Insert] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::InsertHeading, QStringLiteral("&Heading..."), keys(Qt::CTRL | Qt::Key_H));
    w.item(Command::InsertListType, QStringLiteral("&List Type..."), keys(Qt::CTRL | Qt::Key_L));
    w.item(Command::InsertTableCellAttributes, QStringLiteral("Table Cell &Attributes"), keys(Qt::CTRL | Qt::Key_A));
    w.item(Command::InsertImage, QStringLiteral("&Image..."), keys(Qt::CTRL | Qt::Key_I));
    w.item(Command::InsertHorizontalBar, QStringLiteral("Horizontal &Bar"), keys(Qt::CTRL | Qt::Key_B));
    w.item(Command::InsertText, QStringLiteral("Te&xt"), keys(Qt::Key_F4));
    w.item(Command::InsertUrlReference, QStringLiteral("&URL Reference/Page Anchor"), keys(Qt::CTRL | Qt::Key_U));
    w.item(Command::InsertTableRiviRoz, QStringLiteral("&Table Rivi Roz..."), keys(Qt::CTRL | Qt::Key_T));
    // Ctrl+F stays with Find: a chord given to two items would fire neither.
    w.item(Command::InsertDataFormRiviRoz, QStringLiteral("&Data Form Rivi Roz..."));
    w.item(Command::InsertCalendarRiviRoz, QStringLiteral("&Calendar Rivi Roz..."));
    MenuWriter templates = w.submenu(Command::InsertPageTemplate, QStringLiteral("Page Template"));
    templates.item(Command::TemplateRiviRoz, QStringLiteral("Template Rivi Roz..."));
    templates.item(Command::TemplateBodySettings, QStringLiteral("Body Settings"));
    templates.item(Command::TemplateHotLink, QStringLiteral("Hot Link"));
    templates.item(Command::TemplateMailtoLink, QStringLiteral("Mailto: Link"));
    templates.item(Command::TemplateImage, QStringLiteral("Image"));
    templates.item(Command::TemplatePageDefaults, QStringLiteral("Page Defaults"));
    templates.item(Command::TemplatePlainText, QStringLiteral("Plain Text"));
    templates.item(Command::TemplateHeading, QStringLiteral("Heading"));
}

void MainMenus::buildHtmlCodes(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("HT&ML Codes"));
    m_top[MenuId::HtmlCodes] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    m_blockHighlights = w.submenu(Command::CodesBlockTags, QStringLiteral("&Block Tags")).menu();
    m_textAttributes = w.submenu(Command::CodesTextAttributes, QStringLiteral("&Text Attributes")).menu();
    m_userDefinedTags = w.submenu(Command::CodesAdditionalTags, QStringLiteral("&Additional Tags")).menu();

    MenuWriter headings = w.submenu(Command::CodesHeadings, QStringLiteral("&Headings"));
    for (int level = 1; level <= 6; ++level)
        headings.item(offsetCommand(Command::CodesHeading1, level - 1), QStringLiteral("H%1 - Size %1").arg(level));

    // The separator items carry the tag itself as their caption; "&&" keeps a literal ampersand.
    MenuWriter separators = w.submenu(Command::CodesSeparators, QStringLiteral("&Separators"));
    MenuWriter paragraph = separators.submenu(Command::CodesParagraphMenu, QStringLiteral("Paragraph Marker <P>"));
    paragraph.item(Command::CodesParagraph, QStringLiteral("<P></P>"), keys(Qt::CTRL | Qt::Key_P));
    paragraph.item(Command::CodesParagraphLeft, QStringLiteral("<P ALIGN=\"left\"></P>"));
    paragraph.item(Command::CodesParagraphCenter, QStringLiteral("<P ALIGN=\"center\"></P>"));
    paragraph.item(Command::CodesParagraphRight, QStringLiteral("<P ALIGN=\"right\"></P>"));
    MenuWriter lineBreak = separators.submenu(Command::CodesLineBreakMenu, QStringLiteral("&Line break <BR> (Ctrl+Enter)"));
    lineBreak.item(Command::CodesLineBreak, QStringLiteral("<BR>"));
    lineBreak.item(Command::CodesLineBreakClearLeft, QStringLiteral("<BR CLEAR=\"left\">"));
    lineBreak.item(Command::CodesLineBreakClearRight, QStringLiteral("<BR CLEAR=\"right\">"));
    MenuWriter division = separators.submenu(Command::CodesDivMenu, QStringLiteral("DIV - Logical Division <DIV>"));
    division.item(Command::CodesDiv, QStringLiteral("<DIV></DIV>"));
    division.item(Command::CodesDivLeft, QStringLiteral("<DIV ALIGN=\"left\"></DIV>"));
    division.item(Command::CodesDivCenter, QStringLiteral("<DIV ALIGN=\"center\"></DIV>"));
    division.item(Command::CodesDivRight, QStringLiteral("<DIV ALIGN=\"right\"></DIV>"));
    separators.item(Command::CodesHorizontalBar, QStringLiteral("HR - Horizontal Bar"));
    separators.item(Command::CodesNonbreakingSpace, QStringLiteral("Nonbreaking Space &&nbsp;"),
                    keys(Qt::CTRL | Qt::ALT | Qt::Key_Space));

    MenuWriter dateTime = w.submenu(Command::CodesDateTime, QStringLiteral("Current &Date/Time"));
    dateTime.item(Command::CodesDate, QStringLiteral("Date"));
    dateTime.item(Command::CodesTime, QStringLiteral("Time"));
    dateTime.item(Command::CodesDateAndTime, QStringLiteral("Date/Time"));
    w.item(Command::CodesEmbed, QStringLiteral("&Embed..."));
    w.item(Command::CodesMeta, QStringLiteral("Meta..."));
    w.item(Command::CodesModifyMenuTags, QStringLiteral("&Modify Menu Tags..."));
}

void MainMenus::buildOptions(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Options"));
    m_top[MenuId::Options] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.checkItem(Command::OptionsViewInlineImages, QStringLiteral("&View inline images"), false);
    w.item(Command::OptionsEditorOptions, QStringLiteral("&Editor Options..."));
    w.item(Command::OptionsGeneralPreferences, QStringLiteral("&General Preferences..."));
    w.item(Command::OptionsCustomizeButtons, QStringLiteral("Customize Buttons..."));
    w.checkItem(Command::OptionsToggleInternalClipboard, QStringLiteral("Toggle Internal Clipboard"), false);
    w.item(Command::OptionsSpecialCharacters, QStringLiteral("Special Characters..."));
}

void MainMenus::buildHistory(QMenuBar* bar)
{
    m_history = bar->addMenu(QStringLiteral("Histor&y"));
    m_history->menuAction()->setVisible(false);
    MenuWriter w(m_history, m_registry, m_shortcutOwner);
    for (int i = 0; i < 10; ++i) {
        QAction* action = w.item(offsetCommand(Command::History0, i), QString());
        action->setData(i);
        action->setVisible(false);
    }
}

void MainMenus::buildHelp(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    m_top[MenuId::Help] = menu;
    MenuWriter w(menu, m_registry, m_shortcutOwner);
    w.item(Command::HelpAbout, QStringLiteral("&About..."));
    w.checkItem(Command::HelpShowHints, QStringLiteral("&Show Hints"), true);
    w.item(Command::HelpContents, QStringLiteral("&Contents..."));
    w.item(Command::HelpShowTips, QStringLiteral("Show Tips..."));
}

void MainMenus::buildEditorPopup()
{
    m_editorPopup = new QMenu(m_shortcutOwner);
    MenuWriter w(m_editorPopup, m_registry, m_shortcutOwner);
    w.item(Command::PopupRefreshView, QStringLiteral("Refresh View"));
    w.item(Command::PopupEvaluate, QStringLiteral("Evaluate"));
    MenuWriter edit = w.submenu(Command::PopupEdit, QStringLiteral("Edit"));
    m_editorPopupEdit = edit.menu();
    edit.item(Command::PopupCut, QStringLiteral("Cut"));
    edit.item(Command::PopupCopy, QStringLiteral("Copy"));
    edit.item(Command::PopupDelete, QStringLiteral("Delete"));
    edit.item(Command::PopupDuplicate, QStringLiteral("Duplicate"));
    edit.item(Command::PopupSelectAll, QStringLiteral("Select All"));
    edit.item(Command::PopupPaste, QStringLiteral("Paste"));
    w.item(Command::PopupTableCell, QStringLiteral("Table Cell"));
    w.item(Command::PopupUnorderedListItem, QStringLiteral("Unordered List Item"));
    MenuWriter search = w.submenu(Command::PopupSearch, QStringLiteral("Search"));
    search.item(Command::PopupFind, QStringLiteral("Find..."));
    search.item(Command::PopupReplace, QStringLiteral("Replace..."));
    search.item(Command::PopupGoToLine, QStringLiteral("Go to line..."));
    MenuWriter setBookmark = search.submenu(Command::PopupSetBookmark, QStringLiteral("Set Bookmark"));
    MenuWriter gotoBookmark = search.submenu(Command::PopupGotoBookmark, QStringLiteral("Goto Bookmark"));
    for (int n = 0; n < 16; ++n) {
        const QKeySequence setKeys = n < 10 ? keys(Qt::CTRL | Qt::Key(Qt::Key_0 + n)) : QKeySequence();
        const QKeySequence gotoKeys = n < 10 ? keys(Qt::SHIFT | Qt::CTRL | Qt::Key(Qt::Key_0 + n)) : QKeySequence();
        setBookmark.item(offsetCommand(Command::SetBookmark0, n), QString::number(n), setKeys)->setData(n);
        gotoBookmark.item(offsetCommand(Command::GotoBookmark0, n), QString::number(n), gotoKeys)->setData(n);
    }
    w.separator();
    w.item(Command::PopupTableRiviRoz, QStringLiteral("Table Rivi Roz"));
    w.item(Command::PopupFormRiviRoz, QStringLiteral("Form Rivi Roz"));
    w.item(Command::PopupFrameRiviRoz, QStringLiteral("Frame Rivi Roz"));
    w.separator();
    w.item(Command::PopupFullScreenView, QStringLiteral("Full Screen View"));
}

void MainMenus::buildPreviewPopup()
{
    m_previewPopup = new QMenu(m_shortcutOwner);
    MenuWriter w(m_previewPopup, m_registry, m_shortcutOwner);
    w.item(Command::PreviewRefreshView, QStringLiteral("Refresh View"));
    w.item(Command::PreviewSearchSource, QStringLiteral("Search Source"));
    w.item(Command::PreviewGoToTop, QStringLiteral("Go to top"));
    w.item(Command::PreviewGoToBottom, QStringLiteral("Go to bottom"));
    w.item(Command::PreviewCopy, QStringLiteral("Copy"));
    w.separator();
    w.checkItem(Command::PreviewFollowCaret, QStringLiteral("Follow Caret"), false);
}

void MainMenus::buildProjectPopup()
{
    // Its items share their commands with the Projects menu, so both follow one enabling rule.
    m_projectPopup = new QMenu(m_shortcutOwner);
    m_projectPopup->setObjectName(QStringLiteral("ProjectPopup"));
    MenuWriter w(m_projectPopup, m_registry, m_shortcutOwner);
    w.item(Command::ProjectViewPage, QStringLiteral("View Page"));
    w.separator();
    w.item(Command::PageNew, QStringLiteral("New Page..."));
    w.item(Command::PageImport, QStringLiteral("Import page..."));
    w.item(Command::PageDelete, QStringLiteral("Delete Page..."));
    w.item(Command::PageCopyMove, QStringLiteral("Copy/Move Page..."));
    w.item(Command::PageEditDescription, QStringLiteral("Change Description..."));
    w.item(Command::PageRenameFile, QStringLiteral("Rename Page..."));
    w.separator();
    w.item(Command::ProjectDelete, QStringLiteral("Delete Project..."));
    w.item(Command::ProjectNew, QStringLiteral("New Project..."));
}
