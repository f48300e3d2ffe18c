#pragma once

#include "app/helpers.h"
#include "workspace/settings.h"

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

struct WindowPlacement {
    bool maximized = false;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int splitPosition = 0;
    int splitDirection = 0;
};
WindowPlacement windowPlacement(const SettingsRecord& record);
void setWindowPlacement(SettingsRecord& record, const WindowPlacement& placement);
