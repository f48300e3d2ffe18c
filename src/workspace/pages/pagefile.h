#pragma once

#include "workspace/pages/pagecodec.h"

#include <QString>

// What a page file was like when the editor last read or wrote it, to notice another program's
// changes. The hash settles whether a file whose time stamp moved really changed.
struct DiskStamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modified = 0;
    QByteArray hash;
};

enum class DiskChange { None, Changed, Deleted };

struct PageReadResult {
    bool ok = false;
    QString errorString;
    DecodedPage page;
    qint64 size = 0;
    DiskStamp stamp;
};

// Reading and writing whole page files. Writes go through a temporary file in the same directory
// that is renamed over the target only when every byte is on disk, so a failed or interrupted
// save never leaves a truncated page behind. A file with several hard links is the exception:
// renaming would split it from its other names, so it is written in place.
class PageFile
{
public:
    static PageReadResult read(const QString& path);
    static bool write(const QString& path, const QByteArray& bytes, QString* errorString);
    // Whether write() overwrites the file itself (several hard links) instead of replacing it.
    static bool writesInPlace(const QString& path);
    // The stamp of a file whose contents are known to be `bytes`.
    static DiskStamp stamp(const QString& path, const QByteArray& bytes);
    // Whether the file differs from `known`; a file only touched refreshes the time in `known`.
    static DiskChange compare(const QString& path, DiskStamp& known);
};
