#pragma once

#include "app/commands.h"
#include "app/menurules.h"

#include <QKeySequence>
#include <QString>

#include <map>

class CommandRegistry;
class QMenu;
class QMenuBar;
class QWidget;

// Builds the main menu and the pop-up menus, registering every item with the command
// registry. Submenus that other subsystems fill at run time (the user tag menus, the recent
// files, the history) are reachable by name.
class MainMenus {
public:
    MainMenus(QMenuBar* menuBar, CommandRegistry& registry, QWidget* shortcutOwner);

    QMenu* topMenu(MenuId menu) const;
    QMenu* projectsMenu() const { return m_projects; }
    QMenu* historyMenu() const { return m_history; }
    QMenu* editorPopup() const { return m_editorPopup; }
    QMenu* editorPopupEdit() const { return m_editorPopupEdit; }
    QMenu* previewPopup() const { return m_previewPopup; }
    QMenu* projectPopup() const { return m_projectPopup; }

    // The three user tag menus (Block Tags, Text Attributes, Additional Tags).
    QMenu* blockHighlights() const { return m_blockHighlights; }
    QMenu* textAttributes() const { return m_textAttributes; }
    QMenu* userDefinedTags() const { return m_userDefinedTags; }

private:
    void buildFile(QMenuBar* bar);
    void buildProjects(QMenuBar* bar);
    void buildEdit(QMenuBar* bar);
    void buildSearch(QMenuBar* bar);
    void buildPage(QMenuBar* bar);
    void buildInsert(QMenuBar* bar);
    void buildHtmlCodes(QMenuBar* bar);
    void buildOptions(QMenuBar* bar);
    void buildHistory(QMenuBar* bar);
    void buildHelp(QMenuBar* bar);
    void buildEditorPopup();
    void buildPreviewPopup();
    void buildProjectPopup();

    CommandRegistry& m_registry;
    QWidget* m_shortcutOwner;
    std::map<MenuId, QMenu*> m_top;
    QMenu* m_projects = nullptr;
    QMenu* m_history = nullptr;
    QMenu* m_editorPopup = nullptr;
    QMenu* m_editorPopupEdit = nullptr;
    QMenu* m_previewPopup = nullptr;
    QMenu* m_projectPopup = nullptr;
    QMenu* m_blockHighlights = nullptr;
    QMenu* m_textAttributes = nullptr;
    QMenu* m_userDefinedTags = nullptr;
};
