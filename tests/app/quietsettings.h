#pragma once

#include <QSettings>
#include <QString>

// No tip and no one-time helper may open a modal box in the middle of a test.
inline void silenceTipsAndHelpers(QSettings& settings)
{
    settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
    for (const char* key : {"NewFile", "fullscreen", "BrowserRefresh", "SimpleTable", "ImageDisplaying", "Wordwrap",
                            "DefaultExtension", "InternalClipboard", "SavingToDefault", "ExpandingChars"})
        settings.setValue(QStringLiteral("Helpers/") + QLatin1String(key), false);
}
