#pragma once

#include <QStringList>

struct TesseraSettings;

// The settings that page handling reads and writes, in one place.
namespace PageSettings {

QStringList recentFiles(const TesseraSettings& settings);
void setRecentFiles(TesseraSettings& settings, const QStringList& files);
bool autoLoad(const TesseraSettings& settings);
void setAutoLoad(TesseraSettings& settings, bool on);
QString webExtensions(const TesseraSettings& settings);
QString graphicExtensions(const TesseraSettings& settings);

} // namespace PageSettings
