#include "projects/outline/outlinecommands.h"

#include "projects/model/outlineentry.h"
#include "projects/outline/toutline.h"
#include "workspace/pages/pagelist.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/pages/pagetexts.h"
#include "workspace/pages/swapfile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Shows the hourglass for the length of a command.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString pathOf(const ProjectOutline& outline, const OutlinePosition& position)
{
    return OutlineEntry::split(outline.text(position)).path;
}

QString fileNamePart(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(slash + 1);
}

} // namespace

OutlineCommands::OutlineCommands(TOutline* outline, OutlineHost host, QObject* parent)
    : QObject(parent)
    , m_outline(outline)
    , m_host(std::move(host))
{
}

ProjectLocation OutlineCommands::GetProjectDir() const
{
    const ProjectOutline& outline = m_outline->outline();
    const OutlinePosition selected = m_outline->selectedPosition();
    const QString parentPath = selected.isPage() ? pathOf(outline, {selected.project, -1}) : QString();
    return projectDirectory(parentPath.isEmpty() ? pathOf(outline, selected) : parentPath, m_host.programDirectory);
}

ProjectLocation OutlineCommands::GetSelectedFilename() const
{
    return fileInProject(GetProjectDir(), pathOf(m_outline->outline(), m_outline->selectedPosition()));
}

bool OutlineCommands::IsSelectedFileOpen() const
{
    const ProjectLocation selected = GetSelectedFilename();
    if (!selected.isReachable() || !m_host.openFiles)
        return false;
    const QStringList open = m_host.openFiles();
    for (auto file = open.crbegin(); file != open.crend(); ++file) {
        if (samePageFile(*file, selected.path)) {
            m_host.prompts->information(ProjectTexts::selectedFileOpen);
            return true;
        }
    }
    return false;
}

void OutlineCommands::AddThePage(const QString& text)
{
    const OutlinePosition selected = m_outline->selectedPosition();
    if (!selected.isValid())
        return;
    m_outline->select(m_outline->insertPage(selected.project, text));
}

void OutlineCommands::DeleteChildren()
{
    const OutlinePosition selected = m_outline->selectedPosition();
    if (!selected.isProject())
        return;
    const ProjectLocation directory = GetProjectDir();
    const OutlinePosition first{selected.project, 0};
    while (m_outline->outline().contains(first)) {
        const ProjectLocation file = fileInProject(directory, pathOf(m_outline->outline(), first));
        if (file.isReachable() && QFile::remove(file.path)) {
            QFile::remove(swapFileName(file.path));
        } else if (!m_host.prompts->confirmation(QStringLiteral("Error removing file ") + file.path
                                                 + QStringLiteral(". Would you like to remove the project from the "
                                                                  "list anyway?"))) {
            break;
        }
        m_outline->removeEntry(first);
    }
    m_outline->select(selected);
}

void OutlineCommands::openFile(const ProjectLocation& file)
{
    if (!file.isReachable()) {
        m_host.prompts->information(QString::fromLatin1(PageTexts::couldNotFind) + file.path);
        return;
    }
    // The outline takes no clicks while the page loads.
    m_outline->setEnabled(false);
    m_host.openPage(file.path);
    m_outline->setEnabled(true);
}

void OutlineCommands::LoadProjectpage()
{
    const WaitCursor wait;
    const OutlinePosition selected = m_outline->selectedPosition();
    if (!selected.isPage())
        return;
    const ProjectLocation file = GetSelectedFilename();
    if (fileNamePart(pathOf(m_outline->outline(), selected)) != ProjectTexts::projectIniFile) {
        openFile(file);
        return;
    }
    if (m_host.openProjectSettings)
        m_host.openProjectSettings();
}

void OutlineCommands::openByDoubleClick()
{
    if (m_outline->selectedPosition().isPage() && IsSelectedFileOpen())
        return;
    LoadProjectpage();
}

void OutlineCommands::openSelectedAsText()
{
    if (m_outline->selectedPosition().isPage())
        openFile(GetSelectedFilename());
}

void OutlineCommands::viewSelectedPage()
{
    const ProjectLocation file = GetSelectedFilename();
    if (!m_outline->selectedPosition().isPage())
        return;
    if (!file.isReachable() || !QFileInfo::exists(file.path)) {
        m_host.prompts->information(QString::fromLatin1(PageTexts::couldNotFind) + file.path);
        return;
    }
    m_host.viewPage(file.path);
}

void OutlineCommands::Outline1DragDrop(int project)
{
    const OutlinePosition dragged = m_outline->selectedPosition();
    if (!dragged.isPage() || IsSelectedFileOpen())
        return;
    const QString text = m_outline->outline().text(dragged);
    const ProjectLocation source = GetSelectedFilename();
    const ProjectLocation target =
        projectDirectory(pathOf(m_outline->outline(), {project, -1}), m_host.programDirectory);
    if (!source.isReachable() || !target.isReachable()) {
        m_host.prompts->information(QString::fromLatin1(PageTexts::couldNotFind)
                                    + (source.isReachable() ? target.path : source.path));
        return;
    }
    const QString destination = target.path + QLatin1Char('/') + QFileInfo(source.path).fileName();
    // A file of that name in the target stays as it is: the move never replaces one.
    if (QFileInfo::exists(destination)) {
        m_host.prompts->information(ProjectTexts::cannotMoveOrCopy);
        return;
    }
    QFile file(source.path);
    if (!file.rename(destination)) {
        m_host.prompts->information(
            QStringLiteral("Could not move %1 to %2: %3").arg(source.path, target.path, file.errorString()));
        return;
    }
    m_outline->removeEntry(dragged);
    m_outline->select(m_outline->appendPage(project, text));
}
