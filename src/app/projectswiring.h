#pragma once

#include <QObject>

#include <memory>

class OutlineCommands;
class OutlineFile;
class TForm1;
class TOutline;

// Puts the project outline beside the editor and joins it to the main window: the Projects menu
// and the outline's pop-up menu with their enabling, the outline's keys, double click and drops,
// the outline file at start and shutdown, and showing or hiding the outline.
class ProjectsWiring : public QObject {
    Q_OBJECT
public:
    explicit ProjectsWiring(TForm1& window);
    ~ProjectsWiring() override;

    TOutline& outline() const { return *m_outline; }
    OutlineCommands& outlineCommands() const { return *m_commands; }

    // Once the settings are read: the outline's look and whether it is shown.
    void settingsRead();

private:
    void wireCommands();
    void connectOutline();
    void connectEditorDrops();
    void installLifecycleSteps();
    // CheckPageMenu and CheckProjectMenu together: the items follow the selected entry.
    void checkMenus();
    void entryKeyPressed(int key);
    void DisplayProjectsClick();

    TForm1& m_window;
    TOutline* m_outline = nullptr;
    OutlineCommands* m_commands = nullptr;
    std::unique_ptr<OutlineFile> m_file;
    bool m_panelShown = true;
};
