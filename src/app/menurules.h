#pragma once

#include "app/commands.h"

#include <QString>

#include <vector>

// The menus whose items change state when they open.
enum class MenuId {
    File, Edit, Search, Page, Insert, HtmlCodes, Options, Help, EditorPopupEdit, PreviewPopup
};

enum class FocusTarget { Other, PageEditor, SpareEditor, SplitPreview };

// What the enabling rules look at, gathered from the window when a menu opens.
struct MenuState {
    bool pageOpen = false;
    FocusTarget focus = FocusTarget::Other;
    // Selection of the focused editor (or of the editor a pop-up belongs to).
    bool editorHasSelection = false;
    bool previewHasSelection = false;
    bool clipboardHasText = false;
    bool previewHasDocument = false;
    QString browser1Path;
    QString browser2Path;
};

struct CommandState {
    Command command;
    bool enabled = true;
    bool visible = true;
    QString text; // a new caption, or empty to keep the current one
};

// The states a menu's rule gives to its items when the menu opens. Items not listed keep
// their state.
std::vector<CommandState> menuRules(MenuId menu, const MenuState& state);

// The tool buttons that follow the same state as the menus, kept current as it changes.
struct ToolButtonStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool browser1 = false;
};
ToolButtonStates toolButtonStates(const MenuState& state);

// "View page in " and the browser's file name, the caption of a configured browser's item.
QString browserItemCaption(const QString& browserPath);
