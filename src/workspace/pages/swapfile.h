#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QString>

#include <memory>

class QLockFile;

// The swap file of a page: its file name with "_" appended, in the page's own directory.
QString swapFileName(const QString& pageFileName);

// A swap file that a run which is gone left behind, with the page it belongs to.
struct OrphanSwapFile {
    QString swapFile;
    QString pageFile;
    QDateTime written;
};

// The copies of pages that the program writes on its own (swap files, the tab-strip backup, the
// browser copy) must never land on a file the user made. The registry remembers the size and
// time stamp of every such file it wrote, and which run wrote it; a file is this run's own only
// while both still match. Anything else at that path (a file that was there first, or one the
// user has changed or replaced since) is never written over or deleted.
//
// Each run holds a lock beside the store file for as long as it lives, so the swap files of a
// run that crashed can be told apart from those of a run still going: they are orphans, kept
// until the user decides what becomes of them. The browser copies of earlier runs are taken
// over, since they hold nothing that is not in a page.
//
// The active page is backed up from a worker thread, so every operation holds the registry's lock.
class SwapFileRegistry
{
public:
    explicit SwapFileRegistry(const QString& storeFile = QString());
    ~SwapFileRegistry();

    bool mayWrite(const QString& path) const;
    // `pageFile` names the page a swap file belongs to; empty for the browser copy.
    bool write(const QString& path, const QByteArray& bytes, QString* errorString,
               const QString& pageFile = QString());
    // Deletes the file only when it is the program's own; returns whether it is gone.
    bool remove(const QString& path);
    bool owns(const QString& path) const;
    // Takes a copy the program wrote by other means (the browser copy) as its own.
    void adopt(const QString& path);

    QList<OrphanSwapFile> orphans() const;
    QList<OrphanSwapFile> orphansOf(const QString& pageFile) const;
    // A recovered swap file becomes this run's own; a discarded one is deleted.
    void takeOver(const OrphanSwapFile& orphan);
    bool discard(const OrphanSwapFile& orphan);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp stamp;
        QString run;
        QString page;
    };
    static QString key(const QString& path);
    static Stamp stampOf(const QString& path);
    bool isOrphan(const QString& path, const Entry& entry) const;
    bool runIsAlive(const QString& run) const;
    QString lockFileOf(const QString& run) const;
    void removeLocksOfEndedRuns() const;
    QHash<QString, Entry> readStore() const;
    void load();
    void save();
    void record(const QString& path, const QString& page);
    void forget(const QString& path);

    QString m_storeFile;
    QString m_run;
    std::unique_ptr<QLockFile> m_lock;
    QHash<QString, Entry> m_written;
    QSet<QString> m_forgotten;
    // A run found gone stays gone; one found alive is asked again, since it may end meanwhile.
    mutable QSet<QString> m_deadRuns;
    mutable QRecursiveMutex m_mutex;
};
