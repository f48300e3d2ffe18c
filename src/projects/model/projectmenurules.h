#pragma once

#include <array>
#include <cstddef>

// The items of the Projects menu and the outline's pop-up menu whose state follows the outline.
// Items with the same job in both menus share one entry.
enum class ProjectItem {
    ViewPage,
    NewPage,
    ImportPage,
    DeletePage,
    CopyMovePage,
    EditPageDescription,
    RenameFile,
    EditProjectDescription,
    DeleteProject,
    NewProject,
    Pages,
    Count
};

enum class SelectedEntry { None, Project, Page };

using ProjectItemStates = std::array<bool, static_cast<std::size_t>(ProjectItem::Count)>;

// Which items are enabled for the outline as it is: page items for a selected page, project items
// for a selected project, "Pages" and New Project whenever there is an outline to work on.
ProjectItemStates projectItemStates(bool outlineEmpty, SelectedEntry selected);

inline bool isEnabled(const ProjectItemStates& states, ProjectItem item)
{
    return states[static_cast<std::size_t>(item)];
}
