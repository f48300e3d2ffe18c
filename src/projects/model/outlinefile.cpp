#include "projects/model/outlinefile.h"

#include "projects/model/outlineentry.h"
#include "workspace/pages/pagecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString lineList(const QList<int>& lines)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QString OutlineFile::backupPath() const
{
    return QFileInfo(m_path).dir().filePath(ProjectTexts::outlineBackupFile);
}

bool OutlineFile::load(ProjectOutline& outline)
{
    outline = {};
    m_error.clear();
    m_damaged = false;
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_damaged = true;
        m_error = QStringLiteral("Could not read the project list %1: %2.\nIt is kept as %3 when Tessera closes.")
                      .arg(m_path, file.errorString(), ProjectTexts::outlineBackupFile);
        return false;
    }
    QList<int> unplaced;
    outline = parse(file.readAll(), &unplaced);
    if (unplaced.isEmpty())
        return true;
    m_damaged = true;
    m_error = QStringLiteral("The project list %1 has entries that cannot be placed (line %2): a page before any "
                             "project, or more than one TAB.\nThe other entries are shown; the file as found is "
                             "kept as %3 when Tessera closes.")
                  .arg(m_path, lineList(unplaced), ProjectTexts::outlineBackupFile);
    return false;
}

bool OutlineFile::save(const ProjectOutline& outline)
{
    m_error.clear();
    if (m_damaged && QFile::exists(m_path) && !keepBackup())
        return false;
    QString reason;
    if (!writeWhole(m_path, serialize(outline), &reason)) {
        m_error = QStringLiteral("Could not write the project list %1: %2").arg(m_path, reason);
        return false;
    }
    m_damaged = false;
    return true;
}

bool OutlineFile::keepBackup()
{
    QFile found(m_path);
    QString reason;
    if (!found.open(QIODevice::ReadOnly))
        reason = found.errorString();
    else if (writeWhole(backupPath(), found.readAll(), &reason))
        return true;
    m_error = QStringLiteral("The project list %1 was not replaced, since it could not be kept as %2 first: %3")
                  .arg(m_path, backupPath(), reason);
    return false;
}

ProjectOutline OutlineFile::parse(const QByteArray& bytes, QList<int>* unplacedLines)
{
    const QString text = QString::fromUtf8(PageCodec::decode(bytes).utf8);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    ProjectOutline outline;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        qsizetype tabs = 0;
        while (tabs < line.size() && line.at(tabs) == QLatin1Char('\t'))
            ++tabs;
        const QString entry = line.mid(tabs);
        if (tabs == 0)
            outline.appendProject(entry);
        else if (tabs == 1 && !outline.isEmpty())
            outline.appendPage(outline.projectCount() - 1, entry);
        else if (unplacedLines)
            unplacedLines->append(i + 1);
    }
    return outline;
}

QByteArray OutlineFile::serialize(const ProjectOutline& outline)
{
    QByteArray bytes;
    for (const OutlineProject& project : outline.projects()) {
        bytes += project.text.toUtf8() + lineEnd;
        for (const QString& page : project.pages)
            bytes += '\t' + page.toUtf8() + lineEnd;
    }
    return bytes;
}
