#pragma once

#include "app/helpers.h"

#include <QString>

// The settings record as the main window sees it. Everything the window needs from the settings
// store goes through the few functions below, so the store's own layout is known in one file.
//
// FIXME: the settings store is not in the tree yet. A stand-in record with the window's own keys
// (same sections, names and types) keeps the window working; it lives in its own namespace so it
// can never be mistaken for the store's record. Once the store exists, SettingsRecord becomes its
// record and settingsrecord.cpp maps these functions onto it and calls its ReadIni / SaveIni.
namespace standin {
struct TesseraSettings {
    struct Helpers {
        bool flags[helperCount] = {true, true, true, true, true, true, true, true, true, true};
        bool showTipOfTheDay = true;
        int tipNumber = 10;
    } helpers;
    struct Defaults {
        bool showHints = false;
        bool showProjectPanel = true;
        QString browser1;
        QString browser2;
        bool showCustom[4] = {};
        QString customCaption[4];
    } defaults;
    struct WindowAttributes {
        bool maximized = false;
        int top = 0;
        int left = 0;
        int width = 0;
        int height = 0;
        int splitPosition = 0;
        int splitDirection = 0;
    } windowAttributes;
};
} // namespace standin
using SettingsRecord = standin::TesseraSettings;

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
