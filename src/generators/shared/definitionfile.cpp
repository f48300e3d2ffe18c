#include "generators/shared/definitionfile.h"

#include "generators/builders/definitionfile.h"

#include <QFile>
#include <QSaveFile>

bool DefinitionFile::read(QStringList& lines)
{
    lines.clear();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot read %1: %2").arg(m_fileName, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    for (const std::string& line : tessera::generators::decodeDefinitionFile({bytes.constData(), std::size_t(bytes.size())}))
        lines << QString::fromStdString(line);
    return true;
}

bool DefinitionFile::write(const QStringList& lines)
{
    std::vector<std::string> utf8Lines;
    utf8Lines.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        utf8Lines.push_back(line.toStdString());
    const std::string bytes = tessera::generators::encodeDefinitionFile(utf8Lines);
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())
        || !file.commit()) {
        m_error = QStringLiteral("Cannot write %1: %2").arg(m_fileName, file.errorString());
        return false;
    }
    return true;
}

QString DefinitionFile::filter(const QString& caption, const QString& extension)
{
    return QStringLiteral("%1 (*.%2 *.%3)").arg(caption, extension.toLower(), extension.toUpper());
}
