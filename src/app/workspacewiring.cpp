#include "app/workspacewiring.h"

#include "app/customwiring.h"
#include "app/editingwiring.h"
#include "app/optionswiring.h"
#include "app/pagetabbar.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "editor/tledit.h"
#include "spell/dialogs/tspelldlg.h"
#include "workspace/tags/attributeeditor.h"
#include "workspace/settings/editorsettings.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/preview/previewcontroller.h"
#include "workspace/preview/previewcontroller.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbook.h"
#include "workspace/tags/typedkeyfilter.h"
#include "workspace/tags/usermenu.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QTabWidget>
#include <QSplitter>

using tessera::workspace::PreviewController;

namespace {

// A menu caption without its accelerator marks ("&&" is a literal ampersand).
QString withoutAccelerators(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

} // namespace

WorkspaceWiring::WorkspaceWiring(TForm1& window, std::unique_ptr<PagePrompts> prompts,
                                 std::unique_ptr<PageFileDialogs> dialogs)
    : QObject(&window)
    , m_window(window)
    , m_prompts(prompts ? std::move(prompts) : std::make_unique<QtPagePrompts>(&window))
    , m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtPageFileDialogs>(&window))
{
    m_pages = new PageManager(window.webPageTabs(), window.webPage(), window.spareEditor(), &window.settings(),
                              window.programDirectory().path(), m_prompts.get(), m_dialogs.get(), this);
    m_pages->setHelperHandler([this](int number) { m_window.showHelper(static_cast<Helper>(number)); });

    TagHost host;
    host.isPageOpen = [this] { return m_window.isPageOpen(); };
    host.isMainAreaShown = [this] { return !m_window.isFullScreenView(); };
    host.options = [this] { return tagOptions(); };
    host.pageDirectory = [this] {
        const QString file = m_pages->currentFile();
        return file.isEmpty() ? m_pages->currentDirectory() : QFileInfo(file).absolutePath();
    };
    host.workingDirectory = [this] { return m_pages->currentDirectory(); };
    host.programDirectory = [this] { return m_window.programDirectory().path(); };
    host.reportFailure = [this](const QString& title, const QString& text) { m_window.reportFailure(title, text); };
    host.showInPreview = [this](const QString& html) { m_preview->showHtml(html); };
    m_tags = new TagInserter(window.webPage(), host, this);
    m_toolBook = new ToolBook(m_tags, this);
    m_toolBook->fillPowerBook(window.powerBook());
    // A tab narrower than its buttons cuts them off at the edge instead of piling them up.
    for (int i = 0; i < window.powerBook()->count(); ++i) {
        if (QLayout* layout = window.powerBook()->widget(i)->layout())
            layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    auto options = [this] { return tagOptions(); };
    m_pageKeys = new TypedKeyFilter(window.webPage(), options, this);
    m_spareKeys = new TypedKeyFilter(window.spareEditor(), options, this);

    AttributeEditor::Host attributeHost;
    attributeHost.pageDirectory = host.pageDirectory;
    attributeHost.reportFailure = host.reportFailure;
    m_attributes = new AttributeEditor(window.webPage(), attributeHost, this);

    m_preview = new PreviewWiring(window, *m_pages);
    m_editing = new EditingWiring(window, *m_tags, *m_attributes, *m_preview, host.pageDirectory);
    m_custom = new CustomWiring(window, *m_tags, *m_toolBook->alignmentPopup(), this);

    wirePageCommands();
    wireTagCommands();
    wireSpellCheck();
    connectPageSignals();
    installLifecycleSteps();
    window.setCloseAllPages([this] { m_pages->CloseAllPages(); });
    new OptionsWiring(window, *this);
    // Coming back to the window is when another program's change to the page is noticed.
    window.installEventFilter(this);
}

bool WorkspaceWiring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::WindowActivate)
        m_pages->checkActivePageOnDisk();
    return QObject::eventFilter(watched, event);
}

WorkspaceWiring::~WorkspaceWiring() = default;

TagOptions WorkspaceWiring::tagOptions() const
{
    const TesseraSettings::Defaults& defaults = m_window.settings().defaults;
    TagOptions options;
    options.useBR = defaults.useBr;
    options.expandCharsToHtml = defaults.expandCharsToHtml;
    options.useClosingP = defaults.useClosingP;
    options.fontSizeStep = defaults.fontSizeChange;
    options.webExtensions = defaults.extension;
    options.graphicExtensions = defaults.graphicExtension;
    return options;
}

void WorkspaceWiring::wirePageCommands()
{
    CommandRegistry& commands = m_window.commands();
    commands.setHandler(Command::FileNew, [this] { m_pages->New1Click(); });
    commands.setHandler(Command::FileOpen, [this] { m_pages->OpenWeb1Click(); });
    commands.setHandler(Command::FileSave, [this] { m_pages->Save1Click(); });
    commands.setHandler(Command::FileSaveAs, [this] { m_pages->SaveAs1Click(); });
    commands.setHandler(Command::FileClosePage, [this] { m_pages->ClosePageClick(); });
    commands.setHandler(Command::FileCloseAll, [this] { m_pages->CloseAllClick(); });
    for (int i = 0; i < TesseraSettings::recentFileCount; ++i)
        commands.setHandler(offsetCommand(Command::FileRecent1, i), [this, i] { m_pages->Last4Click(i); });
    commands.setHandler(Command::EditInsertFile, [this] { m_pages->InsertFile1Click(); });
    commands.setHandler(Command::OptionsToggleInternalClipboard, [this] { toggleInternalClipboard(); });
}

void WorkspaceWiring::wireTagCommands()
{
    CommandRegistry& commands = m_window.commands();
    TagInserter* tags = m_tags;
    const std::pair<Command, void (TagInserter::*)()> direct[] = {
        {Command::EditCenter, &TagInserter::CenterClick},
        {Command::EditBold, &TagInserter::Bold1Click},
        {Command::EditItalics, &TagInserter::Italics1Click},
        {Command::EditUnderline, &TagInserter::Underline1Click},
        {Command::EditInsertStandardTags, &TagInserter::StandardClick},
        {Command::InsertHorizontalBar, &TagInserter::HorizontalBarClick},
        {Command::CodesHorizontalBar, &TagInserter::HorizontalBarClick},
        {Command::CodesNonbreakingSpace, &TagInserter::NonBreakingSpaceClick},
        {Command::CodesDate, &TagInserter::Todaysdate1Click},
        {Command::CodesTime, &TagInserter::CurrentTime1Click},
        {Command::CodesDateAndTime, &TagInserter::DateTime2Click},
        {Command::TemplateBodySettings, &TagInserter::TemplateBodyClick},
        {Command::TemplateHotLink, &TagInserter::TemplateLinkClick},
        {Command::TemplateMailtoLink, &TagInserter::TemplateMailLinkClick},
        {Command::TemplateImage, &TagInserter::TemplateImageClick},
        {Command::TemplatePlainText, &TagInserter::TemplateTextClick},
        {Command::TemplateHeading, &TagInserter::TemplateHeadingClick},
        {Command::TemplatePageDefaults, &TagInserter::PageDefaultsClick},
        {Command::PopupTableCell, &TagInserter::TableCellClick},
        {Command::PopupUnorderedListItem, &TagInserter::UOListItem},
    };
    for (const auto& [command, slot] : direct)
        commands.setHandler(command, [tags, slot = slot] { (tags->*slot)(); });

    for (int level = 1; level <= 6; ++level)
        commands.setHandler(offsetCommand(Command::CodesHeading1, level - 1),
                            [tags, level] { tags->address1Click(QStringLiteral("H%1 - Size %1").arg(level)); });

    // The separator items insert the tag their caption shows.
    const Command byCaption[] = {Command::CodesParagraph, Command::CodesParagraphLeft, Command::CodesParagraphCenter,
                                 Command::CodesParagraphRight, Command::CodesDiv, Command::CodesDivLeft,
                                 Command::CodesDivCenter, Command::CodesDivRight};
    for (Command command : byCaption) {
        QAction* item = commands.action(command);
        commands.setHandler(command, [tags, item] { tags->LCRClick(withoutAccelerators(item->text())); });
    }
    for (Command command : {Command::CodesLineBreak, Command::CodesLineBreakClearLeft, Command::CodesLineBreakClearRight}) {
        QAction* item = commands.action(command);
        commands.setHandler(command, [tags, item] { tags->BR2Click(withoutAccelerators(item->text())); });
    }
}

void WorkspaceWiring::connectPageSignals()
{
    connect(m_pages, &PageManager::captionChanged, &m_window, &QWidget::setWindowTitle);
    connect(m_pages, &PageManager::statusTextChanged, &m_window, &TForm1::setStatusFileName);
    connect(m_pages, &PageManager::saveEnabledChanged, this, [this](bool enabled) {
        m_window.buttonPanel1()->setButtonEnabled(ButtonPanel::Button::Save, enabled);
    });
    connect(m_pages, &PageManager::recentFilesChanged, this, &WorkspaceWiring::showRecentFiles);
    connect(m_pages, &PageManager::linkInsertRequested, m_tags, &TagInserter::InsertSelected2);
    // Commands and typed keys that change the page enable Save as the editor's own edits do.
    auto pageEdited = [this] { m_window.buttonPanel1()->setButtonEnabled(ButtonPanel::Button::Save, true); };
    connect(m_tags, &TagInserter::saveEnabled, this, pageEdited);
    // Either way the preview is current after every insertion and attribute edit.
    PreviewController* preview = &m_preview->controller();
    connect(m_tags, &TagInserter::previewUpdateRequested, preview, &PreviewController::commandChangedPage);
    connect(m_attributes, &AttributeEditor::previewUpdateRequested, preview, &PreviewController::commandChangedPage);
    connect(m_pageKeys, &TypedKeyFilter::edited, this, pageEdited);

    connect(m_window.webPage(), &TLEdit::OnDragDrop, this, [this](QDropEvent* event, bool* handled) {
        if (dropFiles(event->mimeData())) {
            event->acceptProposedAction();
            *handled = true;
        }
    });
}

void WorkspaceWiring::installLifecycleSteps()
{
    Lifecycle& lifecycle = m_window.lifecycle();
    lifecycle.setHandler(LifecycleStep::LoadUserTagMenus, [this] {
        loadUserMenus();
        return StepResult::success();
    });
    lifecycle.setHandler(LifecycleStep::LoadInternalClipboard, [this] {
        QString error;
        return m_pages->LoadSpareEditorContents(&error) ? StepResult::success() : StepResult::failure(error);
    });
    lifecycle.setHandler(LifecycleStep::SaveInternalClipboard, [this] {
        QString error;
        return m_pages->SaveSpareEditorContents(&error) ? StepResult::success() : StepResult::failure(error);
    });
}

void WorkspaceWiring::loadUserMenus()
{
    // A missing or damaged menu file gives an empty menu; start-up goes on either way.
    const QDir directory(m_window.programDirectory().path());
    const std::pair<QMenu*, QString> menus[] = {
        {m_window.menus().blockHighlights(), UserMenu::blockTagsFile},
        {m_window.menus().textAttributes(), UserMenu::textAttributesFile},
        {m_window.menus().userDefinedTags(), UserMenu::additionalTagsFile},
    };
    for (const auto& [menu, file] : menus) {
        const QString found = findFileIgnoringCase(directory.path(), file);
        UserMenu::LoadMenu(menu, found.isEmpty() ? directory.filePath(file) : found, m_tags);
    }
}

void WorkspaceWiring::settingsRead()
{
    const TesseraSettings& settings = m_window.settings();
    applyEditorSettings(settings, *m_window.webPage());
    m_window.spareEditor()->setWordWrap(settings.defaults.wordwrap);
    m_preview->settingsRead();
    applySpellSettings();
    m_pages->StartUp();
}

void WorkspaceWiring::applySpellSettings()
{
    const TesseraSettings::Spelling& stored = m_window.settings().spelling;
    SpellOptions spelling = spellOptionsFromStored(stored.autoAdd, stored.skipHtml, stored.suggestCount,
                                                   stored.dialogStyle, m_window.programDirectory().path());
    spelling.classicSuggestions = stored.classicSuggestions;
    spelling.dictionaryName = stored.dictionaryName;
    m_spell->setOptions(spelling);
}

bool WorkspaceWiring::dropFiles(const QMimeData* data)
{
    const QStringList files = droppedFileNames(data);
    if (files.isEmpty())
        return false;
    openFiles(files);
    return true;
}

void WorkspaceWiring::openFiles(const QStringList& files)
{
    m_pages->FileDrag1Drop(files);
}

void WorkspaceWiring::toggleInternalClipboard()
{
    m_pages->ToggleScratchPadClick();
    CommandRegistry& commands = m_window.commands();
    // The item checks itself when clicked, but not when run from elsewhere: our own state decides.
    m_spareShown = !m_spareShown;
    const bool shown = m_spareShown;
    commands.setChecked(Command::OptionsToggleInternalClipboard, shown);
    // The internal clipboard takes the right quarter of the main area, or nothing.
    QSplitter* splitter = m_window.mainSplitter();
    QList<int> sizes = splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
    const int spare = shown ? total / 4 : 0;
    const int left = sizes.value(0);
    splitter->setSizes({left, qMax(0, total - left - spare), spare});
    if (shown)
        m_window.spareEditor()->setFocus();
}

void WorkspaceWiring::wireSpellCheck()
{
    m_spell = new SpellCheckCommand(&m_window);
    // The internal clipboard is checked when it has the focus, the page otherwise.
    m_window.commands().setHandler(Command::SearchSpellCheck, [this] { m_spell->run(m_window.focusedEditor(), &m_window); });
    connect(m_spell, &SpellCheckCommand::checkRunning, this, &WorkspaceWiring::spellCheckRunning);
}

void WorkspaceWiring::spellCheckRunning(bool running)
{
    // The page may not change under a running check: no switching, closing or opening of pages.
    m_window.webPageTabs()->setEnabled(!running);
    CommandRegistry& commands = m_window.commands();
    for (Command command : {Command::SearchSpellCheck, Command::FileNew, Command::FileOpen, Command::FileClosePage,
                            Command::FileCloseAll, Command::FileRecent1, Command::FileRecent2, Command::FileRecent3,
                            Command::FileRecent4, Command::EditInsertFile})
        commands.setEnabled(command, !running);
    m_window.buttonPanel1()->setButtonEnabled(ButtonPanel::Button::Spell, !running);
    if (!running)
        m_window.updateCommandStates();
}

void WorkspaceWiring::showRecentFiles(const QStringList& entries)
{
    CommandRegistry& commands = m_window.commands();
    for (int i = 0; i < entries.size() && i < TesseraSettings::recentFileCount; ++i) {
        if (entries.at(i).isEmpty())
            continue;
        const Command command = offsetCommand(Command::FileRecent1, i);
        // A file name with "&" must not turn into an accelerator.
        commands.setText(command, QString(entries.at(i)).replace(QLatin1Char('&'), QLatin1String("&&")));
        commands.setVisible(command, true);
    }
}
