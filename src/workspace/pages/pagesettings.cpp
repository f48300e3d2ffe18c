#include "workspace/pages/pagesettings.h"

#include "workspace/settings/settings.h"

QStringList PageSettings::recentFiles(const TesseraSettings& settings)
{
    QStringList files;
    for (const QString& file : settings.lastFiles.files)
        files.append(file);
    return files;
}

void PageSettings::setRecentFiles(TesseraSettings& settings, const QStringList& files)
{
    for (int i = 0; i < 4; ++i)
        settings.lastFiles.files[i] = files.value(i);
}

bool PageSettings::autoLoad(const TesseraSettings& settings)
{
    return settings.lastFiles.autoLoad;
}

void PageSettings::setAutoLoad(TesseraSettings& settings, bool on)
{
    settings.lastFiles.autoLoad = on;
}

QString PageSettings::webExtensions(const TesseraSettings& settings)
{
    return settings.defaults.extension;
}

QString PageSettings::graphicExtensions(const TesseraSettings& settings)
{
    return settings.defaults.graphicExtension;
}
