#pragma once

#include "workspace/pages/pageprompts.h"

#include <QObject>
#include <QStringList>

#include <memory>

class AttributeEditor;
class CustomWiring;
class EditingWiring;
class PageManager;
class PreviewWiring;
class SpellCheckCommand;
class QMimeData;
class TForm1;
class TagInserter;
class ToolBook;
class TypedKeyFilter;
struct TagOptions;

// Connects the page handling and tag insertion to the main window: their commands, tool book
// tabs, user tag menus, typed keys and double clicks, and the window's caption, status panel
// and shutdown. The window keeps its layout and menus; this class only joins the parts.
class WorkspaceWiring : public QObject {
    Q_OBJECT
public:
    // The prompts and dialogs are the window's own by default; tests pass stand-ins.
    WorkspaceWiring(TForm1& window, std::unique_ptr<PagePrompts> prompts = {},
                    std::unique_ptr<PageFileDialogs> dialogs = {});
    ~WorkspaceWiring() override;

    PageManager& pages() const { return *m_pages; }
    TagInserter& tags() const { return *m_tags; }
    ToolBook& toolBook() const { return *m_toolBook; }
    PreviewWiring& preview() const { return *m_preview; }
    EditingWiring& editing() const { return *m_editing; }
    SpellCheckCommand& spellCheck() const { return *m_spell; }
    // The message boxes of page handling, which the project outline shares.
    PagePrompts& prompts() const { return *m_prompts; }
    CustomWiring& custom() const { return *m_custom; }

    // Runs once the settings are read: the editors take their look, the recent-file list and
    // the AutoLoad page follow.
    void settingsRead();
    // Rebuilds the three user tag menus from their files.
    void loadUserMenus();
    // The spell checker takes the record's spelling settings.
    void applySpellSettings();
    // Files dropped on the window; returns whether any local file was among them.
    bool dropFiles(const QMimeData* data);
    // Opens pages as File > Open does, in order, the last one active (the command line's and
    // those a second start hands over).
    void openFiles(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wirePageCommands();
    void wireTagCommands();
    void connectPageSignals();
    void installLifecycleSteps();
    void toggleInternalClipboard();
    void wireSpellCheck();
    void spellCheckRunning(bool running);
    void showRecentFiles(const QStringList& entries);
    TagOptions tagOptions() const;

    TForm1& m_window;
    std::unique_ptr<PagePrompts> m_prompts;
    std::unique_ptr<PageFileDialogs> m_dialogs;
    PageManager* m_pages = nullptr;
    TagInserter* m_tags = nullptr;
    ToolBook* m_toolBook = nullptr;
    TypedKeyFilter* m_pageKeys = nullptr;
    TypedKeyFilter* m_spareKeys = nullptr;
    AttributeEditor* m_attributes = nullptr;
    PreviewWiring* m_preview = nullptr;
    EditingWiring* m_editing = nullptr;
    SpellCheckCommand* m_spell = nullptr;
    CustomWiring* m_custom = nullptr;
    bool m_spareShown = false;
};
