#include "workspace/pages/pagelist.h"

#include <QDir>
#include <QFileInfo>

bool samePageFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath()))
        return true;
    const QString canonicalFirst = first.canonicalFilePath();
    return !canonicalFirst.isEmpty() && canonicalFirst == second.canonicalFilePath();
}

int PageList::indexOfFile(const QString& fileName) const
{
    for (int i = 0; i < count(); ++i) {
        if (samePageFile(m_pages[i].fileName, fileName))
            return i;
    }
    return -1;
}
