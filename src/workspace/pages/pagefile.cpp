#include "workspace/pages/pagefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

QByteArray hashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

bool writeInPlace(const QString& path, const QByteArray& bytes, QString* errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        || file.write(bytes) != bytes.size()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool PageFile::writesInPlace(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && status.st_nlink > 1;
}

PageReadResult PageFile::read(const QString& path)
{
    PageReadResult result;
    const QFileInfo info(path);
    if (info.isDir()) {
        result.errorString = QStringLiteral("It is a directory, not a file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorString = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.errorString = file.errorString();
        return result;
    }
    result.size = bytes.size();
    result.stamp = stamp(path, bytes);
    result.page = PageCodec::decode(bytes);
    result.ok = true;
    return result;
}

bool PageFile::write(const QString& path, const QByteArray& bytes, QString* errorString)
{
    if (QFileInfo(path).isDir()) {
        if (errorString)
            *errorString = QStringLiteral("It is a directory, not a file.");
        return false;
    }
    if (writesInPlace(path))
        return writeInPlace(path, bytes, errorString);
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in the count instead of passing unseen
    // at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

DiskStamp PageFile::stamp(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch(), hashOf(bytes)};
}

DiskChange PageFile::compare(const QString& path, DiskStamp& known)
{
    const QFileInfo info(path);
    if (!info.exists())
        return known.exists ? DiskChange::Deleted : DiskChange::None;
    if (!known.exists)
        return DiskChange::Changed;
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    if (info.size() == known.size && modified == known.modified)
        return DiskChange::None;
    if (info.size() != known.size)
        return DiskChange::Changed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DiskChange::Changed;
    if (hashOf(file.readAll()) != known.hash)
        return DiskChange::Changed;
    known.modified = modified;
    return DiskChange::None;
}
