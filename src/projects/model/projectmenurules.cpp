#include "projects/model/projectmenurules.h"

ProjectItemStates projectItemStates(bool outlineEmpty, SelectedEntry selected)
{
    ProjectItemStates states{};
    auto set = [&states](ProjectItem item, bool enabled) { states[static_cast<std::size_t>(item)] = enabled; };
    if (outlineEmpty)
        selected = SelectedEntry::None;
    const bool any = selected != SelectedEntry::None;
    const bool page = selected == SelectedEntry::Page;
    const bool project = selected == SelectedEntry::Project;
    set(ProjectItem::NewProject, true);
    set(ProjectItem::Pages, !outlineEmpty);
    set(ProjectItem::NewPage, any);
    set(ProjectItem::ImportPage, any);
    for (ProjectItem item : {ProjectItem::ViewPage, ProjectItem::DeletePage, ProjectItem::CopyMovePage,
                             ProjectItem::EditPageDescription, ProjectItem::RenameFile})
        set(item, page);
    set(ProjectItem::EditProjectDescription, project);
    set(ProjectItem::DeleteProject, project);
    return states;
}
