#pragma once

#include "workspace/pages/backupschedule.h"
#include "workspace/pages/pagelist.h"
#include "workspace/pages/recentfiles.h"
#include "workspace/pages/swapfile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>

class PageFileDialogs;
class QMimeData;
class PagePrompts;
class QTabBar;
class QsciScintilla;
class TLEdit;
struct TesseraSettings;

// The local files of a drop on the main window, in drop order; other URLs are left out.
QStringList droppedFileNames(const QMimeData* data);

// The open pages of the main window: one tab per page over the one page editor, with the page
// list behind the tabs, the recent-file list and the internal clipboard editor. The window owns
// the widgets and wires its menu actions to the slots below; everything the window must show in
// response (caption, enabled controls, preview) comes back through the signals.
class PageManager : public QObject
{
    Q_OBJECT

public:
    PageManager(QTabBar* WebPageTabs, TLEdit* WebPage, TLEdit* SpareEditor, TesseraSettings* settings,
                const QString& programDirectory, PagePrompts* prompts, PageFileDialogs* dialogs,
                QObject* parent = nullptr);
    ~PageManager() override;

    // The window's helper dialog (number 1 "Orphan Pages", 8 "Internal Clipboard Contents",
    // 9 "Saving To Default"); without one no helper is shown.
    void setHelperHandler(std::function<void(int helperNumber)> showHelper);
    // The new-page builder offered for an empty file; it returns whether it filled the editor.
    // Without one the question is not asked, since Yes could do nothing.
    void setNewPageBuilder(std::function<bool()> builder);
    // Reads the split preview's scroll position when a tab is left.
    void setPreviewPositionSource(std::function<qint32()> source);
    BackupSchedule& pageBackup() { return m_pageBackup; }
    BackupSchedule& scratchBackup() { return m_scratchBackup; }

    int pageCount() const { return m_pages.count(); }
    const PageRecord& page(int index) const { return m_pages.at(index); }
    int activeIndex() const { return m_active; }
    QString currentFile() const { return m_currentFile; }
    QString currentDirectory() const { return m_currentDirectory; }
    QStringList recentFiles() const { return m_recent.entries(); }
    bool saveEnabled() const { return m_saveEnabled; }
    QString caption() const { return m_caption; }
    QString statusText() const { return m_statusText; }
    SwapFileRegistry& swapFiles() { return m_swapFiles; }
    QString scratchFilePath() const;
    QString newPageFilePath() const;
    // The editor's text in the bytes the active page is saved in.
    QByteArray pageBytes() const;
    // The window's open dialog with the page filters, started in the current directory, for a
    // file to use rather than open as a page; empty when cancelled.
    QString chooseFile();
    // A copy of the page the program wrote itself (the browser copy) may be written again.
    void adoptProgramCopy(const QString& path);

    // After the settings are read: backups left by a run that ended abruptly are offered for
    // recovery, then the recent-file menu from the settings, then the AutoLoad page.
    void StartUp();
    // The active page's text to its swap file, so a crash cannot take it. The file is written
    // in the background; `finishBackup` waits for it and reports a failure.
    void backupActivePage();
    void finishBackup();
    // Asks what to do when another program changed or deleted the active page's file.
    void checkActivePageOnDisk();

    bool LoadFile(const QString& fileName, bool inProject);
    void SetLastFiles(const QString& fileName);
    bool CloseActivePage();
    // Closes pages until none is left or a prompt is answered No; returns whether all are closed.
    bool CloseAllPages();
    void ClearPage();
    void SaveToPageHandle();
    void LoadFromPageHandle();
    void RenameSaveAsFile(const QString& fileName);
    // Files just put beside the current page for it, which Save As into another folder copies along.
    void addCompanions(const QStringList& fileNames);

public slots:
    void New1Click();
    void OpenWeb1Click();
    // Both return whether the page is now saved.
    bool Save1Click();
    bool SaveAs1Click();
    void ClosePageClick();
    void CloseAllClick();
    void WebPageTabsMouseUp();
    void WebPageChange();
    // The recent-file menu item at 0..3 (Last1..Last4).
    void Last4Click(int index);
    // Files dropped on the main window, in drop order.
    void FileDrag1Drop(const QStringList& fileNames);
    // A page dragged from the project outline: a link around the selection.
    void WebPageDragDrop(const QString& outlineItemText);
    void InsertFile1Click();
    // Without `errorString` a failure is shown as an error box; with it, the text is handed back
    // instead (for callers that report failures together, such as shutdown).
    bool LoadSpareEditorContents(QString* errorString = nullptr);
    bool SaveSpareEditorContents(QString* errorString = nullptr);
    // Shows the helper; the window then resizes the splitter to show or hide the editor.
    void ToggleScratchPadClick();

protected:
    // A mouse-button release on the tab strip writes the backup (WebPageTabsMouseUp).
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A page is open (count above zero) or not: the tool book and page buttons follow it.
    void pagesOpenChanged(bool open);
    void saveEnabledChanged(bool enabled);
    void captionChanged(const QString& caption);
    // Status panel 2.
    void statusTextChanged(const QString& text);
    // Captions for Last1..Last4; an empty entry leaves its item as it was.
    void recentFilesChanged(const QStringList& entries);
    void previewUpdateRequested();
    void previewCleared();
    void previewScrollRequested(qint32 position);
    // Text that tag insertion would wrap around the selection for a dragged project page.
    void linkInsertRequested(const QString& openingText, const QString& closingText);

private:
    void carryCompanions(const QString& fromDirectory, const QString& toDirectory);
    void onTabChanged(int index);
    void setActiveTab(int index);
    void setSaveEnabled(bool enabled);
    void setCaption(const QString& fileName);
    void setStatusText(const QString& text);
    void setCurrentDirectoryFromFile(const QString& fileName);
    void updatePagesOpen();
    void showHelper(int number);
    bool writeEditorTo(const QString& fileName, const PageFormat& format);
    void writeSwapFile(PageRecord& record);
    QString swapFileOf(const PageRecord& record) const;
    QString freeSwapFileFor(const QString& pageFile) const;
    void offerRecovery(QList<OrphanSwapFile> backups);
    void recoverPage(const OrphanSwapFile& backup);
    // Whether the save may go on after another program's change to the file, if any.
    bool mayOverwriteOnDisk(PageRecord& record);
    void reloadActivePage();
    void replaceEditorTextKeepingUndo(const QByteArray& utf8);
    void backupScratch();
    void syncRecentToSettings();
    int tabIndexGuarded(const std::function<int()>& change);
    // The active tab's name, marked while its page has unsaved changes.
    void showTabMark(bool modified);

    QTabBar* m_tabs;
    TLEdit* m_editor;
    TLEdit* m_spare;
    TesseraSettings* m_settings;
    QString m_programDirectory;
    PagePrompts* m_prompts;
    PageFileDialogs* m_dialogs;
    std::function<void(int)> m_showHelper;
    std::function<bool()> m_newPageBuilder;
    std::function<qint32()> m_previewPosition;

    PageList m_pages;
    RecentFiles m_recent;
    SwapFileRegistry m_swapFiles;
    PageFormat m_spareFormat;
    int m_active = -1;
    bool m_switchingTabs = false;
    bool m_loadingText = false;
    bool m_saveEnabled = false;
    bool m_recovering = false;
    bool m_checkingDisk = false;
    struct BackupResult {
        QString swapFile;
        QString pageFile;
        bool written = false;
        QString error;
    };
    std::future<BackupResult> m_backupJob;
    BackupSchedule m_pageBackup;
    BackupSchedule m_scratchBackup;
    QString m_currentFile;
    QString m_currentDirectory;
    // Where the last page was opened or saved, not counting the default new page.
    QString m_pageDirectory;
    QString m_caption;
    QString m_statusText;
    QString m_saveDialogFileName;
};
