#include "workspace/pages/swapfile.h"

#include "workspace/pages/pagefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

#include <algorithm>

QString swapFileName(const QString& pageFileName)
{
    return pageFileName + QLatin1Char('_');
}

SwapFileRegistry::SwapFileRegistry(const QString& storeFile)
    : m_storeFile(storeFile)
    , m_run(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    if (!m_storeFile.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(lockFileOf(m_run));
        // A live run's lock never goes stale by age, only when its process is gone.
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
        removeLocksOfEndedRuns();
    }
    load();
}

// A run killed before it wrote any swap file leaves only its lock, which nothing else would clear.
void SwapFileRegistry::removeLocksOfEndedRuns() const
{
    const QFileInfo store(m_storeFile);
    const QString prefix = store.completeBaseName() + QLatin1Char('-');
    const QStringList locks = QDir(store.absolutePath()).entryList({prefix + QStringLiteral("*.lock")}, QDir::Files);
    for (const QString& lock : locks)
        runIsAlive(lock.mid(prefix.size()).chopped(int(qstrlen(".lock"))));
}

SwapFileRegistry::~SwapFileRegistry() = default;

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

QString SwapFileRegistry::lockFileOf(const QString& run) const
{
    const QFileInfo store(m_storeFile);
    return QDir(store.absolutePath()).filePath(store.completeBaseName() + QLatin1Char('-') + run + QStringLiteral(".lock"));
}

bool SwapFileRegistry::runIsAlive(const QString& run) const
{
    if (run == m_run)
        return true;
    if (run.isEmpty() || m_storeFile.isEmpty())
        return false;
    if (m_deadRuns.contains(run))
        return false;
    QLockFile probe(lockFileOf(run));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        // Nobody holds it: the run is gone. Unlocking removes its lock file.
        probe.unlock();
        m_deadRuns.insert(run);
        return false;
    }
    // A lock we cannot judge is taken for a live run: its files are then left alone.
    return true;
}

bool SwapFileRegistry::owns(const QString& path) const
{
    const QMutexLocker locker(&m_mutex);
    const auto found = m_written.constFind(key(path));
    return found != m_written.constEnd() && found->run == m_run && QFileInfo::exists(path)
        && found->stamp == stampOf(path);
}

bool SwapFileRegistry::isOrphan(const QString& path, const Entry& entry) const
{
    return !entry.page.isEmpty() && entry.run != m_run && QFileInfo::exists(path) && entry.stamp == stampOf(path)
        && !runIsAlive(entry.run);
}

bool SwapFileRegistry::mayWrite(const QString& path) const
{
    const QMutexLocker locker(&m_mutex);
    return !QFileInfo::exists(path) || owns(path);
}

bool SwapFileRegistry::write(const QString& path, const QByteArray& bytes, QString* errorString,
                             const QString& pageFile)
{
    const QMutexLocker locker(&m_mutex);
    const bool claimed = !owns(path);
    if (claimed) {
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
    if (!PageFile::write(path, bytes, errorString)) {
        // The empty file that claimed the name must not pass for a backup (a full disk).
        if (claimed)
            QFile::remove(path);
        return false;
    }
    record(path, pageFile);
    save();
    return true;
}

void SwapFileRegistry::adopt(const QString& path)
{
    const QMutexLocker locker(&m_mutex);
    record(path, QString());
    save();
}

bool SwapFileRegistry::remove(const QString& path)
{
    const QMutexLocker locker(&m_mutex);
    if (!QFileInfo::exists(path)) {
        if (m_written.contains(key(path))) {
            forget(path);
            save();
        }
        return true;
    }
    if (!owns(path) || !QFile::remove(path))
        return false;
    forget(path);
    save();
    return true;
}

QList<OrphanSwapFile> SwapFileRegistry::orphans() const
{
    const QMutexLocker locker(&m_mutex);
    QList<OrphanSwapFile> found;
    for (auto it = m_written.constBegin(); it != m_written.constEnd(); ++it) {
        if (isOrphan(it.key(), *it))
            found.append({it.key(), it->page, QFileInfo(it.key()).lastModified()});
    }
    std::sort(found.begin(), found.end(),
              [](const OrphanSwapFile& a, const OrphanSwapFile& b) { return a.swapFile < b.swapFile; });
    return found;
}

QList<OrphanSwapFile> SwapFileRegistry::orphansOf(const QString& pageFile) const
{
    const QMutexLocker locker(&m_mutex);
    QList<OrphanSwapFile> found = orphans();
    const QString page = key(pageFile);
    found.removeIf([&](const OrphanSwapFile& orphan) { return key(orphan.pageFile) != page; });
    return found;
}

void SwapFileRegistry::takeOver(const OrphanSwapFile& orphan)
{
    const QMutexLocker locker(&m_mutex);
    const auto found = m_written.find(key(orphan.swapFile));
    if (found == m_written.end() || !isOrphan(found.key(), *found))
        return;
    found->run = m_run;
    save();
}

bool SwapFileRegistry::discard(const OrphanSwapFile& orphan)
{
    const QMutexLocker locker(&m_mutex);
    const auto found = m_written.constFind(key(orphan.swapFile));
    if (found == m_written.constEnd() || !isOrphan(found.key(), *found) || !QFile::remove(orphan.swapFile))
        return false;
    forget(orphan.swapFile);
    save();
    return true;
}

void SwapFileRegistry::record(const QString& path, const QString& page)
{
    const QString k = key(path);
    m_written.insert(k, {stampOf(path), m_run, page.isEmpty() ? QString() : key(page)});
    m_forgotten.remove(k);
}

void SwapFileRegistry::forget(const QString& path)
{
    const QString k = key(path);
    m_written.remove(k);
    m_forgotten.insert(k);
}

// One line per file: size, time stamp in milliseconds, path, the run that wrote it and the page
// it belongs to, separated by tabs. Lines without a run come from runs that kept no lock; they
// count as left by a run that is gone.
QHash<QString, SwapFileRegistry::Entry> SwapFileRegistry::readStore() const
{
    QHash<QString, Entry> entries;
    QFile file(m_storeFile);
    if (m_storeFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        // Not trimmed: an empty page field at the end is still a field.
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3 && fields.size() != 5)
            continue;
        bool sizeOk = false, timeOk = false;
        Entry entry{{fields[0].toLongLong(&sizeOk), fields[1].toLongLong(&timeOk)}, {}, {}};
        const QString path = QString::fromUtf8(fields[2]);
        if (!sizeOk || !timeOk || path.isEmpty())
            continue;
        if (fields.size() == 5) {
            entry.run = QString::fromUtf8(fields[3]);
            entry.page = QString::fromUtf8(fields[4]);
        } else if (path.endsWith(QLatin1Char('_'))) {
            entry.page = path.chopped(1);
        }
        entries.insert(key(path), entry);
    }
    return entries;
}

void SwapFileRegistry::load()
{
    m_written = readStore();
    bool tookOver = false;
    for (auto it = m_written.begin(); it != m_written.end(); ++it) {
        if (it->page.isEmpty() && it->run != m_run && !runIsAlive(it->run)) {
            it->run = m_run;
            tookOver = true;
        }
    }
    if (tookOver)
        save();
}

void SwapFileRegistry::save()
{
    if (m_storeFile.isEmpty())
        return;
    // Other live runs share the store: their lines are kept as they wrote them.
    QHash<QString, Entry> entries = readStore();
    for (const QString& k : std::as_const(m_forgotten))
        entries.remove(k);
    for (auto it = m_written.constBegin(); it != m_written.constEnd(); ++it) {
        const auto there = entries.constFind(it.key());
        if (it->run == m_run || there == entries.constEnd() || !runIsAlive(there->run))
            entries.insert(it.key(), *it);
    }
    QByteArray text;
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        // Files gone since are forgotten, so the list does not grow without end.
        if (stampOf(it.key()) == Stamp{})
            continue;
        text += QByteArray::number(it->stamp.size) + '\t' + QByteArray::number(it->stamp.modified) + '\t'
            + it.key().toUtf8() + '\t' + it->run.toUtf8() + '\t' + it->page.toUtf8() + '\n';
    }
    // A list that cannot be written only means that the next run leaves these files alone.
    PageFile::write(m_storeFile, text, nullptr);
}
