#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The swap file of a page: its file name with "_" appended, in the page's own directory.
QString swapFileName(const QString& pageFileName);

// The copies of pages that the program writes on its own (swap files, the tab-strip backup, the
// browser copy) must never land on a file the user made. The registry remembers the size and
// time stamp of every such file it wrote; a file is the program's own only while both still
// match. Anything else at that path (a file that was there first, or one the user has changed
// or replaced since) is never written over or deleted. With a store file the memory lasts
// from one run to the next, so the browser copy of an earlier run stays writable.
class SwapFileRegistry
{
public:
    explicit SwapFileRegistry(const QString& storeFile = QString());

    bool mayWrite(const QString& path) const;
    bool write(const QString& path, const QByteArray& bytes, QString* errorString);
    // Deletes the file only when it is the program's own; returns whether it is gone.
    bool remove(const QString& path);
    bool owns(const QString& path) const;
    // Takes a copy the program wrote by other means (the browser copy) as its own.
    void adopt(const QString& path);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    static QString key(const QString& path);
    static Stamp stampOf(const QString& path);
    void load();
    void save() const;

    QString m_storeFile;
    QHash<QString, Stamp> m_written;
};
