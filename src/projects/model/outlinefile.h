#pragma once

#include "projects/model/projectoutline.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The outline's own file: one line per entry in outline order, a page line led by one TAB,
// each line ended by CR LF. It is read at start and written at shutdown only.
class OutlineFile {
public:
    explicit OutlineFile(QString path) : m_path(std::move(path)) {}

    // Fills `outline` with every entry that can be placed. A missing file is an empty outline.
    // Returns false when the file could not be read or some of its lines could not be placed;
    // errorString() then names the file and the lines, and the next save keeps the file as found.
    bool load(ProjectOutline& outline);
    // Replaces the file with the outline. After a load that returned false the file as found is
    // first kept beside it as the backup; when that fails the file is left alone and false comes
    // back, as it does when the write fails.
    bool save(const ProjectOutline& outline);
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }
    QString backupPath() const;

    // Lines (counted from 1) that cannot be placed go to `unplacedLines`: a page before any
    // project, or a line led by more than one TAB.
    static ProjectOutline parse(const QByteArray& bytes, QList<int>* unplacedLines);
    static QByteArray serialize(const ProjectOutline& outline);

private:
    bool keepBackup();

    QString m_path;
    bool m_damaged = false;
    QString m_error;
};
