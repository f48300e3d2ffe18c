#include "app/tform1.h"

#include "app/aboutbox.h"
#include "app/appstrings.h"
#include "app/formwiring.h"
#include "app/framecalendarwiring.h"
#include "app/generatorwiring.h"
#include "app/imageindexwiring.h"
#include "app/newpagewiring.h"
#include "app/pagetabbar.h"
#include "app/printwiring.h"
#include "app/projectswiring.h"
#include "app/templatewiring.h"
#include "app/tipbook.h"
#include "app/tipoftheday.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "workspace/settings/editorsettings.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

constexpr int designClientWidth = 711;
constexpr int designClientHeight = 475;
// A first start opens this large where the screen allows, so there is room to work.
constexpr QSize firstStartSize(1100, 750);
constexpr int toolsPanelHeight = 68;
constexpr int splitterBarWidth = 3;

const char* const powerBookTabs[] = {"Font", "Special", "Format", "Lists", "Tables", "Images", "Links",
                                     "Forms", "Templates", "Custom 1", "Custom 2", "Custom 3", "Custom 4"};
constexpr int firstCustomTab = 9;

QWidget* placeholder(const QString& name)
{
    // An empty white place that keeps the layout until its subsystem supplies the control.
    auto* widget = new QWidget;
    widget->setObjectName(name);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    return widget;
}

bool contains(const QWidget* outer, const QWidget* inner)
{
    return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

} // namespace

TForm1::TForm1(TForm1Environment environment, QWidget* parent)
    : QMainWindow(parent)
    , m_environment(std::move(environment))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(strings::applicationTitle);
    m_lifecycle.setObserver(m_environment.observer);

    buildLayout();
    buildStatusBar();
    m_menus = std::make_unique<MainMenus>(menuBar(), m_commands, this);
    connectMenus();
    wireOwnCommands();
    connectEditors();
    installLifecycleSteps();
    m_workspace = new WorkspaceWiring(*this,
                                      m_environment.makePagePrompts ? m_environment.makePagePrompts() : nullptr,
                                      m_environment.makePageFileDialogs ? m_environment.makePageFileDialogs() : nullptr);
    m_projects = new ProjectsWiring(*this);
    new GeneratorWiring(*this, m_workspace->tags(), m_workspace->toolBook(), m_environment.makeTableWizardPrompts);
    new TemplateWiring(*this);
    new FrameCalendarWiring(*this, m_workspace->tags(), m_environment.makeFrameWizardPrompts);
    new FormWiring(*this, m_workspace->tags(), m_workspace->toolBook(), m_environment.makeFormWizardPrompts);
    new ImageIndexWiring(*this);
    new PrintWiring(*this);
    new NewPageWiring(*this);

    resize(defaultClientWidth(), designClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList failures = m_lifecycle.run(LifecyclePhase::Create);
    QApplication::restoreOverrideCursor();
    pageCountChanged();
    if (!failures.isEmpty())
        reportFailure(QStringLiteral("Starting Tessera"), failures.join(QLatin1Char('\n')));

    qApp->installEventFilter(this);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TForm1::updateCommandStates);
    connect(qApp, &QApplication::focusChanged, this, &TForm1::updateCommandStates);
}

TForm1::~TForm1()
{
    // The widgets go before QWidget's own destructor runs; no focus or clipboard news may reach
    // this half-destroyed window.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
}

void TForm1::buildLayout()
{
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* toolsPanel = new QWidget;
    toolsPanel->setObjectName(QStringLiteral("ToolsPanel"));
    toolsPanel->setFixedHeight(toolsPanelHeight);
    auto* toolsLayout = new QHBoxLayout(toolsPanel);
    toolsLayout->setContentsMargins(0, 0, 2, 0);
    toolsLayout->setSpacing(0);
    m_buttonPanel = new ButtonPanel(m_commands);
    toolsLayout->addWidget(m_buttonPanel);
    m_powerBook = new QTabWidget;
    m_powerBook->setObjectName(QStringLiteral("PowerBook"));
    m_powerBook->setDocumentMode(true);
    m_powerBook->setUsesScrollButtons(true);
    // The tool buttons are cut off at the window's edge rather than widening the window when
    // the first page opens.
    m_powerBook->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (const char* caption : powerBookTabs) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')) + QStringLiteral("Page"));
        m_powerBook->addTab(page, QString::fromLatin1(caption));
    }
    toolsLayout->addWidget(m_powerBook, 1);
    toolsLayout->addStretch(0); // keeps the buttons at the left while the tool book is hidden
    layout->addWidget(toolsPanel);

    m_mainSplitter = new QSplitter(Qt::Horizontal);
    m_mainSplitter->setObjectName(QStringLiteral("MainSplitter"));
    m_splitScreen = new QSplitter(Qt::Vertical);
    m_splitScreen->setObjectName(QStringLiteral("SplitScreen"));
    for (QSplitter* splitter : {m_mainSplitter, m_splitScreen}) {
        splitter->setHandleWidth(splitterBarWidth);
        splitter->setChildrenCollapsible(true);
        splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: yellow; }"));
    }

    auto* pageArea = new QWidget;
    pageArea->setObjectName(QStringLiteral("PageArea"));
    auto* pageLayout = new QVBoxLayout(pageArea);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    m_webPageTabs = new PageTabBar;
    m_webPageTabs->setObjectName(QStringLiteral("WebPageTabs"));
    m_webPageTabs->setExpanding(false);
    m_webPageTabs->setDocumentMode(true);
    m_webPage = new TLEdit;
    m_webPage->setObjectName(QStringLiteral("WebPage"));
    pageLayout->addWidget(m_webPageTabs);
    pageLayout->addWidget(m_webPage, 1);

    m_splitScreen->addWidget(pageArea);
    m_splitScreen->addWidget(placeholder(QStringLiteral("HTMLSplit")));
    m_splitScreen->setStretchFactor(0, 1);
    m_splitScreen->setStretchFactor(1, 1);

    m_spareEditor = new TLEdit;
    m_spareEditor->setObjectName(QStringLiteral("SpareEditor"));

    m_mainSplitter->addWidget(placeholder(QStringLiteral("Outline1")));
    m_mainSplitter->addWidget(m_splitScreen);
    m_mainSplitter->addWidget(m_spareEditor);
    m_mainSplitter->setStretchFactor(1, 1);

    m_mainArea = new QStackedWidget;
    m_mainArea->setObjectName(QStringLiteral("MainArea"));
    m_mainArea->addWidget(m_mainSplitter);
    m_mainArea->addWidget(placeholder(QStringLiteral("HTMLFull")));
    layout->addWidget(m_mainArea, 1);

    setCentralWidget(central);
    connect(m_webPageTabs, &PageTabBar::countChanged, this, &TForm1::pageCountChanged);
    // The desktop's usual chords for moving between tabs.
    const std::pair<QKeyCombination, int> tabSteps[] = {{Qt::CTRL | Qt::Key_PageDown, 1}, {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto& [keys, delta] : tabSteps) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, m_webPageTabs, [this, delta = delta] { m_webPageTabs->step(delta); });
    }
}

void TForm1::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    const int widths[3] = {75, 75, 450};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(widths[i]);
        bar->addWidget(panel, i == 2 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
}

QLabel* TForm1::statusPanel(int index) const
{
    return index >= 0 && index < 3 ? m_statusPanels[index] : nullptr;
}

void TForm1::connectMenus()
{
    const MenuId topMenus[] = {MenuId::File, MenuId::Edit, MenuId::Search, MenuId::Page,
                               MenuId::Insert, MenuId::HtmlCodes, MenuId::Options, MenuId::Help};
    for (MenuId id : topMenus) {
        connect(m_menus->topMenu(id), &QMenu::aboutToShow, this, [this, id] {
            applyMenuRule(id);
            // Working on the menus needs the source in view.
            setFullScreenView(false);
        });
    }
    for (QMenu* menu : {m_menus->projectsMenu(), m_menus->historyMenu()})
        connect(menu, &QMenu::aboutToShow, this, [this] { setFullScreenView(false); });
    connect(m_menus->editorPopupEdit(), &QMenu::aboutToShow, this, [this] { applyMenuRule(MenuId::EditorPopupEdit); });
    connect(m_menus->previewPopup(), &QMenu::aboutToShow, this, [this] { applyMenuRule(MenuId::PreviewPopup); });

    for (TLEdit* editor : {m_webPage, m_spareEditor}) {
        QWidget* view = editor->scintilla();
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, editor, view](const QPoint& position) {
            editor->setFocus();
            m_menus->editorPopup()->popup(view->mapToGlobal(position));
        });
    }
}

void TForm1::applyMenuRule(MenuId menu)
{
    MenuState state = menuState();
    if (menu == MenuId::EditorPopupEdit) {
        // The pop-up belongs to whichever editor it was opened on, which has the focus then.
        TLEdit* editor = focusedEditor();
        state.editorHasSelection = editor && editor->hasSelection();
    }
    for (const CommandState& item : menuRules(menu, state)) {
        m_commands.setEnabled(item.command, item.enabled);
        m_commands.setVisible(item.command, item.visible);
        if (!item.text.isEmpty())
            m_commands.setText(item.command, item.text);
    }
}

void TForm1::updateCommandStates()
{
    // The preview pop-up comes first: the Search menu's own rule has the last word on the
    // Search Source item they share.
    const MenuId order[] = {MenuId::PreviewPopup, MenuId::File, MenuId::Edit, MenuId::Search, MenuId::Page,
                            MenuId::Insert, MenuId::HtmlCodes, MenuId::Options, MenuId::EditorPopupEdit};
    for (MenuId menu : order)
        applyMenuRule(menu);
    const ToolButtonStates buttons = toolButtonStates(menuState());
    m_buttonPanel->setButtonEnabled(ButtonPanel::Button::Cut, buttons.cut);
    m_buttonPanel->setButtonEnabled(ButtonPanel::Button::Copy, buttons.copy);
    m_buttonPanel->setButtonEnabled(ButtonPanel::Button::Paste, buttons.paste);
    m_buttonPanel->setButtonEnabled(ButtonPanel::Button::Browser1, buttons.browser1);
}

MenuState TForm1::menuState() const
{
    MenuState state;
    state.pageOpen = isPageOpen();
    const QWidget* focus = QApplication::focusWidget();
    if (contains(m_spareEditor, focus))
        state.focus = FocusTarget::SpareEditor;
    else if (contains(m_webPage, focus))
        state.focus = FocusTarget::PageEditor;
    else if (contains(splitPreview(), focus))
        state.focus = FocusTarget::SplitPreview;
    if (TLEdit* editor = focusedEditor())
        state.editorHasSelection = editor->hasSelection();
    state.previewHasSelection = m_previewQueries.hasSelection && m_previewQueries.hasSelection();
    state.previewHasDocument = m_previewQueries.hasDocument && m_previewQueries.hasDocument();
    state.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    state.browser1Path = browserPath(m_settings, 1);
    state.browser2Path = browserPath(m_settings, 2);
    return state;
}

TLEdit* TForm1::focusedEditor() const
{
    return contains(m_spareEditor, QApplication::focusWidget()) ? m_spareEditor : m_webPage;
}

bool TForm1::isPageOpen() const
{
    return m_webPageTabs->count() > 0;
}

void TForm1::pageCountChanged()
{
    const bool open = isPageOpen();
    m_webPage->setEnabled(open);
    m_powerBook->setVisible(open);
    m_powerBook->setEnabled(open);
    m_buttonPanel->setPageOpen(open);
    updateCommandStates();
}

void TForm1::replaceInSplitter(QSplitter* splitter, int index, QWidget* widget)
{
    const QList<int> sizes = splitter->sizes();
    QWidget* old = splitter->replaceWidget(index, widget);
    if (old)
        old->deleteLater();
    splitter->setSizes(sizes);
}

void TForm1::setOutlineWidget(QWidget* outline)
{
    replaceInSplitter(m_mainSplitter, 0, outline);
}

void TForm1::setSplitPreview(QWidget* preview)
{
    replaceInSplitter(m_splitScreen, 1, preview);
}

void TForm1::setFullPreview(QWidget* preview)
{
    QWidget* old = m_mainArea->widget(1);
    m_mainArea->insertWidget(1, preview);
    m_mainArea->removeWidget(old);
    old->deleteLater();
}

QWidget* TForm1::outlineWidget() const
{
    return m_mainSplitter->widget(0);
}

QWidget* TForm1::splitPreview() const
{
    return m_splitScreen->widget(1);
}

QWidget* TForm1::fullPreview() const
{
    return m_mainArea->widget(1);
}

void TForm1::setFullScreenView(bool on)
{
    m_mainArea->setCurrentIndex(on ? 1 : 0);
    // Its buttons act on the source, which full screen hides.
    m_powerBook->parentWidget()->setVisible(!on);
}

bool TForm1::isFullScreenView() const
{
    return m_mainArea->currentIndex() == 1;
}

void TForm1::wireOwnCommands()
{
    m_commands.setHandler(Command::FileExit, [this] { close(); });
    m_commands.setHandler(Command::HelpAbout, [this] {
        TAboutBox about(this);
        about.exec();
    });
    m_commands.setHandler(Command::HelpShowHints, [this] {
        setShowHints(!m_showHints);
        showHints(m_settings) = m_showHints;
    });
    m_commands.setHandler(Command::HelpShowTips, [this] { showTipOfTheDay(); });
    m_commands.setHandler(Command::ToggleSplitStyle, [this] { toggleSplitStyle(); });
}

void TForm1::connectEditors()
{
    // The menu chords must reach the menus even where the editor binds the same keys itself.
    QList<QKeySequence> chords;
    for (QAction* action : actions())
        if (!action->shortcut().isEmpty())
            chords << action->shortcut();
    for (TLEdit* editor : {m_webPage, m_spareEditor})
        editor->releaseKeys(chords);

    // Shortcuts fire without their menu being opened, so the rules follow the selection too.
    for (TLEdit* editor : {m_webPage, m_spareEditor})
        connect(editor, &TLEdit::selectionChanged, this, &TForm1::updateCommandStates);
}

int TForm1::defaultClientWidth() const
{
    // Wide enough to show the whole Font tab, which ends with the font boxes and buttons: the tool
    // book's left edge, the tab's width and a small margin.
    const QWidget* fontTab = m_powerBook->widget(0);
    const int toolBookLeft = m_buttonPanel->sizeHint().width();
    return std::max(designClientWidth, toolBookLeft + fontTab->sizeHint().width() + 10);
}

void TForm1::placeForFirstStart()
{
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    QSize size(std::max(defaultClientWidth(), firstStartSize.width()), std::max(height(), firstStartSize.height()));
    if (!available.isEmpty())
        size = size.boundedTo(available.size());
    resize(size);
    if (!available.isEmpty())
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

QRect TForm1::onAvailableScreen(const QRect& stored) const
{
    // A window stored on a screen that is gone is brought back whole onto the nearest one.
    QScreen* target = QGuiApplication::screenAt(stored.center());
    if (!target)
        target = screen();
    if (!target)
        return stored;
    const QRect available = target->availableGeometry();
    if (available.contains(stored))
        return stored;
    QRect placed(stored.topLeft(), stored.size().boundedTo(available.size()));
    placed.moveLeft(std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    return placed;
}

void TForm1::installLifecycleSteps()
{
    m_lifecycle.setHandler(LifecycleStep::CreateHistoryItems, [this] {
        // The ten History items exist, hidden, from the start; the preview shows the menu once
        // it has a history to offer.
        QMenu* history = m_menus->historyMenu();
        history->menuAction()->setVisible(false);
        return StepResult::success();
    });
    m_lifecycle.setHandler(LifecycleStep::RegisterDropTarget, [this] {
        setAcceptDrops(true);
        return StepResult::success();
    });
    m_lifecycle.setHandler(LifecycleStep::TakeProgramDirectory, [this] {
        if (!m_environment.programDirectory.populate())
            return StepResult::failure(m_environment.programDirectory.errorString());
        return StepResult::success();
    });
    m_lifecycle.setHandler(LifecycleStep::ReadSettings, [this] {
        readSettings(m_settings);
        applyReadSettings();
        m_workspace->settingsRead();
        m_projects->settingsRead();
        return StepResult::success();
    });

    m_lifecycle.setHandler(LifecycleStep::ApplyDefaultWidth, [this] {
        if (windowPlacement(m_settings).width <= 0)
            placeForFirstStart();
        return StepResult::success();
    });
    m_lifecycle.setHandler(LifecycleStep::ShowInsertMode, [this] {
        m_statusPanels[1]->setText(strings::insertMode);
        return StepResult::success();
    });
    m_lifecycle.setHandler(LifecycleStep::CopyEditorSettings, [this] {
        // The option dialogs edit the settings record, so it starts from what the editor shows.
        captureEditorSettings(*m_webPage, m_settings);
        m_webPage->setTrackingLevel(TLEdit::defaultTrackingLevel);
        // A page recovered at start holds unsaved text and keeps its mark.
        if (!isPageOpen())
            m_webPage->setModified(false);
        return StepResult::success();
    });

    m_lifecycle.setHandler(LifecycleStep::WriteSettings, [this] {
        captureSettings();
        QString error;
        if (!writeSettings(m_settings, &error))
            return StepResult::failure(error);
        m_settingsWritten = true;
        return StepResult::success();
    });
}

void TForm1::showCustomTabs()
{
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        m_powerBook->setTabVisible(firstCustomTab + i, customTabShown(m_settings, i));
}

void TForm1::applyReadSettings()
{
    const WindowPlacement placement = windowPlacement(m_settings);
    applySplitDirection(placement.splitDirection);
    for (int i = 0; i < 4; ++i) {
        if (!customTabCaption(m_settings, i).isEmpty())
            m_powerBook->setTabText(firstCustomTab + i, customTabCaption(m_settings, i));
    }
    showCustomTabs();
    if (placement.width > 0) {
        if (placement.maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        else
            setGeometry(onAvailableScreen(QRect(placement.left, placement.top, placement.width, placement.height)));
    }
    // Hints: the window is designed with them on.
    if (!showHints(m_settings))
        m_commands.run(Command::HelpShowHints);
    updateCommandStates();
}

void TForm1::captureSettings()
{
    WindowPlacement placement = windowPlacement(m_settings);
    const QRect geometryNow = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.top = geometryNow.top();
    placement.left = geometryNow.left();
    placement.width = geometryNow.width();
    placement.height = geometryNow.height();
    placement.maximized = isMaximized();
    const QList<int> sizes = m_splitScreen->sizes();
    if (!sizes.isEmpty() && sizes.first() > 0) {
        placement.splitPosition = sizes.first();
        const qint64 length = std::accumulate(sizes.begin(), sizes.end(), qint64(0));
        placement.splitShare = int((qint64(sizes.first()) * WindowPlacement::wholeShare + length / 2) / length);
    }
    setWindowPlacement(m_settings, placement);
    showHints(m_settings) = m_showHints;
    showProjectPanel(m_settings) = m_commands.isChecked(Command::ProjectDisplay);
    for (int i = 0; i < 4; ++i)
        customTabCaption(m_settings, i) = m_powerBook->tabText(firstCustomTab + i);
}

void TForm1::applySplitDirection(int direction)
{
    // The stored position is applied at the first show, when the splitter has its real size.
    m_splitScreen->setOrientation(direction == 1 ? Qt::Horizontal : Qt::Vertical);
}

void TForm1::toggleSplitStyle()
{
    const bool flipped = m_splitScreen->orientation() == Qt::Vertical;
    m_splitScreen->setOrientation(flipped ? Qt::Horizontal : Qt::Vertical);
    const int total = flipped ? m_splitScreen->width() : m_splitScreen->height();
    m_splitScreen->setSizes({total / 2, total - total / 2});
    WindowPlacement placement = windowPlacement(m_settings);
    placement.splitDirection = flipped ? 1 : 0;
    setWindowPlacement(m_settings, placement);
}

void TForm1::setShowHints(bool on)
{
    m_showHints = on;
    m_commands.setChecked(Command::HelpShowHints, on);
}

TipBook TForm1::tipBook() const
{
    return TipBook::fromFile(m_environment.programDirectory.filePath(strings::tipsFile));
}

void TForm1::showTipOfTheDay()
{
    TfTipOfTheDay dialog(tipBook(), this);
    dialog.setIndex(tipNumber(m_settings));
    dialog.setShowAtStartup(showTipsFlag(m_settings));
    // Stored as the dialog ends, not when its event loop returns: an exit asked for meanwhile (a
    // termination signal) closes the dialog and writes the settings before that.
    connect(&dialog, &QDialog::finished, this, [this, &dialog] {
        tipNumber(m_settings) = dialog.index() + 2;
        showTipsFlag(m_settings) = dialog.showAtStartup();
    });
    dialog.exec();
}

void TForm1::showHelper(Helper helper)
{
    ShowHelper(static_cast<int>(helper), helperCaption(helper), helperFlag(m_settings, helper), tipBook(), this);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Qt shows the window again after it was minimised; the steps below must not run again:
    // they would clear the page's modified flag and reload the internal clipboard over its edits.
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // Without a window manager the window is never activated; the first show stands in for it.
    QTimer::singleShot(0, this, &TForm1::firstActivation);
    const QStringList failures = m_lifecycle.run(LifecyclePhase::FirstShow);
    if (!failures.isEmpty())
        reportFailure(QStringLiteral("Starting Tessera"), failures.join(QLatin1Char('\n')));
    // The splitters get their share once the first-show steps have placed the window and its
    // layout has given them their real size; sizes set earlier are rescaled by the first resize
    // and drift at every start.
    if (QLayout* layout = centralWidget()->layout())
        layout->activate();
    const int total = m_mainSplitter->width() - 2 * m_mainSplitter->handleWidth();
    const int outline = showProjectPanel(m_settings) ? total / 5 : 0;
    m_mainSplitter->setSizes({outline, total - outline, 0});
    const int length = (m_splitScreen->orientation() == Qt::Vertical ? m_splitScreen->height() : m_splitScreen->width())
        - m_splitScreen->handleWidth();
    const WindowPlacement placement = windowPlacement(m_settings);
    int position = placement.splitPosition;
    if (placement.splitShare > 0 && placement.splitShare < WindowPlacement::wholeShare)
        position = int((qint64(length) * placement.splitShare + WindowPlacement::wholeShare / 2) / WindowPlacement::wholeShare);
    if (position > 0 && position < length)
        m_splitScreen->setSizes({position, length - position});
    else
        m_splitScreen->setSizes({length / 2, length - length / 2});
    updateCommandStates();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (m_closeAllPages)
        m_closeAllPages();
    if (isPageOpen()) {
        event->ignore(); // a page the user chose to keep keeps the program running
        return;
    }
    m_closing = true;
    const QStringList failures = m_lifecycle.run(LifecyclePhase::Close);
    if (!failures.isEmpty())
        reportFailure(QStringLiteral("Closing Tessera"), failures.join(QLatin1Char('\n')));
    event->accept();
}

void TForm1::firstActivation()
{
    // The tip opens once, when the window first becomes active: re-activation after every dialog
    // would bring it straight back.
    if (m_activatedOnce || m_closing)
        return;
    m_activatedOnce = true;
    if (showTipsFlag(m_settings) && !isPageOpen())
        showTipOfTheDay();
}

bool TForm1::requestExit()
{
    // A modal dialog would keep its own event loop running under the closed window.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == this)
            break;
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
    return close();
}

bool TForm1::commitData()
{
    return m_closing || close();
}

bool TForm1::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::StatusTip: {
        // The application's hint goes to the third panel; without one it shows the file name.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_statusPanels[2]->setText(tip.isEmpty() ? m_fileNameText : tip);
        return true;
    }
    case QEvent::WindowActivate:
        QMetaObject::invokeMethod(this, &TForm1::firstActivation, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !m_showHints) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    if (m_workspace->dropFiles(event->mimeData()))
        event->acceptProposedAction();
}

void TForm1::setStatusFileName(const QString& fileName)
{
    m_fileNameText = fileName;
    m_statusPanels[2]->setText(fileName);
}

void TForm1::reportFailure(const QString& title, const QString& text)
{
    if (m_environment.reportFailure) {
        m_environment.reportFailure(title, text);
        return;
    }
    QMessageBox::warning(isVisible() ? this : nullptr, title, text);
}
