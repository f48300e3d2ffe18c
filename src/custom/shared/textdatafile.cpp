#include "custom/shared/textdatafile.h"

#include "workspace/pages/pagecodec.h"

#include <QFile>
#include <QStringList>

namespace TextDataFile {

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.state = ReadResult::State::Unreadable;
        result.errorString = file.errorString();
        return result;
    }
    result.state = ReadResult::State::Read;
    result.text = textFromBytes(file.readAll());
    return result;
}

QString textFromBytes(const QByteArray& bytes)
{
    const QByteArray utf8 = PageCodec::isValidUtf8(bytes.constData(), bytes.size())
        ? bytes
        : PageCodec::windows1252ToUtf8(bytes);
    QString text = QString::fromUtf8(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QByteArray bytesFromText(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end ends the last line; it does not start another.
    if (lines.last().isEmpty())
        lines.removeLast();
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace TextDataFile
