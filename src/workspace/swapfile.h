#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

// The swap file of a page: its file name with "_" appended, in the page's own directory.
QString swapFileName(const QString& pageFileName);

// The copies of pages that the program writes on its own (swap files, the tab-strip backup, the
// browser copy) must never land on a file the user made. This registry remembers every such file
// that the program created during this run; a path that already existed before the program's
// first write to it belongs to someone else and is never written or deleted. A leftover from an
// earlier run is treated the same way: it may be the only copy of work lost in a crash.
class SwapFileRegistry
{
public:
    bool mayWrite(const QString& path) const;
    bool write(const QString& path, const QByteArray& bytes, QString* errorString);
    // Deletes the file only when this run created it; returns whether it is gone.
    bool remove(const QString& path);
    bool owns(const QString& path) const;

private:
    static QString key(const QString& path);
    QSet<QString> m_created;
};
