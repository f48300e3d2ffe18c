#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace tessera::workspace {

// Looks for browser programs under a folder, one directory per step, so that a dialog can run
// it from a timer and stop it at any time. Files of a directory are reported before its
// subdirectories are entered; each directory is entered once, whatever links point at it.
class BrowserFinder {
public:
    // The masks searched, in order: the built-in names, then the user's extra name or mask.
    static QStringList masksFor(const QString& additional);

    // Returns false to stop the search.
    using Found = std::function<bool(const QString& path)>;

    void start(const QString& root, const QStringList& masks);
    // Searches one directory; false once the search is over.
    bool step(const Found& found);
    // Runs to the end (for tests and small folders).
    void run(const Found& found);
    void cancel();
    bool running() const { return m_running; }

private:
    void beginMask();

    QString m_root;
    QStringList m_masks;
    int m_mask = 0;
    QVector<QString> m_stack;
    QSet<QString> m_visited;
    bool m_running = false;
};

} // namespace tessera::workspace
