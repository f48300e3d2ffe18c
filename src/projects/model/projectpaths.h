#pragma once

#include <QString>

// Where a project's files are on disk. A stored path that starts with "/" is absolute; one that
// starts with a drive letter and ":" ("C:\web") came from a Windows-made file and names nothing
// here; any other path lies below the program directory. A "\" in a stored path reads as "/".
struct ProjectLocation {
    QString path;
    // The stored path names a Windows drive: the place is missing, and is never created.
    bool onWindowsDrive = false;

    bool isReachable() const { return !onWindowsDrive; }
};

bool namesWindowsDrive(const QString& storedPath);

ProjectLocation projectDirectory(const QString& storedPath, const QString& programDirectory);

// The file `name` in `location`: the exact spelling when it exists, else the one file whose name
// matches ignoring case, else the exact spelling (where a new file would go).
ProjectLocation fileInProject(const ProjectLocation& location, const QString& name);

// `name` in `directory` ignoring case when the exact spelling is missing and exactly one file
// matches; otherwise the exact spelling.
QString existingSpelling(const QString& directory, const QString& name);
