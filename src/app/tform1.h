#pragma once

#include "app/buttonpanel.h"
#include "app/commandregistry.h"
#include "app/helpers.h"
#include "app/lifecycle.h"
#include "app/mainmenus.h"
#include "app/menurules.h"
#include "app/programdirectory.h"
#include "app/settingsrecord.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class PageTabBar;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class PageFileDialogs;
class PagePrompts;
class ProjectsWiring;
class TLEdit;
class TableWizardPrompts;
class FrameWizardPrompts;
class FormWizardPrompts;
class TipBook;
class WorkspaceWiring;

// What the main window is given from outside: where its data files live, and who hears about
// its steps and failures. Tests pass their own folder and a recording observer.
struct TForm1Environment {
    ProgramDirectory programDirectory = ProgramDirectory::standardLocation();
    Lifecycle::Observer observer;
    // Shows a failure to the user; the default is a warning box.
    std::function<void(const QString& title, const QString& text)> reportFailure;
    // The page questions and file dialogs; the defaults are the window's own boxes.
    std::function<std::unique_ptr<PagePrompts>()> makePagePrompts;
    std::function<std::unique_ptr<PageFileDialogs>()> makePageFileDialogs;
    // The table wizard's questions and dialogs; the default is the wizard's own boxes.
    std::function<std::unique_ptr<TableWizardPrompts>()> makeTableWizardPrompts;
    std::function<std::unique_ptr<FrameWizardPrompts>()> makeFrameWizardPrompts;
    std::function<std::unique_ptr<FormWizardPrompts>()> makeFormWizardPrompts;
};

// The main window. It lays out the controls, owns the menus and the settings, and runs the
// start-up, first-show and shutdown steps; the subsystems attach to it through the command
// registry (menu and button commands), the lifecycle (their steps) and the widget slots below.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(TForm1Environment environment = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    CommandRegistry& commands() { return m_commands; }
    MainMenus& menus() { return *m_menus; }
    Lifecycle& lifecycle() { return m_lifecycle; }
    const ProgramDirectory& programDirectory() const { return m_environment.programDirectory; }
    // The settings read at start and written at exit; dialogs change them in between.
    SettingsRecord& settings() { return m_settings; }
    // Pages and tag insertion, joined to the window's commands.
    WorkspaceWiring& workspace() const { return *m_workspace; }
    // The project outline, joined to the window's menus.
    ProjectsWiring& projects() const { return *m_projects; }

    // Shows each custom tab of the tool book whose setting says so and hides the others.
    void showCustomTabs();

    TLEdit* webPage() const { return m_webPage; }
    TLEdit* spareEditor() const { return m_spareEditor; }
    // The editor that editing commands act on: the internal clipboard when it has the focus.
    TLEdit* focusedEditor() const;
    PageTabBar* webPageTabs() const { return m_webPageTabs; }
    QTabWidget* powerBook() const { return m_powerBook; }
    ButtonPanel* buttonPanel1() const { return m_buttonPanel; }
    QSplitter* mainSplitter() const { return m_mainSplitter; }
    QSplitter* splitScreen() const { return m_splitScreen; }
    QLabel* statusPanel(int index) const;

    // The outline, the split preview and the full preview start as empty places; their
    // subsystems put the real controls in.
    void setOutlineWidget(QWidget* outline);
    void setSplitPreview(QWidget* preview);
    void setFullPreview(QWidget* preview);
    QWidget* outlineWidget() const;
    QWidget* splitPreview() const;
    QWidget* fullPreview() const;

    struct PreviewQueries {
        std::function<bool()> hasDocument;
        std::function<bool()> hasSelection;
    };
    void setPreviewQueries(PreviewQueries queries) { m_previewQueries = std::move(queries); }

    void setFullScreenView(bool on);
    bool isFullScreenView() const;

    // A page is open exactly while a page tab exists.
    bool isPageOpen() const;

    // Closes every page, asking about modified ones; the window closes only if none is left.
    void setCloseAllPages(std::function<void()> closeAllPages) { m_closeAllPages = std::move(closeAllPages); }

    // Shows a helper while its flag is set and stores the answer back as its flag.
    void showHelper(Helper helper);
    void showTipOfTheDay();
    TipBook tipBook() const;

    bool hintsShown() const { return m_showHints; }

    // What the third status panel shows while no hint is up: the current file name.
    void setStatusFileName(const QString& fileName);

    // The menu state as the enabling rules see it now.
    MenuState menuState() const;
    // Applies every menu's enabling rule; also run when a menu opens (for that menu alone).
    void updateCommandStates();

    // Behaves as Exit: closes any open dialog, then the window. Returns whether it closed.
    bool requestExit();
    // The desktop session is ending: save as on Exit. Returns false when the user kept the
    // program open.
    bool commitData();

    void reportFailure(const QString& title, const QString& text);

    bool settingsWritten() const { return m_settingsWritten; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void firstActivation();
    void buildLayout();
    void buildStatusBar();
    void connectMenus();
    void wireOwnCommands();
    void connectEditors();
    void installLifecycleSteps();
    int defaultClientWidth() const;
    // Without a stored placement: large enough to work in, centred on the screen.
    void placeForFirstStart();
    QRect onAvailableScreen(const QRect& stored) const;
    void pageCountChanged();
    void applyMenuRule(MenuId menu);
    void applyReadSettings();
    void captureSettings();
    void toggleSplitStyle();
    void setShowHints(bool on);
    void applySplitDirection(int direction);
    void replaceInSplitter(QSplitter* splitter, int index, QWidget* widget);

    TForm1Environment m_environment;
    CommandRegistry m_commands;
    Lifecycle m_lifecycle;
    std::unique_ptr<MainMenus> m_menus;
    SettingsRecord m_settings;
    WorkspaceWiring* m_workspace = nullptr;
    ProjectsWiring* m_projects = nullptr;

    ButtonPanel* m_buttonPanel = nullptr;
    QTabWidget* m_powerBook = nullptr;
    QStackedWidget* m_mainArea = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_splitScreen = nullptr;
    PageTabBar* m_webPageTabs = nullptr;
    TLEdit* m_webPage = nullptr;
    TLEdit* m_spareEditor = nullptr;
    QLabel* m_statusPanels[3] = {};
    PreviewQueries m_previewQueries;
    std::function<void()> m_closeAllPages;

    bool m_shownOnce = false;
    bool m_activatedOnce = false;
    bool m_showHints = true;
    bool m_closing = false;
    bool m_settingsWritten = false;
    QString m_fileNameText;
};
