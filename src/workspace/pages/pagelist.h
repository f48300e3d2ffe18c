#pragma once

#include "workspace/pages/pagecodec.h"
#include "workspace/pages/pagefile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One open page, at the same index as its tab.
struct PageRecord {
    // Given when the page is opened; unlike its index or file name it stays while it is open.
    quint64 id = 0;
    bool inProject = false;
    QString fileName;
    bool modified = false;
    int startLine = 0;
    int endLine = 0;
    int startPosition = 0;
    int endPosition = 0;
    qint32 previewPosition = 0;

    // How the file was written, so a save writes it back the same way.
    PageFormat format;
    // The text of an inactive page. The swap file beside the page is only a backup of it: a swap
    // file that could not be written, or that vanished, must not cost the page its text.
    QByteArray heldText;
    // A failed swap-file write is reported once per page, not on every tab switch.
    bool swapFailureReported = false;
    // The swap file this run uses when the usual name is held by a backup still awaiting the
    // user's decision; empty for the usual name.
    QString swapFile;
    // The page file as last read or written, and the outside change last asked about, so the
    // same change is not asked about again each time the window becomes active.
    DiskStamp disk;
    DiskStamp askedAbout;
    // Files put beside the page for it (a new page's pictures), named as the page names them;
    // Save As into another folder takes them along so the page still shows them.
    QStringList companions;
};

// Two names denote the same page when they lead to the same file: same absolute path, or the
// same file after resolving links.
bool samePageFile(const QString& a, const QString& b);

class PageList
{
public:
    int count() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.isEmpty(); }
    PageRecord& at(int index) { return m_pages[index]; }
    const PageRecord& at(int index) const { return m_pages[index]; }
    void append(PageRecord record)
    {
        record.id = ++m_lastId;
        m_pages.append(std::move(record));
    }
    void removeAt(int index) { m_pages.removeAt(index); }
    // The index of the page open on that file, or -1.
    int indexOfFile(const QString& fileName) const;

private:
    QList<PageRecord> m_pages;
    quint64 m_lastId = 0;
};
