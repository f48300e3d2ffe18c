#include "workspace/pages/pagemanager.h"

#include "editor/tledit.h"
#include "workspace/pages/caption.h"
#include "workspace/pages/pagefile.h"
#include "workspace/pages/pagefilters.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/pages/pagesettings.h"
#include "workspace/pages/pagetexts.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <QTabBar>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

QStringList droppedFileNames(const QMimeData* data)
{
    QStringList names;
    if (!data)
        return names;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    }
    return names;
}

namespace {

// The editor's text as UTF-8, line ends as typed.
QByteArray editorBytes(const TLEdit* editor)
{
    return editor->textBlock();
}

// The line ends the editor's save style asks for; None keeps each as it is.
LineEnds savedLineEnds(const TLEdit* editor)
{
    if (editor->UnixStyleSave())
        return LineEnds::Lf;
    if (editor->MacStyleSave())
        return LineEnds::Cr;
    return LineEnds::None;
}

QsciScintilla::EolMode eolModeFor(LineEnds style)
{
    switch (style) {
    case LineEnds::Lf:
        return QsciScintilla::EolUnix;
    case LineEnds::Cr:
        return QsciScintilla::EolMac;
    default:
        return QsciScintilla::EolWindows;
    }
}

// Replaces the editor's whole text. The undo history is dropped with the old text: undoing into
// another page's text would be a way to lose this one.
void setEditorBytes(TLEdit* editor, const QByteArray& utf8, LineEnds newLineStyle)
{
    QsciScintilla* sci = editor->scintilla();
    sci->setEolMode(eolModeFor(newLineStyle));
    sci->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    editor->clearAll();
    if (!utf8.isEmpty())
        editor->insertBlock(utf8);
    sci->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    sci->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    editor->SetSelection(EditorLine::first, 0, EditorLine::first, 0);
}

QString directoryOf(const QString& fileName)
{
    return QFileInfo(fileName).absolutePath();
}

QString nameWithoutPath(const QString& fileName)
{
    return QFileInfo(fileName).fileName();
}

} // namespace

PageManager::PageManager(QTabBar* WebPageTabs, TLEdit* WebPage, TLEdit* SpareEditor, TesseraSettings* settings,
                         const QString& programDirectory, PagePrompts* prompts, PageFileDialogs* dialogs,
                         QObject* parent)
    : QObject(parent)
    , m_tabs(WebPageTabs)
    , m_editor(WebPage)
    , m_spare(SpareEditor)
    , m_settings(settings)
    , m_programDirectory(programDirectory)
    , m_prompts(prompts)
    , m_dialogs(dialogs)
    , m_swapFiles(QDir(programDirectory).filePath(QString::fromLatin1(PageTexts::programCopiesFileName)))
    , m_currentDirectory(programDirectory)
    , m_caption(formCaption(QString()))
{
    m_recent.setEntries(PageSettings::recentFiles(*m_settings));
    connect(m_tabs, &QTabBar::currentChanged, this, &PageManager::onTabChanged);
    connect(m_editor, &TLEdit::OnChange, this, &PageManager::WebPageChange);
    connect(&m_pageBackup, &BackupSchedule::due, this, &PageManager::backupActivePage);
    connect(&m_scratchBackup, &BackupSchedule::due, this, &PageManager::backupScratch);
    connect(m_editor, &TLEdit::OnAskIfStoreFile, this, [](int* answer) {
        // The program saves only through its own commands and swap files.
        *answer = int(StoreAnswer::DoNotStore);
    });
    if (m_spare) {
        m_spare->setUndoDepth(50);
        connect(m_spare, &TLEdit::OnAskIfStoreFile, this, [](int* answer) { *answer = int(StoreAnswer::DoNotStore); });
        connect(m_spare, &TLEdit::OnChange, this, [this] {
            if (!m_loadingText)
                m_scratchBackup.changed();
        });
    }
    m_editor->setEnabled(false);
    m_tabs->installEventFilter(this);
}

bool PageManager::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs && event->type() == QEvent::MouseButtonRelease)
        WebPageTabsMouseUp();
    return QObject::eventFilter(watched, event);
}

PageManager::~PageManager()
{
    finishBackup();
}

void PageManager::setHelperHandler(std::function<void(int)> showHelper)
{
    m_showHelper = std::move(showHelper);
}

void PageManager::setNewPageBuilder(std::function<bool()> builder)
{
    m_newPageBuilder = std::move(builder);
}

void PageManager::setPreviewPositionSource(std::function<qint32()> source)
{
    m_previewPosition = std::move(source);
}

QString PageManager::scratchFilePath() const
{
    return QDir(m_programDirectory).filePath(QString::fromLatin1(PageTexts::scratchFileName));
}

QString PageManager::newPageFilePath() const
{
    return QDir(m_programDirectory).filePath(QString::fromLatin1(PageTexts::newPageFileName));
}

void PageManager::showHelper(int number)
{
    if (m_showHelper)
        m_showHelper(number);
}

void PageManager::StartUp()
{
    offerRecovery(m_swapFiles.orphans());
    // The settings may have been read after this object was made.
    m_recent.setEntries(PageSettings::recentFiles(*m_settings));
    emit recentFilesChanged(m_recent.entries());
    const QString first = m_recent.entries().value(0);
    if (PageSettings::autoLoad(*m_settings) && !first.isEmpty() && QFileInfo(first).isFile())
        LoadFile(first, false);
}

// Programmatic tab changes must not run the switching handlers: the caller moves the page
// texts itself.
int PageManager::tabIndexGuarded(const std::function<int()>& change)
{
    const bool wasSwitching = m_switchingTabs;
    m_switchingTabs = true;
    const int result = change();
    m_switchingTabs = wasSwitching;
    return result;
}

void PageManager::setActiveTab(int index)
{
    tabIndexGuarded([&] {
        m_tabs->setCurrentIndex(index);
        return 0;
    });
    m_active = index;
}

void PageManager::onTabChanged(int index)
{
    if (m_switchingTabs || index < 0 || index == m_active || index >= m_pages.count())
        return;
    // WebPageTabsChanging, then WebPageTabsChange.
    m_tabs->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SaveToPageHandle();
    m_active = index;
    LoadFromPageHandle();
    QApplication::restoreOverrideCursor();
    m_tabs->setEnabled(true);
    m_editor->setFocus();
    checkActivePageOnDisk();
}

void PageManager::setSaveEnabled(bool enabled)
{
    m_saveEnabled = enabled;
    showTabMark(enabled);
    emit saveEnabledChanged(enabled);
}

void PageManager::showTabMark(bool modified)
{
    if (m_active < 0 || m_active >= m_pages.count() || m_active >= m_tabs->count())
        return;
    const QString name = nameWithoutPath(m_pages.at(m_active).fileName);
    m_tabs->setTabText(m_active, modified ? name + QStringLiteral(" *") : name);
}

void PageManager::setCaption(const QString& fileName)
{
    m_caption = formCaption(fileName);
    emit captionChanged(m_caption);
}

void PageManager::setStatusText(const QString& text)
{
    m_statusText = text;
    emit statusTextChanged(text);
}

void PageManager::setCurrentDirectoryFromFile(const QString& fileName)
{
    m_currentDirectory = directoryOf(fileName);
    QDir::setCurrent(m_currentDirectory);
}

void PageManager::updatePagesOpen()
{
    const bool open = m_pages.count() > 0;
    m_editor->setEnabled(open);
    emit pagesOpenChanged(open);
}

bool PageManager::LoadFile(const QString& name, bool inProject)
{
    const QString fileName = name.isEmpty() ? name : QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    const QFileInfo info(fileName);
    const bool exists = !fileName.isEmpty() && info.exists();

    // A second tab on one file would share its swap file, and switching between the two would
    // overwrite one page's unsaved text with the other's.
    if (!fileName.isEmpty()) {
        const int open = m_pages.indexOfFile(fileName);
        if (open >= 0) {
            if (open != m_active)
                m_tabs->setCurrentIndex(open);
            SetLastFiles(m_pages.at(open).fileName);
            return true;
        }
    }

    if (!exists && !fileName.contains(QLatin1String("newpage"))) {
        m_prompts->information(QString::fromLatin1(PageTexts::couldNotFind) + name);
        emit previewScrollRequested(0);
        return false;
    }
    if (fileName.isEmpty())
        return false;

    // A backup of this page left by a run that ended abruptly is offered before the page opens.
    if (exists && !m_recovering) {
        const QList<OrphanSwapFile> backups = m_swapFiles.orphansOf(fileName);
        if (!backups.isEmpty()) {
            offerRecovery(backups);
            const int recovered = m_pages.indexOfFile(fileName);
            if (recovered >= 0)
                return true;
        }
    }

    // Read before a tab exists: a tab over a file that could not be read would show an empty
    // page, and saving it would wipe the file.
    PageReadResult read;
    if (exists) {
        read = PageFile::read(fileName);
        if (!read.ok) {
            m_prompts->error(PageTexts::readFailed(fileName, read.errorString));
            emit previewScrollRequested(0);
            return false;
        }
    }

    PageRecord record;
    record.fileName = fileName;
    record.inProject = inProject;
    record.format = read.page.format;
    record.disk = read.stamp;
    record.swapFile = freeSwapFileFor(fileName);
    m_pages.append(record);
    const int index = m_pages.count() - 1;
    tabIndexGuarded([&] { return m_tabs->addTab(nameWithoutPath(fileName)); });
    if (m_pages.count() >= 2)
        SaveToPageHandle();
    setActiveTab(index);

    bool result = false;
    m_loadingText = true;
    setEditorBytes(m_editor, read.page.utf8, read.page.format.newLineStyle);
    m_loadingText = false;
    m_editor->setFileName(fileName);
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(false);
    setSaveEnabled(false);
    result = exists;

    m_saveDialogFileName = fileName;
    setCaption(fileName);
    setCurrentDirectoryFromFile(fileName);
    if (!samePageFile(fileName, newPageFilePath()))
        m_pageDirectory = m_currentDirectory;
    m_currentFile = fileName;
    // The status bar names the page just opened, as it does for a page whose tab is entered.
    setStatusText(fileName);
    m_tabs->setToolTip(fileName);
    SetLastFiles(fileName);

    if (exists && read.size == 0 && m_newPageBuilder) {
        if (m_prompts->confirmation(QString::fromLatin1(PageTexts::emptyFileQuestion)))
            result = m_newPageBuilder();
    }
    if (m_pages.count() > 0)
        updatePagesOpen();
    // One render of the opened page, at its top, whatever the steps above changed.
    emit previewScrollRequested(0);
    // Typing goes to the page just opened.
    if (m_pages.count() > 0)
        m_editor->setFocus();
    return result;
}

void PageManager::SetLastFiles(const QString& fileName)
{
    if (!m_recent.add(fileName))
        return;
    PageSettings::setRecentFiles(*m_settings, m_recent.entries());
    emit recentFilesChanged(m_recent.entries());
}

void PageManager::Last4Click(int index)
{
    const QString fileName = m_recent.entries().value(index);
    if (!fileName.isEmpty())
        LoadFile(fileName, false);
}

void PageManager::New1Click()
{
    QDir::setCurrent(m_programDirectory);
    showHelper(1);
    const QString fileName = newPageFilePath();
    if (!QFileInfo::exists(fileName)) {
        QString error;
        if (!PageFile::write(fileName, QByteArray(), &error)) {
            m_prompts->error(PageTexts::writeFailed(fileName, error));
            return;
        }
    }
    LoadFile(fileName, false);
}

void PageManager::OpenWeb1Click()
{
    const QString fileName = m_dialogs->openPage(m_currentDirectory,
                                                 openPageFilter(PageSettings::webExtensions(*m_settings),
                                                                PageSettings::graphicExtensions(*m_settings)));
    if (fileName.isEmpty())
        return;
    LoadFile(fileName, false);
    m_editor->setFocus();
}

bool PageManager::writeEditorTo(const QString& fileName, const PageFormat& format)
{
    QString error;
    const QByteArray typed = editorBytes(m_editor);
    const QByteArray bytes = PageCodec::encode(PageCodec::convertLineEnds(typed, savedLineEnds(m_editor)), format.encoding);
    const bool active = m_active >= 0 && m_active < m_pages.count();
    // A file written in place is short while the write goes on: its backup holds the whole
    // text until the write has ended, for the next start to offer if it never does.
    if (active && PageFile::writesInPlace(fileName)) {
        PageRecord& record = m_pages.at(m_active);
        finishBackup();
        m_pageBackup.cancel();
        m_swapFiles.write(swapFileOf(record), PageCodec::encode(typed, format.encoding), &error, record.fileName);
    }
    if (!PageFile::write(fileName, bytes, &error)) {
        m_prompts->error(PageTexts::writeFailed(fileName, error));
        return false;
    }
    if (active) {
        PageRecord& record = m_pages.at(m_active);
        record.disk = PageFile::stamp(fileName, bytes);
        record.askedAbout = {};
        // The page on disk is the copy now; an older backup would only offer stale text after a crash.
        finishBackup();
        m_pageBackup.cancel();
        m_swapFiles.remove(swapFileOf(record));
    }
    return true;
}

bool PageManager::Save1Click()
{
    if (m_currentFile.toLower().contains(QLatin1String("newpage.htm")))
        showHelper(9);
    // The default new page lives in the program's own hidden folder, where the user would never
    // find a page saved there: it is saved under a name the user chooses.
    if (m_currentFile.isEmpty() || samePageFile(m_currentFile, newPageFilePath()))
        return SaveAs1Click();
    if (m_active < 0)
        return false;
    PageRecord& record = m_pages.at(m_active);
    if (!mayOverwriteOnDisk(record))
        return false;
    if (!writeEditorTo(m_currentFile, record.format))
        return false;
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(false);
    setSaveEnabled(false);
    return true;
}

bool PageManager::mayOverwriteOnDisk(PageRecord& record)
{
    switch (PageFile::compare(record.fileName, record.disk)) {
    case DiskChange::None:
        return true;
    case DiskChange::Deleted:
        return m_prompts->confirmation(PageTexts::deletedSaveQuestion(record.fileName));
    case DiskChange::Changed:
        break;
    }
    switch (m_prompts->outsideChange(PageTexts::changedOnDisk(record.fileName))) {
    case OutsideChangeAnswer::Overwrite:
        return true;
    case OutsideChangeAnswer::Reload:
        reloadActivePage();
        return false;
    case OutsideChangeAnswer::Cancel:
        break;
    }
    return false;
}

void PageManager::reloadActivePage()
{
    PageRecord& record = m_pages.at(m_active);
    const PageReadResult read = PageFile::read(record.fileName);
    if (!read.ok) {
        m_prompts->error(PageTexts::readFailed(record.fileName, read.errorString));
        return;
    }
    record.format = read.page.format;
    record.disk = read.stamp;
    replaceEditorTextKeepingUndo(read.page.utf8);
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(false);
    setSaveEnabled(false);
    finishBackup();
    m_pageBackup.cancel();
    m_swapFiles.remove(swapFileOf(record));
    emit previewUpdateRequested();
}

// One undoable step, so the text the editor held before comes back with Undo.
void PageManager::replaceEditorTextKeepingUndo(const QByteArray& utf8)
{
    m_editor->scintilla()->selectAll();
    m_editor->insertBlock(utf8);
    m_editor->SetSelection(EditorLine::first, 0, EditorLine::first, 0);
}

void PageManager::checkActivePageOnDisk()
{
    if (m_checkingDisk || m_recovering || m_active < 0 || m_active >= m_pages.count())
        return;
    PageRecord& record = m_pages.at(m_active);
    const DiskChange change = PageFile::compare(record.fileName, record.disk);
    if (change == DiskChange::None)
        return;
    // The question itself deactivates and reactivates the window: ask once per outside change.
    const QFileInfo info(record.fileName);
    const DiskStamp seen{info.exists(), info.exists() ? info.size() : -1,
                         info.exists() ? info.lastModified().toMSecsSinceEpoch() : 0, {}};
    if (seen.exists == record.askedAbout.exists && seen.size == record.askedAbout.size
        && seen.modified == record.askedAbout.modified)
        return;
    record.askedAbout = seen;
    m_checkingDisk = true;
    if (change == DiskChange::Deleted) {
        m_prompts->information(PageTexts::deletedOnDisk(record.fileName));
    } else {
        switch (m_prompts->outsideChange(PageTexts::changedOnDisk(record.fileName))) {
        case OutsideChangeAnswer::Reload:
            reloadActivePage();
            break;
        case OutsideChangeAnswer::Overwrite:
            if (writeEditorTo(record.fileName, record.format)) {
                m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
                m_editor->setModified(false);
                setSaveEnabled(false);
            }
            break;
        case OutsideChangeAnswer::Cancel:
            break;
        }
    }
    m_checkingDisk = false;
}

bool PageManager::SaveAs1Click()
{
    if (m_active < 0)
        return false;
    const bool newPage = samePageFile(m_currentFile, newPageFilePath());
    const QString startDirectory = !newPage                    ? m_currentDirectory
                                   : !m_pageDirectory.isEmpty() ? m_pageDirectory
                                       : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = m_dialogs->saveFileName(startDirectory,
                                                   newPage ? nameWithoutPath(m_currentFile) : m_saveDialogFileName,
                                                   QString::fromLatin1(PageTexts::saveFilter), 1);
    if (chosen.isEmpty())
        return false;
    // The name keeps the case it was typed in: on a case-sensitive file system a lower-cased
    // name is another file, and every link to the page would break.
    const QString fileName = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    const int open = m_pages.indexOfFile(fileName);
    if (open >= 0 && open != m_active) {
        m_prompts->error(QStringLiteral("%1 is open in another tab. Close that tab first, or choose another name.")
                             .arg(fileName));
        return false;
    }
    if (QFileInfo::exists(fileName) && !m_prompts->warning(QString::fromLatin1(PageTexts::overwriteQuestion)))
        return false;
    if (!writeEditorTo(fileName, m_pages.at(m_active).format))
        return false;
    carryCompanions(QFileInfo(m_currentFile).absolutePath(), QFileInfo(fileName).absolutePath());
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(false);
    setSaveEnabled(false);
    setCaption(fileName);
    setCurrentDirectoryFromFile(fileName);
    m_pageDirectory = m_currentDirectory;
    m_currentFile = fileName;
    m_saveDialogFileName = fileName;
    m_editor->setFileName(fileName);
    SetLastFiles(fileName);
    RenameSaveAsFile(fileName);
    return true;
}

void PageManager::addCompanions(const QStringList& fileNames)
{
    if (m_active < 0 || m_active >= m_pages.count())
        return;
    QStringList& companions = m_pages.at(m_active).companions;
    for (const QString& name : fileNames) {
        if (!companions.contains(name))
            companions << name;
    }
}

void PageManager::carryCompanions(const QString& fromDirectory, const QString& toDirectory)
{
    if (samePageFile(fromDirectory, toDirectory))
        return;
    QStringList failures;
    for (const QString& name : m_pages.at(m_active).companions) {
        const QString target = QDir(toDirectory).filePath(name);
        // A file of that name already there is the user's: it stays.
        if (QFileInfo::exists(target))
            continue;
        QFile source(QDir(fromDirectory).filePath(name));
        if (!source.copy(target))
            failures << QStringLiteral("%1: %2").arg(source.fileName(), source.errorString());
    }
    if (!failures.isEmpty())
        m_prompts->error(QStringLiteral("The page was saved, but these files it shows could not be copied beside it:\n%1")
                             .arg(failures.join(QLatin1Char('\n'))));
}

void PageManager::RenameSaveAsFile(const QString& fileName)
{
    if (m_active < 0)
        return;
    PageRecord& record = m_pages.at(m_active);
    record.fileName = fileName;
    record.swapFile = freeSwapFileFor(fileName);
    showTabMark(false);
    m_tabs->setToolTip(fileName);
    setStatusText(fileName);
    if (record.inProject)
        m_prompts->information(QString::fromLatin1(PageTexts::saveAsLeftProject));
    record.inProject = false;
}

QString PageManager::swapFileOf(const PageRecord& record) const
{
    return record.swapFile.isEmpty() ? swapFileName(record.fileName) : record.swapFile;
}

// A backup awaiting the user's decision keeps its name: this run's copy goes beside it.
QString PageManager::freeSwapFileFor(const QString& pageFile) const
{
    const QString usual = swapFileName(pageFile);
    const QList<OrphanSwapFile> waiting = m_swapFiles.orphansOf(pageFile);
    const auto held = [&](const QString& name) {
        return std::any_of(waiting.begin(), waiting.end(),
                           [&](const OrphanSwapFile& backup) { return samePageFile(backup.swapFile, name); });
    };
    if (!held(usual))
        return QString();
    for (int number = 1;; ++number) {
        const QString candidate = usual + QString::number(number);
        if (!held(candidate) && m_swapFiles.mayWrite(candidate))
            return candidate;
    }
}

void PageManager::offerRecovery(QList<OrphanSwapFile> backups)
{
    // A backup that holds just what its page holds costs nothing to lose.
    backups.removeIf([this](const OrphanSwapFile& backup) {
        const PageReadResult swap = PageFile::read(backup.swapFile);
        const PageReadResult page = PageFile::read(backup.pageFile);
        if (!swap.ok || !page.ok || swap.stamp.hash != page.stamp.hash)
            return false;
        m_swapFiles.discard(backup);
        return true;
    });
    if (backups.isEmpty())
        return;
    const QList<RecoveryAnswer> answers = m_prompts->recover(backups);
    for (int i = 0; i < backups.size(); ++i) {
        switch (answers.value(i, RecoveryAnswer::DecideLater)) {
        case RecoveryAnswer::Recover:
            recoverPage(backups.at(i));
            break;
        case RecoveryAnswer::Discard:
            if (!m_swapFiles.discard(backups.at(i)))
                m_prompts->error(PageTexts::discardFailed(backups.at(i).swapFile));
            break;
        case RecoveryAnswer::DecideLater:
            break;
        }
    }
}

void PageManager::recoverPage(const OrphanSwapFile& backup)
{
    const PageReadResult swap = PageFile::read(backup.swapFile);
    if (!swap.ok) {
        m_prompts->error(PageTexts::recoverFailed(backup.pageFile, backup.swapFile, swap.errorString));
        return;
    }
    if (!QFileInfo(backup.pageFile).isFile()) {
        m_prompts->error(PageTexts::recoverFailed(backup.pageFile, backup.swapFile,
                                                  QStringLiteral("The page itself no longer exists.")));
        return;
    }
    m_recovering = true;
    const bool opened = LoadFile(backup.pageFile, false) && m_active >= 0;
    m_recovering = false;
    if (!opened)
        return;
    PageRecord& record = m_pages.at(m_active);
    // The backup becomes this run's swap file for the page; a copy this run made under another
    // name is not needed any more.
    finishBackup();
    m_swapFiles.takeOver(backup);
    if (!samePageFile(swapFileOf(record), backup.swapFile))
        m_swapFiles.remove(swapFileOf(record));
    record.swapFile = samePageFile(backup.swapFile, swapFileName(record.fileName)) ? QString() : backup.swapFile;
    replaceEditorTextKeepingUndo(swap.page.utf8);
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(true);
    setSaveEnabled(true);
    emit previewScrollRequested(0);
}

// The editor gives a copy of its text at once; writing it to disk, which may wait on the disk
// for longer than a frame, happens on a worker thread.
void PageManager::backupActivePage()
{
    finishBackup();
    if (m_active < 0 || m_active >= m_pages.count())
        return;
    const PageRecord& record = m_pages.at(m_active);
    m_backupJob = std::async(std::launch::async, [this, swap = swapFileOf(record), page = record.fileName,
                                                  bytes = pageBytes()] {
        BackupResult result{swap, page, false, {}};
        result.written = m_swapFiles.write(swap, bytes, &result.error, page);
        QMetaObject::invokeMethod(this, &PageManager::finishBackup, Qt::QueuedConnection);
        return result;
    });
}

void PageManager::finishBackup()
{
    if (!m_backupJob.valid())
        return;
    const BackupResult result = m_backupJob.get();
    const int index = m_pages.indexOfFile(result.pageFile);
    if (index < 0)
        return;
    PageRecord& record = m_pages.at(index);
    if (result.written) {
        record.swapFailureReported = false;
        return;
    }
    // Typing goes on whatever happens here: the status bar says it once, no box interrupts.
    if (!record.swapFailureReported) {
        record.swapFailureReported = true;
        setStatusText(PageTexts::backupFailed(result.swapFile, result.error));
    }
}

void PageManager::backupScratch()
{
    QString error;
    if (!SaveSpareEditorContents(&error))
        setStatusText(error);
}

void PageManager::writeSwapFile(PageRecord& record)
{
    finishBackup();
    const QString swap = swapFileOf(record);
    QString error;
    if (m_swapFiles.write(swap, PageCodec::encode(record.heldText, record.format.encoding), &error, record.fileName)) {
        record.swapFailureReported = false;
        return;
    }
    // The text is still held in memory, so the page loses nothing; say so once per page.
    if (!record.swapFailureReported) {
        record.swapFailureReported = true;
        m_prompts->error(QStringLiteral("Could not write the backup %1:\n%2\n\nThe page's text is kept in memory; "
                                        "save the page to keep it on disk.")
                             .arg(swap, error));
    }
}

void PageManager::SaveToPageHandle()
{
    if (m_active < 0 || m_active >= m_pages.count())
        return;
    PageRecord& record = m_pages.at(m_active);
    const EditorSelection selection = m_editor->GetSelection();
    record.startLine = selection.StartLine;
    record.startPosition = selection.StartPos;
    record.endLine = selection.EndLine;
    record.endPosition = selection.EndPos;
    record.previewPosition = m_previewPosition ? m_previewPosition() : 0;
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    record.modified = m_editor->modified();
    record.heldText = editorBytes(m_editor);
    m_pageBackup.cancel();
    writeSwapFile(record);
}

void PageManager::LoadFromPageHandle()
{
    if (m_active < 0 || m_active >= m_pages.count())
        return;
    PageRecord& record = m_pages.at(m_active);
    setCurrentDirectoryFromFile(record.fileName);
    m_saveDialogFileName = nameWithoutPath(record.fileName);
    m_currentFile = record.fileName;
    setStatusText(record.fileName);
    m_tabs->setToolTip(record.fileName);
    setCaption(record.fileName);

    // The held text is the page; its swap file beside it is only the backup.
    m_loadingText = true;
    setEditorBytes(m_editor, record.heldText, record.format.newLineStyle);
    m_loadingText = false;
    record.heldText.clear();
    m_editor->setFileName(record.fileName);
    m_editor->SetSelection(record.startLine, record.startPosition, record.endLine, record.endPosition);
    m_editor->ensureCaretVisible();
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(record.modified);
    setSaveEnabled(record.modified);
    emit previewScrollRequested(record.previewPosition);
    m_editor->setFocus();
}

void PageManager::ClearPage()
{
    m_loadingText = true;
    setEditorBytes(m_editor, QByteArray(), LineEnds::CrLf);
    m_loadingText = false;
    m_editor->setFileName(TLEdit::untitledFileName);
    m_editor->setModified(false);
    m_currentFile.clear();
    setCaption(QString());
    emit previewUpdateRequested();
}

bool PageManager::CloseActivePage()
{
    if (m_pages.isEmpty() || m_active < 0)
        return false;
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    if (m_editor->modified() && !m_prompts->confirmation(PageTexts::closeWithoutSaving(m_currentFile)))
        return false;

    const int closing = m_active;
    finishBackup();
    m_pageBackup.cancel();
    m_swapFiles.remove(swapFileOf(m_pages.at(closing)));
    ClearPage();
    const int count = m_pages.count();
    const int next = closing == count - 1 ? closing - 1 : closing + 1;
    if (count < 2) {
        emit previewCleared();
    } else {
        setActiveTab(next);
        LoadFromPageHandle();
    }
    tabIndexGuarded([&] {
        m_tabs->removeTab(closing);
        return 0;
    });
    m_pages.removeAt(closing);
    m_active = m_pages.isEmpty() ? -1 : (next > closing ? next - 1 : next);
    if (m_active >= 0)
        setActiveTab(m_active);
    if (m_pages.isEmpty()) {
        m_tabs->setToolTip(QString());
        setSaveEnabled(false);
        setStatusText(QString());
    }
    updatePagesOpen();
    return true;
}

void PageManager::ClosePageClick()
{
    CloseActivePage();
}

bool PageManager::CloseAllPages()
{
    while (!m_pages.isEmpty()) {
        if (!CloseActivePage())
            return false;
    }
    return true;
}

void PageManager::CloseAllClick()
{
    CloseAllPages();
}

void PageManager::WebPageChange()
{
    if (m_loadingText)
        return;
    if (m_pages.isEmpty())
        return;
    if (m_editor->modified() && !m_saveEnabled)
        setSaveEnabled(true);
    m_pageBackup.changed();
}

QByteArray PageManager::pageBytes() const
{
    const PageEncoding encoding = m_active >= 0 && m_active < m_pages.count() ? m_pages.at(m_active).format.encoding
                                                                               : PageEncoding::Utf8;
    return PageCodec::encode(editorBytes(m_editor), encoding);
}

QString PageManager::chooseFile()
{
    return m_dialogs->openFileName(m_currentDirectory, openPageFilter(PageSettings::webExtensions(*m_settings),
                                                                      PageSettings::graphicExtensions(*m_settings)));
}

void PageManager::adoptProgramCopy(const QString& path)
{
    m_swapFiles.adopt(path);
}

void PageManager::WebPageTabsMouseUp()
{
    if (m_active < 0 || m_currentFile.isEmpty())
        return;
    const QString directory = directoryOf(m_currentFile);
    QDir::setCurrent(directory);
    const PageFormat format = m_pages.at(m_active).format;
    const QByteArray bytes = PageCodec::encode(editorBytes(m_editor), format.encoding);
    QStringList failures;
    finishBackup();
    const QString swap = swapFileOf(m_pages.at(m_active));
    for (const QString& target : {swap, QDir(directory).filePath(QString::fromLatin1(PageTexts::browserCopyFileName))}) {
        QString error;
        if (!m_swapFiles.write(target, bytes, &error, target == swap ? m_currentFile : QString()))
            failures.append(target + QStringLiteral(": ") + error);
    }
    // A click on the tab strip must not raise a box; the status panel tells the truth instead.
    setStatusText(failures.isEmpty() ? QString::fromLatin1(PageTexts::backupSaved)
                                     : QStringLiteral("The backup was not written. ") + failures.join(QLatin1Char(' ')));
}

void PageManager::FileDrag1Drop(const QStringList& fileNames)
{
    for (const QString& fileName : fileNames) {
        LoadFile(fileName, false);
        updatePagesOpen();
        if (!m_pages.isEmpty())
            m_editor->setFocus();
    }
}

void PageManager::WebPageDragDrop(const QString& outlineItemText)
{
    // An outline page item reads "description - file name".
    const qsizetype dash = outlineItemText.indexOf(QLatin1Char('-'));
    if (dash < 0 || m_pages.isEmpty())
        return;
    QString fileName = outlineItemText.mid(dash + 1);
    if (fileName.startsWith(QLatin1Char(' ')))
        fileName.remove(0, 1);
    emit linkInsertRequested(QStringLiteral("<A HREF=\"") + fileName + QStringLiteral("\">"), QStringLiteral("</A>"));
    m_editor->setFocus();
}

void PageManager::InsertFile1Click()
{
    if (m_pages.isEmpty() || !m_spare)
        return;
    const QString fileName = chooseFile();
    if (fileName.isEmpty())
        return;
    const PageReadResult read = PageFile::read(fileName);
    if (!read.ok) {
        m_prompts->error(PageTexts::readFailed(fileName, read.errorString));
        return;
    }
    // The file passes through the internal clipboard editor. Its own text is saved to its file
    // as before, but it comes back from memory: a scratch file that could not be written, or
    // an empty scratch pad that left an old file in place, must not change what it held.
    const QByteArray held = editorBytes(m_spare);
    const bool heldModified = m_spare->modified();
    SaveSpareEditorContents();
    setEditorBytes(m_spare, read.page.utf8, read.page.format.newLineStyle);
    m_editor->insertBlock(editorBytes(m_spare));
    setEditorBytes(m_spare, held, m_spareFormat.newLineStyle);
    m_spare->setModified(heldModified);
    m_editor->setFocus();
}

bool PageManager::LoadSpareEditorContents(QString* errorString)
{
    if (!m_spare)
        return true;
    const QString fileName = scratchFilePath();
    if (!QFileInfo::exists(fileName))
        return true;
    const PageReadResult read = PageFile::read(fileName);
    if (!read.ok) {
        const QString message = PageTexts::readFailed(fileName, read.errorString);
        if (errorString)
            *errorString = message;
        else
            m_prompts->error(message);
        return false;
    }
    m_spareFormat = read.page.format;
    setEditorBytes(m_spare, read.page.utf8, read.page.format.newLineStyle);
    m_spare->setModified(false);
    return true;
}

bool PageManager::SaveSpareEditorContents(QString* errorString)
{
    if (!m_spare)
        return true;
    const QByteArray text = editorBytes(m_spare);
    if (text.isEmpty())
        return true;
    const QString fileName = scratchFilePath();
    QString error;
    if (!PageFile::write(fileName, PageCodec::encode(text, m_spareFormat.encoding), &error)) {
        const QString message = PageTexts::writeFailed(fileName, error);
        if (errorString)
            *errorString = message;
        else
            m_prompts->error(message);
        return false;
    }
    m_spare->setModified(false);
    return true;
}

void PageManager::ToggleScratchPadClick()
{
    showHelper(8);
}
