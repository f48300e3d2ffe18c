#include "workspace/preview/browserfinder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessera::workspace {

QStringList BrowserFinder::masksFor(const QString& additional)
{
    QStringList masks{QStringLiteral("netscape.exe"), QStringLiteral("ie*.exe"), QStringLiteral("firefox*"),
                      QStringLiteral("chromium*"), QStringLiteral("google-chrome*"), QStringLiteral("epiphany*"),
                      QStringLiteral("konqueror")};
    if (!additional.trimmed().isEmpty())
        masks << additional.trimmed();
    return masks;
}

void BrowserFinder::start(const QString& root, const QStringList& masks)
{
    m_root = root.isEmpty() ? QDir::currentPath() : root;
    m_masks = masks;
    m_mask = 0;
    m_running = !m_masks.isEmpty();
    beginMask();
}

void BrowserFinder::beginMask()
{
    m_stack.clear();
    m_visited.clear();
    if (m_running)
        m_stack.push_back(QDir(m_root).absolutePath());
}

void BrowserFinder::cancel()
{
    m_running = false;
    m_stack.clear();
}

bool BrowserFinder::step(const Found& found)
{
    while (m_running && m_stack.isEmpty()) {
        if (++m_mask >= m_masks.size()) {
            m_running = false;
            return false;
        }
        beginMask();
    }
    if (!m_running)
        return false;
    QString directory = m_stack.takeLast();
    QString canonical = QFileInfo(directory).canonicalFilePath();
    if (canonical.isEmpty() || m_visited.contains(canonical))
        return true;
    m_visited.insert(canonical);
    QDir dir(directory);
    const QFileInfoList files =
        dir.entryInfoList(QStringList{m_masks[m_mask]}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& file : files) {
        if (!found(file.absoluteFilePath())) {
            cancel();
            return false;
        }
    }
    const QFileInfoList subdirectories = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    // Pushed in reverse, so they are searched in listing order.
    for (auto it = subdirectories.rbegin(); it != subdirectories.rend(); ++it) {
        if (it->isSymLink())
            continue; // links may lead back up the tree
        m_stack.push_back(it->absoluteFilePath());
    }
    return true;
}

void BrowserFinder::run(const Found& found)
{
    while (step(found)) {
    }
}

} // namespace tessera::workspace
