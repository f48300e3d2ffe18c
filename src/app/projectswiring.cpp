#include "app/projectswiring.h"

#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "projects/model/outlinefile.h"
#include "projects/model/projectmenurules.h"
#include "projects/outline/outlinecommands.h"
#include "projects/model/outlineentry.h"
#include "projects/outline/toutline.h"
#include "workspace/pages/pagemanager.h"

#include <QDropEvent>
#include <QMenu>
#include <QSplitter>

namespace {

constexpr int shownPercent = 25;

const std::pair<ProjectItem, Command> itemCommands[] = {
    {ProjectItem::ViewPage, Command::ProjectViewPage},
    {ProjectItem::NewPage, Command::PageNew},
    {ProjectItem::ImportPage, Command::PageImport},
    {ProjectItem::DeletePage, Command::PageDelete},
    {ProjectItem::CopyMovePage, Command::PageCopyMove},
    {ProjectItem::EditPageDescription, Command::PageEditDescription},
    {ProjectItem::RenameFile, Command::PageRenameFile},
    {ProjectItem::EditProjectDescription, Command::ProjectEditDescription},
    {ProjectItem::DeleteProject, Command::ProjectDelete},
    {ProjectItem::NewProject, Command::ProjectNew},
    {ProjectItem::Pages, Command::ProjectPages},
};

SelectedEntry selectedEntry(const OutlinePosition& position)
{
    if (position.isPage())
        return SelectedEntry::Page;
    return position.isProject() ? SelectedEntry::Project : SelectedEntry::None;
}

} // namespace

ProjectsWiring::ProjectsWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
    , m_outline(new TOutline)
{
    window.setOutlineWidget(m_outline);
    WorkspaceWiring& workspace = window.workspace();
    OutlineHost host;
    host.programDirectory = window.programDirectory().path();
    host.prompts = &workspace.prompts();
    host.openFiles = [&workspace] {
        QStringList files;
        for (int i = 0; i < workspace.pages().pageCount(); ++i)
            files << workspace.pages().page(i).fileName;
        return files;
    };
    host.openPage = [this, &workspace](const QString& fileName) {
        workspace.pages().LoadFile(fileName, true);
        if (m_window.isPageOpen())
            m_window.webPage()->setFocus();
    };
    host.viewPage = [&workspace](const QString& fileName) { workspace.preview().split().LoadDocFile(fileName); };
    m_commands = new OutlineCommands(m_outline, std::move(host), this);
    m_file = std::make_unique<OutlineFile>(window.programDirectory().filePath(ProjectTexts::outlineFile));

    wireCommands();
    connectOutline();
    connectEditorDrops();
    installLifecycleSteps();
    checkMenus();
}

ProjectsWiring::~ProjectsWiring() = default;

void ProjectsWiring::wireCommands()
{
    CommandRegistry& commands = m_window.commands();
    commands.setHandler(Command::ProjectViewPage, [this] { m_commands->viewSelectedPage(); });
    commands.setHandler(Command::ProjectDisplay, [this] { DisplayProjectsClick(); });
    MainMenus& menus = m_window.menus();
    QMenu* pages = commands.action(Command::ProjectPages)->menu();
    for (QMenu* menu : {menus.projectsMenu(), pages, menus.projectPopup()})
        connect(menu, &QMenu::aboutToShow, this, &ProjectsWiring::checkMenus);
}

void ProjectsWiring::connectOutline()
{
    connect(m_outline, &TOutline::entryDoubleClicked, m_commands, &OutlineCommands::openByDoubleClick);
    connect(m_outline, &TOutline::entryKeyPressed, this, &ProjectsWiring::entryKeyPressed);
    connect(m_outline, &TOutline::pageDropped, m_commands, &OutlineCommands::Outline1DragDrop);
    // Shortcuts work without their menu being opened, so the items follow the selection.
    connect(m_outline, &QTreeWidget::currentItemChanged, this, &ProjectsWiring::checkMenus);
    connect(m_outline, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        m_window.menus().projectPopup()->popup(m_outline->viewport()->mapToGlobal(position));
    });
}

void ProjectsWiring::connectEditorDrops()
{
    TLEdit* editor = m_window.webPage();
    // Only a page of the outline makes a link; everything else is the editor's own business.
    connect(editor, &TLEdit::OnDragOver, this, [this](QDragMoveEvent* event, bool* handled) {
        if (*handled || m_outline->draggedEntry(event->mimeData()).isEmpty())
            return;
        event->setDropAction(Qt::CopyAction);
        event->accept();
        *handled = true;
    });
    connect(editor, &TLEdit::OnDragDrop, this, [this](QDropEvent* event, bool* handled) {
        const QString entry = m_outline->draggedEntry(event->mimeData());
        if (*handled || entry.isEmpty())
            return;
        m_window.workspace().pages().WebPageDragDrop(entry);
        event->setDropAction(Qt::CopyAction);
        event->accept();
        *handled = true;
    });
}

void ProjectsWiring::installLifecycleSteps()
{
    Lifecycle& lifecycle = m_window.lifecycle();
    lifecycle.setHandler(LifecycleStep::LoadProjectOutline, [this] {
        ProjectOutline outline;
        const bool complete = m_file->load(outline);
        m_outline->setOutline(std::move(outline));
        checkMenus();
        return complete ? StepResult::success() : StepResult::failure(m_file->errorString());
    });
    lifecycle.setHandler(LifecycleStep::SaveProjectOutline, [this] {
        return m_file->save(m_outline->outline()) ? StepResult::success() : StepResult::failure(m_file->errorString());
    });
}

void ProjectsWiring::settingsRead()
{
    const TLEdit* editor = m_window.webPage();
    m_outline->setLook(editor->editorFont(), editor->fontColor(), editor->Color());
    m_panelShown = showProjectPanel(m_window.settings());
    m_window.commands().setChecked(Command::ProjectDisplay, m_panelShown);
}

void ProjectsWiring::checkMenus()
{
    const ProjectItemStates states =
        projectItemStates(m_outline->outline().isEmpty(), selectedEntry(m_outline->selectedPosition()));
    for (const auto& [item, command] : itemCommands)
        m_window.commands().setEnabled(command, isEnabled(states, item));
}

void ProjectsWiring::entryKeyPressed(int key)
{
    checkMenus();
    CommandRegistry& commands = m_window.commands();
    switch (key) {
    case Qt::Key_Return:
        m_commands->LoadProjectpage();
        break;
    case Qt::Key_Delete:
        if (!commands.trigger(Command::ProjectDelete))
            commands.trigger(Command::PageDelete);
        break;
    case Qt::Key_F3:
        if (commands.wantsEnabled(Command::PageDelete))
            m_commands->openSelectedAsText();
        break;
    default:
        break;
    }
}

void ProjectsWiring::DisplayProjectsClick()
{
    // The menu item checks itself when clicked but the button does not: our own state decides.
    m_panelShown = !m_panelShown;
    m_window.commands().setChecked(Command::ProjectDisplay, m_panelShown);
    QSplitter* splitter = m_window.mainSplitter();
    const QList<int> sizes = splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int outline = m_panelShown ? total * shownPercent / 100 : 0;
    splitter->setSizes({outline, total - outline, sizes.value(2)});
}
