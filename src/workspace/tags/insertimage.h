#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Putting a picture beside the page it is used in.
struct CopyResult {
    bool ok = false;
    // The file's name inside the page directory.
    QString fileName;
    QString errorString;
};

// Copies the file into the directory under its own name. A file of that name already there is
// kept as it is (and counts as success: the page can use it); a missing source or a failed copy
// is a failure with a message, so no tag names a picture that is not there.
CopyResult CopyToPageDirectory(const QString& path, const QString& pageDirectory);

// The files of a directory whose extension is in the comma-separated list (compared ignoring
// case), sorted, without duplicates.
QStringList filesWithExtensions(const QString& directory, const QString& extensions);

// Width and height of a picture, or an empty size when it cannot be read.
QSize imageSize(const QString& path);

// The page that shows every picture of a directory as a clickable image.
QString imageGalleryPage(const QString& directory, const QStringList& files);
