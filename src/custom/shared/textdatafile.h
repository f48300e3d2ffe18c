#pragma once

#include <QByteArray>
#include <QString>

// A data file of the program's own (user tag menus, custom button files) as one text: read as
// UTF-8, or as Windows-1252 when it is not valid UTF-8, and written as UTF-8 with CR LF after
// every line.
namespace TextDataFile {

struct ReadResult {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    // Line ends as "\n".
    QString text;
    QString errorString;
};

ReadResult read(const QString& path);

QString textFromBytes(const QByteArray& bytes);
QByteArray bytesFromText(const QString& text);

} // namespace TextDataFile
