#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Reads and writes a generator's definition file, one line of text per line of the file, in the
// encodings and line ends older copies of the program read too.
class DefinitionFile {
public:
    explicit DefinitionFile(QString fileName) : m_fileName(std::move(fileName)) {}

    // False, with errorString() saying why, when the file cannot be read; the lines are then empty.
    bool read(QStringList& lines);
    // Writes through a temporary file, so a failed write leaves the old file as it was.
    bool write(const QStringList& lines);
    QString errorString() const { return m_error; }

    // A file dialog filter for `extension` in either case, as other systems write the names.
    static QString filter(const QString& caption, const QString& extension);

private:
    QString m_fileName;
    QString m_error;
};
