#include "app/settingsrecord.h"

#include "app/appstrings.h"

#include <QSettings>

namespace {

// The stand-in reads only the window's own keys, with the same sections and names as the store.
const char* const helperKeys[helperCount] = {"NewFile", "fullscreen", "BrowserRefresh", "SimpleTable",
                                             "ImageDisplaying", "Wordwrap", "DefaultExtension",
                                             "InternalClipboard", "SavingToDefault", "ExpandingChars"};

template <typename T>
void readValue(QSettings& settings, const char* key, T& value)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (!stored.isValid())
        return;
    if constexpr (std::is_same_v<T, bool>) {
        bool ok = false;
        const int number = stored.toString().toInt(&ok);
        if (ok && (number == 0 || number == 1))
            value = number == 1;
        else if (stored.toString() == QLatin1String("true") || stored.toString() == QLatin1String("false"))
            value = stored.toString() == QLatin1String("true");
    } else if constexpr (std::is_same_v<T, int>) {
        bool ok = false;
        const int number = stored.toString().toInt(&ok);
        if (ok)
            value = number;
    } else {
        value = stored.toString();
    }
}

} // namespace

void readSettings(SettingsRecord& record)
{
    record = SettingsRecord();
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, strings::organisationName, strings::applicationName);
    settings.beginGroup(QStringLiteral("Helpers"));
    for (int i = 0; i < helperCount; ++i)
        readValue(settings, helperKeys[i], record.helpers.flags[i]);
    readValue(settings, "ShowTipOfTheDay", record.helpers.showTipOfTheDay);
    readValue(settings, "TipNumber", record.helpers.tipNumber);
    settings.endGroup();
    settings.beginGroup(QStringLiteral("Defaults"));
    readValue(settings, "ShowHints", record.defaults.showHints);
    readValue(settings, "ShowProjectPanel", record.defaults.showProjectPanel);
    readValue(settings, "Browser1", record.defaults.browser1);
    readValue(settings, "Browser2", record.defaults.browser2);
    for (int i = 0; i < 4; ++i) {
        readValue(settings, QStringLiteral("ShowCustom%1").arg(i + 1).toLatin1().constData(), record.defaults.showCustom[i]);
        QString caption;
        readValue(settings, QStringLiteral("Custom%1caption").arg(i + 1).toLatin1().constData(), caption);
        record.defaults.customCaption[i] = caption.left(15);
    }
    settings.endGroup();
    settings.beginGroup(QStringLiteral("WindowAttributes"));
    auto& window = record.windowAttributes;
    readValue(settings, "Maximized", window.maximized);
    readValue(settings, "Top", window.top);
    readValue(settings, "Left", window.left);
    readValue(settings, "Width", window.width);
    readValue(settings, "Height", window.height);
    readValue(settings, "SplitPosition", window.splitPosition);
    readValue(settings, "SplitDirection", window.splitDirection);
    settings.endGroup();
}

bool writeSettings(const SettingsRecord& record, QString* error)
{
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, strings::organisationName, strings::applicationName);
    settings.beginGroup(QStringLiteral("Helpers"));
    for (int i = 0; i < helperCount; ++i)
        settings.setValue(QLatin1String(helperKeys[i]), int(record.helpers.flags[i]));
    settings.setValue(QStringLiteral("ShowTipOfTheDay"), int(record.helpers.showTipOfTheDay));
    settings.setValue(QStringLiteral("TipNumber"), record.helpers.tipNumber);
    settings.endGroup();
    settings.beginGroup(QStringLiteral("Defaults"));
    settings.setValue(QStringLiteral("ShowHints"), int(record.defaults.showHints));
    settings.setValue(QStringLiteral("ShowProjectPanel"), int(record.defaults.showProjectPanel));
    settings.setValue(QStringLiteral("Browser1"), record.defaults.browser1);
    settings.setValue(QStringLiteral("Browser2"), record.defaults.browser2);
    for (int i = 0; i < 4; ++i) {
        settings.setValue(QStringLiteral("ShowCustom%1").arg(i + 1), int(record.defaults.showCustom[i]));
        settings.setValue(QStringLiteral("Custom%1caption").arg(i + 1), record.defaults.customCaption[i]);
    }
    settings.endGroup();
    settings.beginGroup(QStringLiteral("WindowAttributes"));
    const auto& window = record.windowAttributes;
    settings.setValue(QStringLiteral("Maximized"), int(window.maximized));
    settings.setValue(QStringLiteral("Top"), window.top);
    settings.setValue(QStringLiteral("Left"), window.left);
    settings.setValue(QStringLiteral("Width"), window.width);
    settings.setValue(QStringLiteral("Height"), window.height);
    settings.setValue(QStringLiteral("SplitPosition"), window.splitPosition);
    settings.setValue(QStringLiteral("SplitDirection"), window.splitDirection);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("The settings could not be written to %1.").arg(settings.fileName());
        return false;
    }
    return true;
}

bool& helperFlag(SettingsRecord& record, Helper helper)
{
    return record.helpers.flags[static_cast<int>(helper) - 1];
}

bool& showTipsFlag(SettingsRecord& record)
{
    return record.helpers.showTipOfTheDay;
}

int& tipNumber(SettingsRecord& record)
{
    return record.helpers.tipNumber;
}

bool& showHints(SettingsRecord& record)
{
    return record.defaults.showHints;
}

bool& showProjectPanel(SettingsRecord& record)
{
    return record.defaults.showProjectPanel;
}

QString browserPath(const SettingsRecord& record, int browser)
{
    return browser == 1 ? record.defaults.browser1 : record.defaults.browser2;
}

bool& customTabShown(SettingsRecord& record, int index)
{
    return record.defaults.showCustom[index];
}

QString& customTabCaption(SettingsRecord& record, int index)
{
    return record.defaults.customCaption[index];
}

WindowPlacement windowPlacement(const SettingsRecord& record)
{
    const auto& w = record.windowAttributes;
    return {w.maximized, w.top, w.left, w.width, w.height, w.splitPosition, w.splitDirection};
}

void setWindowPlacement(SettingsRecord& record, const WindowPlacement& placement)
{
    auto& w = record.windowAttributes;
    w.maximized = placement.maximized;
    w.top = placement.top;
    w.left = placement.left;
    w.width = placement.width;
    w.height = placement.height;
    w.splitPosition = placement.splitPosition;
    w.splitDirection = placement.splitDirection;
}
