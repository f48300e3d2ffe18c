#include "projects/model/themes.h"

#include "projects/model/outlineentry.h"
#include "projects/model/projectpaths.h"

#include <QDir>
#include <QFileInfo>

QStringList themeNames(const QString& programDirectory)
{
    QDir themes(themesDirectory(programDirectory));
    themes.setNameFilters({QStringLiteral("t_*.gif")});
    themes.setFilter(QDir::Files | QDir::Readable);
    themes.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : themes.entryList())
        names << QFileInfo(file).completeBaseName().mid(2);
    return names;
}

QString themesDirectory(const QString& programDirectory)
{
    const QDir program(programDirectory);
    return QDir::cleanPath(program.filePath(existingSpelling(program.path(), ProjectTexts::themesDirectory)));
}
