#include "projects/model/projectpaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

bool namesWindowsDrive(const QString& storedPath)
{
    return storedPath.size() >= 2 && storedPath.at(0).isLetter() && storedPath.at(0).unicode() < 128
        && storedPath.at(1) == QLatin1Char(':');
}

ProjectLocation projectDirectory(const QString& storedPath, const QString& programDirectory)
{
    const QString path = withSlashes(storedPath);
    if (namesWindowsDrive(path))
        return {path, true};
    if (path.startsWith(QLatin1Char('/')))
        return {QDir::cleanPath(path), false};
    return {QDir::cleanPath(programDirectory + QLatin1Char('/') + path), false};
}

ProjectLocation fileInProject(const ProjectLocation& location, const QString& name)
{
    const QString path = location.path + QLatin1Char('/') + withSlashes(name);
    if (location.onWindowsDrive)
        return {path, true};
    const QFileInfo info(QDir::cleanPath(path));
    return {QDir(info.path()).filePath(existingSpelling(info.path(), info.fileName())), false};
}

QString existingSpelling(const QString& directory, const QString& name)
{
    const QDir folder(directory);
    if (name.isEmpty() || folder.exists(name))
        return name;
    QString found;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return name; // more than one spelling: none of them is the file meant
        found = entry;
    }
    return found.isEmpty() ? name : found;
}
