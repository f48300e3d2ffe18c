#include "app/programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramDirectory::ProgramDirectory(QString userDirectory, QString shippedDirectory)
    : m_userDirectory(QDir::cleanPath(std::move(userDirectory)))
    , m_shippedDirectory(QDir::cleanPath(std::move(shippedDirectory)))
{
}

ProgramDirectory ProgramDirectory::standardLocation()
{
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessera");
    return ProgramDirectory(user, shipped);
}

QString ProgramDirectory::path() const
{
    return m_userDirectory + QLatin1Char('/');
}

QString ProgramDirectory::filePath(const QString& name) const
{
    QString found = findFileIgnoringCase(m_userDirectory, name);
    return found.isEmpty() ? path() + name : found;
}

bool ProgramDirectory::populate()
{
    m_errors.clear();
    if (!QDir().mkpath(m_userDirectory)) {
        m_errors << QStringLiteral("Cannot create the data folder %1").arg(QDir::toNativeSeparators(m_userDirectory));
        return false;
    }
    if (!QFileInfo(m_shippedDirectory).isDir())
        return true; // nothing shipped, e.g. a bare build: the program runs with what the user has
    return copyMissing(m_shippedDirectory, m_userDirectory);
}

bool ProgramDirectory::copyMissing(const QString& fromDirectory, const QString& toDirectory)
{
    bool ok = true;
    const QFileInfoList entries = QDir(fromDirectory).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString existing = findFileIgnoringCase(toDirectory, entry.fileName());
        const QString target = existing.isEmpty() ? toDirectory + QLatin1Char('/') + entry.fileName() : existing;
        if (entry.isDir()) {
            if (!QFileInfo(target).isDir() && !QDir().mkpath(target)) {
                m_errors << QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(target));
                ok = false;
                continue;
            }
            ok = copyMissing(entry.filePath(), target) && ok;
        } else if (existing.isEmpty()) {
            if (!QFile::copy(entry.filePath(), target)) {
                m_errors << QStringLiteral("Cannot copy %1 to %2").arg(entry.fileName(), QDir::toNativeSeparators(toDirectory));
                ok = false;
                continue;
            }
            // Installed data is often read-only; the user's copy must stay editable.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
        }
    }
    return ok;
}

QString findFileIgnoringCase(const QString& directory, const QString& name)
{
    if (name.isEmpty())
        return {};
    QDir dir(directory);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}
