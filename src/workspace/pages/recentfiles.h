#pragma once

#include <QStringList>

// The four most recently opened or saved pages, most recent first. Paths are kept whole: a
// shortened path would open the wrong file.
class RecentFiles
{
public:
    static constexpr int Count = 4;

    RecentFiles();
    // Missing entries become empty, extra ones are dropped.
    void setEntries(const QStringList& entries);
    QStringList entries() const { return m_entries; }
    // Moves the name to the top; returns whether the list changed.
    bool add(const QString& fileName);

private:
    QStringList m_entries;
};
