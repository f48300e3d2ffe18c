#pragma once

#include "app/helpers.h"
#include "workspace/settings/settings.h"

#include <QString>

// The settings record as the main window sees it. Everything the window needs from the settings
// store goes through the few functions below, so the store's own layout is known in one file.
using SettingsRecord = TesseraSettings;

// Reads every setting into the record (defaults for what is missing or garbled).
void readSettings(SettingsRecord& record);
// Writes the record; false when the settings could not be stored, with the reason in `error`.
bool writeSettings(const SettingsRecord& record, QString* error);

bool& helperFlag(SettingsRecord& record, Helper helper);
bool& showTipsFlag(SettingsRecord& record);
int& tipNumber(SettingsRecord& record);
bool& showHints(SettingsRecord& record);
bool& showProjectPanel(SettingsRecord& record);
QString browserPath(const SettingsRecord& record, int browser);
bool& customTabShown(SettingsRecord& record, int index);
QString& customTabCaption(SettingsRecord& record, int index);

using WindowPlacement = TesseraSettings::WindowAttributes;
WindowPlacement windowPlacement(const SettingsRecord& record);
void setWindowPlacement(SettingsRecord& record, const WindowPlacement& placement);
