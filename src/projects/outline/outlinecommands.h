#pragma once

#include "projects/model/projectpaths.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class PagePrompts;
class TOutline;

// What the outline's commands need from the main window.
struct OutlineHost {
    QString programDirectory;
    PagePrompts* prompts = nullptr;
    // The file names of the open pages.
    std::function<QStringList()> openFiles;
    // Opens a file as a page of a project and gives the editor the focus; an open page's tab is
    // made current instead.
    std::function<void(const QString& fileName)> openPage;
    // Shows a page's file in the split preview without opening it in the editor.
    std::function<void(const QString& fileName)> viewPage;
    // The project settings dialog for the selected project; none until it exists.
    std::function<void()> openProjectSettings;
};

// The outline's own operations on its selected entry: where its files are, opening it, viewing
// it, and moving a dragged page to another project.
class OutlineCommands : public QObject {
    Q_OBJECT
public:
    OutlineCommands(TOutline* outline, OutlineHost host, QObject* parent = nullptr);

    // The selected entry's project directory.
    ProjectLocation GetProjectDir() const;
    // The selected entry's file: its project directory and its path.
    ProjectLocation GetSelectedFilename() const;
    // Whether the selected entry's file is open as a page; says so to the user when it is.
    bool IsSelectedFileOpen() const;

    // Selects the project of the selected entry, puts `text` among its pages in order and
    // selects the new entry.
    void AddThePage(const QString& text);

    // Deletes the files of the selected project's pages, first to last, with their swap files,
    // and their entries. A file that cannot be deleted asks whether its entry goes anyway; a kept
    // entry ends the run.
    void DeleteChildren();

    // Opens the selected page (Enter); the settings entry opens the project settings.
    void LoadProjectpage();
    // A double click: as Enter, but a page already open is refused with a message.
    void openByDoubleClick();
    // F3: the selected page's file as text, whatever its name.
    void openSelectedAsText();
    void viewSelectedPage();
    // The selected page dragged onto `project`: its file moves there, then its entry.
    void Outline1DragDrop(int project);

private:
    void openFile(const ProjectLocation& file);

    TOutline* m_outline;
    OutlineHost m_host;
};
