#include "workspace/tags/insertimage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

CopyResult CopyToPageDirectory(const QString& path, const QString& pageDirectory)
{
    CopyResult result;
    const QFileInfo source(path);
    result.fileName = source.fileName();
    const QString target = QDir(pageDirectory).filePath(result.fileName);
    if (QFileInfo::exists(target)) {
        result.ok = true;
        return result;
    }
    if (!source.isFile()) {
        result.errorString = QStringLiteral("Cannot find the picture %1.").arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (!QDir(pageDirectory).exists()) {
        result.errorString = QStringLiteral("Cannot find directory %1.").arg(QDir::toNativeSeparators(pageDirectory));
        return result;
    }
    QFile file(path);
    if (!file.copy(target)) {
        result.errorString = QStringLiteral("Cannot copy %1 to %2: %3")
                                 .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(pageDirectory),
                                      file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

QStringList filesWithExtensions(const QString& directory, const QString& extensions)
{
    QStringList patterns;
    for (const QString& extension : extensions.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString trimmed = extension.trimmed();
        if (!trimmed.isEmpty())
            patterns << QStringLiteral("*.") + trimmed;
    }
    if (patterns.isEmpty())
        return {};
    QDir dir(directory);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList files = dir.entryList();
    files.removeDuplicates();
    return files;
}

QSize imageSize(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid())
        return size;
    const QImage image = reader.read();
    return image.isNull() ? QSize() : image.size();
}

QString imageGalleryPage(const QString& directory, const QStringList& files)
{
    QString page = QStringLiteral("<H2 align=\"center\">Select an image below to insert into the toolbar</H2>\r\n");
    for (const QString& file : files) {
        const QString path = QDir(directory).filePath(file);
        page += QStringLiteral("<a href=\"%1\"><img src=\"%1\"></a><br>\r\n").arg(path);
    }
    return page;
}
