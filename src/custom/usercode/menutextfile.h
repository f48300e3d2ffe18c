#pragma once

#include <QByteArray>
#include <QString>

// A user tag menu file as one editable text: read as UTF-8, or as Windows-1252 when it is not
// valid UTF-8, and written as UTF-8 with CR LF after every line.
namespace MenuTextFile {

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

} // namespace MenuTextFile
