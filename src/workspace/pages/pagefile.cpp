#include "workspace/pages/pagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
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
