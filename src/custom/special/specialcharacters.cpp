#include "custom/special/specialcharacters.h"

#include <QSettings>

namespace SpecialCharacters {
namespace {

const QString group = QStringLiteral("SpecialCharacters");
const QString setupKey = QStringLiteral("Setup");
const QString emptyValue = QStringLiteral("|");

QString slotKey(int index)
{
    return QStringLiteral("Spec%1").arg(index + 1);
}

// Codes are written as numbers where pages have long relied on them, "&#153;" included.
const struct {
    char16_t character;
    const char* code;
} defaults[] = {
    {u'\u00A9', "&#169;"}, {u'\u00AE', "&#174;"}, {u'\u2122', "&#153;"}, {u'\u00BC', "&#188;"},
    {u'\u00BD', "&#189;"}, {u'\u00BE', "&#190;"}, {u'\u00A7', "&#167;"}, {u'<', "&lt;"},
    {u'>', "&gt;"},        {u'&', "&amp;"},
};

} // namespace

Slot parseValue(const QString& value)
{
    if (value.isEmpty() || value.startsWith(QLatin1Char('|')))
        return {};
    const qsizetype bar = value.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {value, QString()};
    return {value.left(bar), value.mid(bar + 1)};
}

QString storedValue(const Slot& slot)
{
    if (slot.character.isEmpty() || slot.code.isEmpty())
        return emptyValue;
    return slot.character + QLatin1Char('|') + slot.code;
}

void SetupDefaultSpecialCharacters(QSettings& settings)
{
    settings.beginGroup(group);
    int index = 0;
    for (const auto& entry : defaults)
        settings.setValue(slotKey(index++), storedValue({QString(QChar(entry.character)), QLatin1String(entry.code)}));
    settings.setValue(setupKey, true);
    settings.endGroup();
    settings.sync();
}

QList<Slot> read(QSettings& settings)
{
    if (!settings.value(group + QLatin1Char('/') + setupKey).toBool())
        SetupDefaultSpecialCharacters(settings);
    QList<Slot> entries;
    settings.beginGroup(group);
    for (int i = 0; i < slotCount; ++i)
        entries << parseValue(settings.value(slotKey(i), emptyValue).toString());
    settings.endGroup();
    return entries;
}

bool write(QSettings& settings, const QList<Slot>& entries, QString* error)
{
    settings.beginGroup(group);
    for (int i = 0; i < slotCount; ++i)
        settings.setValue(slotKey(i), storedValue(i < entries.size() ? entries.at(i) : Slot {}));
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::NoError && settings.isWritable())
        return true;
    if (error)
        *error = QStringLiteral("The special characters could not be saved to %1.").arg(settings.fileName());
    return false;
}

} // namespace SpecialCharacters
