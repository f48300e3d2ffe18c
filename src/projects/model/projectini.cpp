#include "projects/model/projectini.h"

#include "projects/model/outlineentry.h"
#include "projects/model/projectpaths.h"
#include "workspace/pages/pagecodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <array>

namespace {

const QString sectionName = QStringLiteral("PROJECT");

struct Key {
    QString name;
    QString ProjectSettings::*value;
};

// The keys in the order a new file lists them.
const std::array<Key, 8> keys{{
    {QStringLiteral("mailto"), &ProjectSettings::mailto},
    {QStringLiteral("WebURL"), &ProjectSettings::webUrl},
    {QStringLiteral("TextColor"), &ProjectSettings::textColor},
    {QStringLiteral("LinkColor"), &ProjectSettings::linkColor},
    {QStringLiteral("aLinkColor"), &ProjectSettings::aLinkColor},
    {QStringLiteral("vLinkColor"), &ProjectSettings::vLinkColor},
    {QStringLiteral("bgColor"), &ProjectSettings::bgColor},
    {QStringLiteral("ThemeStyle"), &ProjectSettings::themeStyle},
}};

// A "[name]" line gives the section's name; any other line gives nothing.
bool sectionHeader(const QString& line, QString* name)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')) || !trimmed.endsWith(QLatin1Char(']')))
        return false;
    *name = trimmed.mid(1, trimmed.size() - 2).trimmed();
    return true;
}

// The index of the key a "name=value" line sets, or -1.
int keyOf(const QString& line, QString* value = nullptr)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return -1;
    const QString name = line.left(equals).trimmed();
    for (size_t i = 0; i < keys.size(); ++i) {
        if (name.compare(keys[i].name, Qt::CaseInsensitive) == 0) {
            if (value)
                *value = line.mid(equals + 1).trimmed();
            return int(i);
        }
    }
    return -1;
}

QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

QString keyLine(const ProjectSettings& settings, int key)
{
    return keys[size_t(key)].name + QLatin1Char('=') + settings.*keys[size_t(key)].value;
}

bool readText(const QString& path, QString* text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(PageCodec::decode(file.readAll()).utf8);
    return true;
}

} // namespace

ProjectSettings ProjectSettings::projectDialogDefaults()
{
    const QString black = QStringLiteral("000000");
    return {QString(), QString(), black, black, black, black, black, QString()};
}

ProjectSettings ProjectSettings::initialValuesDefaults()
{
    return {QString(), QString(), QStringLiteral("000000"), QStringLiteral("FF0000"), QStringLiteral("000000"),
            QStringLiteral("800080"), QStringLiteral("C0C0C0"), QString()};
}

ProjectSettings ProjectIni::parse(const QString& text, const ProjectSettings& defaults)
{
    ProjectSettings settings = defaults;
    std::array<bool, keys.size()> seen{};
    bool inSection = false;
    for (const QString& line : linesOf(text)) {
        QString name;
        if (sectionHeader(line, &name)) {
            inSection = name.compare(sectionName, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        const int key = inSection ? keyOf(line, &value) : -1;
        // The first of two lines for one key counts, as the system's own reader has it.
        if (key >= 0 && !seen[size_t(key)]) {
            seen[size_t(key)] = true;
            settings.*keys[size_t(key)].value = value;
        }
    }
    return settings;
}

QString ProjectIni::update(const QString& existing, const ProjectSettings& settings)
{
    QStringList lines = linesOf(existing);
    std::array<bool, keys.size()> written{};
    bool inSection = false;
    bool sectionFound = false;
    qsizetype sectionEnd = -1; // the line after the section's last non-blank line
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (sectionHeader(lines.at(i), &name)) {
            inSection = !sectionFound && name.compare(sectionName, Qt::CaseInsensitive) == 0;
            if (inSection) {
                sectionFound = true;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!lines.at(i).trimmed().isEmpty())
            sectionEnd = i + 1;
        const int key = keyOf(lines.at(i));
        if (key >= 0 && !written[size_t(key)]) {
            written[size_t(key)] = true;
            lines[i] = keyLine(settings, key);
        }
    }
    if (!sectionFound) {
        lines << QLatin1Char('[') + sectionName + QLatin1Char(']');
        sectionEnd = lines.size();
    }
    QStringList missing;
    for (size_t key = 0; key < keys.size(); ++key) {
        if (!written[key])
            missing << keyLine(settings, int(key));
    }
    for (qsizetype i = 0; i < missing.size(); ++i)
        lines.insert(sectionEnd + i, missing.at(i));

    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString ProjectIni::filePath(const QString& directory)
{
    return QDir(directory).filePath(existingSpelling(directory, ProjectTexts::projectIniFile));
}

ProjectSettings ProjectIni::read(const QString& directory, const ProjectSettings& defaults)
{
    QString text;
    return readText(filePath(directory), &text) ? parse(text, defaults) : defaults;
}

bool ProjectIni::write(const QString& directory, const ProjectSettings& settings, QString* error)
{
    const QString path = filePath(directory);
    QString existing;
    if (QFile::exists(path) && !readText(path, &existing)) {
        // Writing over a file we could not read would lose its other lines.
        *error = QStringLiteral("Could not read %1 to update it.").arg(path);
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = update(existing, settings).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
