#include "custom/buttons/buttonfile.h"

#include "custom/shared/textdatafile.h"

#include <QSaveFile>

namespace ButtonFile {

QString fileName(int page)
{
    return QStringLiteral("page%1.btn").arg(page + 1);
}

QString field(const QString& line, int n)
{
    const QStringList fields = line.split(QLatin1Char('|'));
    return n < fields.size() ? fields.at(n) : QString();
}

Button parseLine(const QString& line)
{
    Button button;
    button.caption = field(line, 0);
    button.source = field(line, 1);
    const QString type = field(line, 2).trimmed();
    if (type == QLatin1String("1"))
        button.tagType = TagType::StandardDouble;
    else if (type == QLatin1String("2"))
        button.tagType = TagType::UnevenDouble;
    if (field(line, 3).trimmed() == QLatin1String("1"))
        button.dropDownStyle = DropDownStyle::SingleWithAlign;
    return button;
}

QString formatLine(const QString& caption, const QString& source, int tagType, int dropDownStyle)
{
    return caption + QLatin1Char('|') + source + QLatin1Char('|') + QString::number(tagType) + QLatin1Char('|')
        + QString::number(dropDownStyle);
}

QStringList padded(QStringList lines)
{
    while (lines.size() < slotCount)
        lines << emptyLine;
    return lines;
}

ReadResult read(const QString& path)
{
    const TextDataFile::ReadResult file = TextDataFile::read(path);
    ReadResult result;
    switch (file.state) {
    case TextDataFile::ReadResult::State::Missing:
        return result;
    case TextDataFile::ReadResult::State::Unreadable:
        result.status = ReadResult::Status::Unreadable;
        result.error = file.errorString;
        return result;
    case TextDataFile::ReadResult::State::Read:
        break;
    }
    result.status = ReadResult::Status::Read;
    if (file.text.isEmpty())
        return result;
    result.lines = file.text.split(QLatin1Char('\n'));
    // The line end after the last line does not start another one.
    if (result.lines.last().isEmpty())
        result.lines.removeLast();
    return result;
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    QSaveFile file(path);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace ButtonFile
