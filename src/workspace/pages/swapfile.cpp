#include "workspace/pages/swapfile.h"

#include "workspace/pages/pagefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString swapFileName(const QString& pageFileName)
{
    return pageFileName + QLatin1Char('_');
}

SwapFileRegistry::SwapFileRegistry(const QString& storeFile)
    : m_storeFile(storeFile)
{
    load();
}

QString SwapFileRegistry::key(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

SwapFileRegistry::Stamp SwapFileRegistry::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool SwapFileRegistry::owns(const QString& path) const
{
    const auto found = m_written.constFind(key(path));
    return found != m_written.constEnd() && QFileInfo::exists(path) && *found == stampOf(path);
}

bool SwapFileRegistry::mayWrite(const QString& path) const
{
    return !QFileInfo::exists(path) || owns(path);
}

bool SwapFileRegistry::write(const QString& path, const QByteArray& bytes, QString* errorString)
{
    if (!owns(path)) {
        // Claim the name atomically: NewOnly fails if anything is there or appears meanwhile.
        QFile claim(path);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (errorString) {
                *errorString = QFileInfo::exists(path)
                    ? QStringLiteral("The file already exists and was not made by Tessera, so it is left untouched.")
                    : claim.errorString();
            }
            return false;
        }
        claim.close();
    }
    const bool written = PageFile::write(path, bytes, errorString);
    m_written.insert(key(path), stampOf(path));
    save();
    return written;
}

void SwapFileRegistry::adopt(const QString& path)
{
    m_written.insert(key(path), stampOf(path));
    save();
}

bool SwapFileRegistry::remove(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        if (m_written.remove(key(path)))
            save();
        return true;
    }
    if (!owns(path) || !QFile::remove(path))
        return false;
    m_written.remove(key(path));
    save();
    return true;
}

// One line per file: size, time stamp in milliseconds and path, separated by tabs.
void SwapFileRegistry::load()
{
    if (m_storeFile.isEmpty())
        return;
    QFile file(m_storeFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() != 3)
            continue;
        bool sizeOk = false, timeOk = false;
        const Stamp stamp{fields[0].toLongLong(&sizeOk), fields[1].toLongLong(&timeOk)};
        const QString path = QString::fromUtf8(fields[2]);
        if (sizeOk && timeOk && !path.isEmpty())
            m_written.insert(key(path), stamp);
    }
}

void SwapFileRegistry::save() const
{
    if (m_storeFile.isEmpty())
        return;
    QByteArray text;
    for (auto it = m_written.constBegin(); it != m_written.constEnd(); ++it) {
        // Files gone since are forgotten, so the list does not grow without end.
        if (stampOf(it.key()) == Stamp{})
            continue;
        text += QByteArray::number(it->size) + '\t' + QByteArray::number(it->modified) + '\t' + it.key().toUtf8() + '\n';
    }
    // A list that cannot be written only means that the next run leaves these files alone.
    PageFile::write(m_storeFile, text, nullptr);
}
