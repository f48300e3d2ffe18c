#include "app/settingsrecord.h"

void readSettings(SettingsRecord& record)
{
    record.ReadIni();
}

bool writeSettings(const SettingsRecord& record, QString* error)
{
    return record.SaveIni(error);
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
    return record.windowAttributes;
}

void setWindowPlacement(SettingsRecord& record, const WindowPlacement& placement)
{
    record.windowAttributes = placement;
}
