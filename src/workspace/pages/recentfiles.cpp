#include "workspace/pages/recentfiles.h"

RecentFiles::RecentFiles()
{
    setEntries({});
}

void RecentFiles::setEntries(const QStringList& entries)
{
    m_entries = entries.mid(0, Count);
    while (m_entries.size() < Count)
        m_entries.append(QString());
}

bool RecentFiles::add(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    const qsizetype place = m_entries.indexOf(fileName);
    if (place == 0)
        return false;
    if (place > 0)
        m_entries.removeAt(place);
    else
        m_entries.removeLast();
    m_entries.prepend(fileName);
    return true;
}
