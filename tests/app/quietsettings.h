#pragma once

#include "app/appstrings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <functional>

// No tip and no one-time helper may open a modal box in the middle of a test.
inline void silenceTipsAndHelpers(QSettings& settings)
{
    settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
    for (const char* key : {"NewFile", "fullscreen", "BrowserRefresh", "SimpleTable", "ImageDisplaying", "Wordwrap",
                            "DefaultExtension", "InternalClipboard", "SavingToDefault", "ExpandingChars"})
        settings.setValue(QStringLiteral("Helpers/") + QLatin1String(key), false);
}

// The program's own settings for a test window: emptied, quiet, then adjusted by the test.
inline void startQuietSettings(const std::function<void(QSettings&)>& adjust = {})
{
    QCoreApplication::setOrganizationName(strings::organisationName);
    QCoreApplication::setApplicationName(strings::applicationName);
    QSettings settings;
    settings.clear();
    silenceTipsAndHelpers(settings);
    if (adjust)
        adjust(settings);
    settings.sync();
}
