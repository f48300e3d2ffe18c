#pragma once

#include <QString>
#include <QStringList>

// The per-user folder that holds every data file Tessera reads and writes (tips, menus, button
// pages, project outline, scratch pad). The executable's own directory is usually read-only, so
// the shipped copies that sit beside it are only a source: on first start they are copied into
// the user's folder, and a file the user already has there is never replaced.
class ProgramDirectory {
public:
    ProgramDirectory(QString userDirectory, QString shippedDirectory);

    // The per-user data location and the data installed beside the executable.
    static ProgramDirectory standardLocation();

    // Creates the user folder if needed and copies in every shipped file it lacks. Returns false
    // when something could not be created or copied; errorString() then names each failure, and
    // whatever could be copied is in place.
    bool populate();
    QString errorString() const { return m_errors.join(QLatin1Char('\n')); }

    // The folder, always with a trailing separator.
    QString path() const;
    QString shippedPath() const { return m_shippedDirectory; }

    // Where the data file with this name lives: an existing file whose name matches without
    // regard to case, or else the name as given inside the folder (where a new file goes).
    QString filePath(const QString& name) const;

private:
    bool copyMissing(const QString& fromDirectory, const QString& toDirectory);

    QString m_userDirectory;
    QString m_shippedDirectory;
    QStringList m_errors;
};

// Finds `name` in `directory` regardless of letter case; an exact match wins. Returns the
// existing file's full path, or an empty string when there is none.
QString findFileIgnoringCase(const QString& directory, const QString& name);
