#include "app/previewwiring.h"

#include "app/appstrings.h"
#include "app/tform1.h"
#include "editor/tledit.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/preview/previewlook.h"
#include "workspace/preview/submitresults.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QVBoxLayout>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QMenu>
#include <QMessageBox>

using tessera::workspace::PageViewerPreview;
using tessera::viewer::TPageViewer;
using namespace tessera::workspace;

PreviewWiring::PreviewWiring(TForm1& window, PageManager& pages)
    : QObject(&window)
    , m_window(window)
    , m_pages(pages)
{
    m_split = new TPageViewer;
    m_split->setObjectName(QStringLiteral("HTMLSplit"));
    m_full = new TPageViewer;
    m_full->setObjectName(QStringLiteral("HTMLFull"));
    for (TPageViewer* viewer : {m_split, m_full}) {
        viewer->setHistoryMaxCount(10);
        // Pictures are cached by the viewer's own file-and-date cache, never by name alone.
        viewer->setImageCacheCount(0);
        viewer->setDefFontName(QStringLiteral("Arial"));
    }
    window.setSplitPreview(m_split);
    window.setFullPreview(m_full);

    m_splitPreview = std::make_unique<PageViewerPreview>(*m_split);
    m_fullPreview = std::make_unique<PageViewerPreview>(*m_full);
    m_controller = new PreviewController(makeHost(), this);
    m_controller->setViewers(m_splitPreview.get(), m_fullPreview.get());
    m_submitForm = new TSubmitForm(&window);

    window.setPreviewQueries({[this] { return m_pages.pageCount() > 0; },
                              [this] { return m_split->SelectionLength() != 0; }});
    m_pages.setPreviewPositionSource([this] { return static_cast<qint32>(m_split->Position()); });

    wireCommands();
    connectViewers();
}

PreviewWiring::~PreviewWiring() = default;

PreviewHost PreviewWiring::makeHost()
{
    PreviewHost host;
    host.editorText = [this] { return m_window.webPage()->Text().toUtf8(); };
    host.editorEnabled = [this] { return m_window.isPageOpen(); };
    host.setToolsEnabled = [this](bool on) { m_window.powerBook()->parentWidget()->setEnabled(on); };
    host.setSplitShown = [this](bool on) { m_window.setFullScreenView(!on); };
    host.setFullScreenTexts = [this](const QString& hint, const QString& caption) {
        m_window.commands().setText(Command::PageViewFullScreen, caption);
        if (QToolButton* button = m_window.buttonPanel1()->button(ButtonPanel::Button::FullScreen))
            button->setToolTip(hint);
    };
    host.showMessage = [this](const QString& text) { QMessageBox::information(&m_window, QStringLiteral("Tessera"), text); };
    host.showHelper = [this](int helper) {
        m_window.showHelper(static_cast<Helper>(helper));
        return helperFlag(m_window.settings(), static_cast<Helper>(helper));
    };
    host.setStatusLink = [this](const QString& link) { m_window.statusPanel(2)->setText(link); };
    host.setImageName = [this](const QString& name) {
        if (auto* imageBox = m_window.powerBook()->findChild<QComboBox*>(QStringLiteral("ImageName")))
            imageBox->setEditText(name);
    };
    host.editorGoToTop = [this] {
        m_window.webPage()->SetSelection(1, 0, 1, 0);
        m_window.webPage()->ensureCaretVisible();
    };
    host.editorFind = [this](const QString& text) {
        // A search of its own, forward from the top: the Find dialog's text and direction are
        // the user's and stay as they were.
        TLEdit* editor = m_window.webPage();
        const QString searchText = editor->searchText();
        const FindOptions options = editor->findOptions();
        editor->setSearchText(text);
        editor->setFindOptions(FindOptions{});
        editor->find();
        editor->setSearchText(searchText);
        editor->setFindOptions(options);
    };
    host.showHistory = [this](const HistoryState& state) {
        showHistory(state);
        if (!state.caption.isEmpty())
            m_window.setWindowTitle(state.caption);
    };
    return host;
}

void PreviewWiring::wireCommands()
{
    CommandRegistry& commands = m_window.commands();
    PreviewController* preview = m_controller;
    for (Command command : {Command::PageRefreshHtml, Command::PopupRefreshView, Command::PreviewRefreshView})
        commands.setHandler(command, [preview] { preview->UpdateWebView(); });
    for (Command command : {Command::PageViewFullScreen, Command::PopupFullScreenView})
        commands.setHandler(command, [preview] { preview->View1Click(); });
    commands.setHandler(Command::OptionsViewInlineImages, [this] {
        const bool on = m_controller->Viewinlineimages1Click();
        m_window.commands().setChecked(Command::OptionsViewInlineImages, on);
        m_window.settings().defaults.showImages = on;
    });
    for (int n = 0; n < 10; ++n)
        commands.setHandler(offsetCommand(Command::History0, n), [preview, n] { preview->HistoryClick(n); });
    commands.setHandler(Command::ViewerBack, [preview] { preview->FwdBackClick(true); });
    commands.setHandler(Command::ViewerForward, [preview] { preview->FwdBackClick(false); });
    commands.setHandler(Command::PreviewGoToTop, [preview] { preview->Gototop1Click(); });
    commands.setHandler(Command::PreviewGoToBottom, [preview] { preview->Gotobottom1Click(); });
    for (Command command : {Command::PreviewSearchSource, Command::SearchSource})
        commands.setHandler(command, [preview] { preview->SearchSourceClick(); });
    commands.setHandler(Command::PreviewCopy, [this] {
        (m_controller->fullScreen() ? m_full : m_split)->CopyToClipboard();
    });
    commands.setHandler(Command::PreviewFollowCaret, [this] {
        // From the controller's state, not the item's: a click has already flipped the check mark,
        // a command run from elsewhere has not.
        const bool on = !m_controller->followCaret();
        m_controller->setFollowCaret(on);
        m_window.commands().setChecked(Command::PreviewFollowCaret, on);
        m_window.settings().defaults.followCaret = on;
        if (on)
            caretMoved();
    });
    commands.setHandler(Command::HelpContents, [this] { showHelp(); });
    commands.setHandler(Command::PageBrowser1, [this] { launchBrowser(1); });
    commands.setHandler(Command::PageBrowser2, [this] { launchBrowser(2); });

    // Any top-level menu brings the source back into view.
    for (QAction* action : m_window.menuBar()->actions()) {
        if (QMenu* menu = action->menu())
            connect(menu, &QMenu::aboutToShow, m_controller, &PreviewController::HideFullScreen);
    }
}

void PreviewWiring::connectViewers()
{
    PreviewController* preview = m_controller;
    const std::pair<TPageViewer*, PageViewerPreview*> viewers[] = {{m_split, m_splitPreview.get()},
                                                                   {m_full, m_fullPreview.get()}};
    for (const auto& [viewer, adapter] : viewers) {
        connect(viewer, &TPageViewer::hotSpotCovered, preview, &PreviewController::HTMLSplitHotSpotCovered);
        PageViewerPreview* shown = adapter;
        connect(viewer, &TPageViewer::historyChange, preview, [preview, shown] { preview->HTMLSplitHistoryChange(shown); });
        connect(viewer, &TPageViewer::loadError, this, [this](const QString& message) {
            QMessageBox::information(&m_window, QStringLiteral("Tessera"), message);
        });
        TPageViewer* widget = viewer;
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
            m_window.menus().previewPopup()->popup(widget->mapToGlobal(at));
        });
    }
    connect(m_split, &TPageViewer::hotSpotClick, preview, &PreviewController::HTMLSplitHotSpotClick);
    connect(m_split, &TPageViewer::formSubmit, m_submitForm, &TSubmitForm::showSubmission);
    for (TPageViewer* viewer : {m_split, m_full}) {
        connect(viewer, &TPageViewer::sourceClicked, this, [this, viewer](long long offset) {
            // Offsets count bytes of the editor's text only while the preview shows it, not a
            // page reached through a link.
            if (viewer->ShownFileName().isEmpty())
                placeCaretAtSource(offset);
        });
    }
    connect(m_window.webPage(), &TLEdit::caretMoved, this, &PreviewWiring::caretMoved);

    connect(m_window.webPage(), &TLEdit::OnChange, preview, &PreviewController::editorChanged);
    connect(&m_pages, &PageManager::previewUpdateRequested, preview, &PreviewController::UpdateWebView);
    // The page buttons are set when pages open or close; Back and Forward then follow the history.
    connect(&m_pages, &PageManager::pagesOpenChanged, this, [this] { showHistory(historyStateOf(*m_splitPreview)); });
    connect(&m_pages, &PageManager::previewCleared, this, [this] {
        m_split->Clear();
        m_full->Clear();
    });
    connect(&m_pages, &PageManager::previewScrollRequested, this, [this](qint32 position) {
        m_controller->RefreshViewer(static_cast<std::uint32_t>(position), m_splitPreview.get());
    });
}

void PreviewWiring::settingsRead()
{
    const TesseraSettings& settings = m_window.settings();
    m_controller->setLivePreview(settings.defaults.autoUpdate);
    m_controller->setHelperFlags(settings.helpers.flags[static_cast<int>(Helper::FullScreen) - 1],
                                 settings.helpers.flags[static_cast<int>(Helper::TogglingImageView) - 1]);
    for (TPageViewer* viewer : {m_split, m_full})
        viewer->setViewImages(settings.defaults.showImages);
    m_window.commands().setChecked(Command::OptionsViewInlineImages, settings.defaults.showImages);
    m_controller->setFollowCaret(settings.defaults.followCaret);
    m_window.commands().setChecked(Command::PreviewFollowCaret, settings.defaults.followCaret);
    // The split preview takes the page look from the options; the full view keeps its own.
    applyPreviewLook(settings, *m_split);
    m_window.commands().setText(Command::PageBrowser1, browserMenuCaption(settings.defaults.browser1));
    m_window.commands().setText(Command::PageBrowser2, browserMenuCaption(settings.defaults.browser2));
}

void PreviewWiring::showHtml(const QString& html)
{
    m_controller->HideFullScreen();
    // A failure is reported through the viewer's load error.
    m_split->LoadTextBlock(html.toUtf8());
}

void PreviewWiring::showHelp()
{
    // The help pages are plain HTML shipped with the program, shown by our own viewer.
    const QString page = m_window.programDirectory().filePath(strings::helpIndexFile);
    if (!QFileInfo(page).isFile()) {
        m_window.reportFailure(QStringLiteral("Help"),
                               QStringLiteral("The help page %1 is missing. Re-install Tessera to restore it.").arg(page));
        return;
    }
    if (!m_help) {
        m_help = new QDialog(&m_window);
        m_help->setWindowTitle(QStringLiteral("Tessera Help"));
        m_help->resize(640, 520);
        auto* layout = new QVBoxLayout(m_help);
        layout->setContentsMargins(0, 0, 0, 0);
        m_helpViewer = new TPageViewer;
        m_helpViewer->setObjectName(QStringLiteral("HelpViewer"));
        layout->addWidget(m_helpViewer);
        connect(m_helpViewer, &TPageViewer::loadError, m_help, [this](const QString& message) {
            m_window.reportFailure(QStringLiteral("Help"), message);
        });
    }
    m_helpViewer->LoadDocFile(page);
    m_help->show();
    m_help->raise();
}

void PreviewWiring::launchBrowser(int browser)
{
    m_window.showHelper(Helper::BrowserRefresh);
    BrowserLauncher::Host host;
    host.currentFile = [this] { return m_pages.currentFile(); };
    host.workingDirectory = [this] {
        const QString file = m_pages.currentFile();
        return file.isEmpty() ? m_pages.currentDirectory() : QFileInfo(file).absolutePath();
    };
    host.editorText = [this] { return m_pages.pageBytes(); };
    host.showMessage = [this](const QString& text) { QMessageBox::information(&m_window, QStringLiteral("Tessera"), text); };
    host.copyWritten = [this](const QString& copy) { m_pages.adoptProgramCopy(copy); };
    const TesseraSettings::Defaults& defaults = m_window.settings().defaults;
    BrowserLauncher launcher(host, m_starter);
    if (browser == 1)
        launcher.LaunchBrowser(defaults.browser1, defaults.browser1Prefix);
    else
        launcher.LaunchBrowser(defaults.browser2, defaults.browser2Prefix);
}

void PreviewWiring::showHistory(const HistoryState& state)
{
    CommandRegistry& commands = m_window.commands();
    QList<QAction*> entries;
    for (int n = 0; n < 10; ++n)
        entries << commands.action(offsetCommand(Command::History0, n));
    applyHistoryState(state, m_window.menus().historyMenu()->menuAction(), entries, commands.action(Command::ViewerBack),
                      commands.action(Command::ViewerForward));
    m_window.buttonPanel1()->setButtonEnabled(ButtonPanel::Button::Back, state.backEnabled);
    m_window.buttonPanel1()->setButtonEnabled(ButtonPanel::Button::Forward, state.forwardEnabled);
}

void PreviewWiring::caretMoved()
{
    if (!m_controller->followCaret() || !m_window.isPageOpen())
        return;
    // The byte position, which is what the preview's source offsets count.
    QsciScintilla* view = m_window.webPage()->scintilla();
    const long position = view->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    if (position >= 0)
        m_controller->caretMoved(static_cast<std::size_t>(position));
}

void PreviewWiring::placeCaretAtSource(long long offset)
{
    // The preview was given the editor's text as UTF-8, which is how the editor holds it too.
    if (offset < 0 || !m_window.isPageOpen())
        return;
    QsciScintilla* view = m_window.webPage()->scintilla();
    view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(offset));
    m_window.webPage()->setFocus();
}
