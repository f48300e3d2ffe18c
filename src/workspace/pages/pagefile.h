#pragma once

#include "workspace/pages/pagecodec.h"

#include <QString>

struct PageReadResult {
    bool ok = false;
    QString errorString;
    DecodedPage page;
    qint64 size = 0;
};

// Reading and writing whole page files. Writes go through a temporary file in the same directory
// that is renamed over the target only when every byte is on disk, so a failed or interrupted
// save never leaves a truncated page behind.
class PageFile
{
public:
    static PageReadResult read(const QString& path);
    static bool write(const QString& path, const QByteArray& bytes, QString* errorString);
};
