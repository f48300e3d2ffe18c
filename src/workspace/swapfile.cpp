#include "workspace/swapfile.h"

#include "workspace/pagefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString swapFileName(const QString& pageFileName)
{
    return pageFileName + QLatin1Char('_');
}

QString SwapFileRegistry::key(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool SwapFileRegistry::owns(const QString& path) const
{
    return m_created.contains(key(path));
}

bool SwapFileRegistry::mayWrite(const QString& path) const
{
    return owns(path) || !QFileInfo::exists(path);
}

bool SwapFileRegistry::write(const QString& path, const QByteArray& bytes, QString* errorString)
{
    const QString k = key(path);
    if (!m_created.contains(k)) {
        // Claim the name atomically: NewOnly fails if anything appeared there meanwhile.
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
        m_created.insert(k);
    }
    return PageFile::write(path, bytes, errorString);
}

bool SwapFileRegistry::remove(const QString& path)
{
    const QString k = key(path);
    if (!m_created.contains(k))
        return !QFileInfo::exists(path);
    if (QFile::exists(path) && !QFile::remove(path))
        return false;
    m_created.remove(k);
    return true;
}
